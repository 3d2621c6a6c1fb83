// The limits of the platform's rich text reader, checked before a file reaches it.
#include <gtest/gtest.h>

#include <string>

#include "RichTextLimits.h"

using namespace practice;

namespace {
std::string Repeat(const std::string& s, size_t n) {
  std::string out;
  for (size_t i = 0; i < n; ++i) out += s;
  return out;
}
std::string Nested(int groups) {
  return "{\\rtf1\\ansi " + Repeat("{", groups - 1) + "word" + Repeat("}", groups - 1) + "}";
}
}  // namespace

TEST(RichTextLimits, OrdinaryRichTextPasses) {
  EXPECT_EQ(CheckRichTextLimits("{\\rtf1\\ansi\\ansicpg936{\\fonttbl{\\f0\\fnil\\fcharset134 \\'cb\\'ce\\'cc\\'e5;}}"
                                "{\\colortbl;\\red255\\green0\\blue0;}{\\stylesheet{\\s1 Normal;}}"
                                "\\f0\\fs24 {\\b bold}\\par \\u20013?\\cf1 red}"),
            RichTextFault::none);
}

TEST(RichTextLimits, NestingUpToThirtyTwoGroupsPassesOneMoreDoesNot) {
  EXPECT_EQ(CheckRichTextLimits(Nested(32)), RichTextFault::none);
  EXPECT_EQ(CheckRichTextLimits(Nested(33)), RichTextFault::groupsTooDeep);
}

TEST(RichTextLimits, UnclosedGroupsCountAsTheyAreOpened) {
  EXPECT_EQ(CheckRichTextLimits("{\\rtf1\\ansi " + Repeat("{", 100) + "word"), RichTextFault::groupsTooDeep);
  EXPECT_EQ(CheckRichTextLimits("{\\rtf1\\ansi {\\b word"), RichTextFault::none);  // the reader reports this itself
}

TEST(RichTextLimits, GroupsInsideIgnoredDestinationsCountToo) {
  EXPECT_EQ(CheckRichTextLimits("{\\rtf1 {\\*\\unknown " + Repeat("{", 40) + Repeat("}", 40) + "} text}"),
            RichTextFault::groupsTooDeep);
}

TEST(RichTextLimits, EscapedBracesAndHexBytesAreNotGroups) {
  EXPECT_EQ(CheckRichTextLimits("{\\rtf1 " + Repeat("\\{", 100) + Repeat("\\'7b", 100) + "}"), RichTextFault::none);
  // \' takes the next two bytes as its digits, even braces.
  EXPECT_EQ(CheckRichTextLimits("{\\rtf1 \\'{{" + Repeat("{", 31) + "}"), RichTextFault::none);
}

TEST(RichTextLimits, ManyGroupsSideBySidePass) {
  EXPECT_EQ(CheckRichTextLimits("{\\rtf1 " + Repeat("{\\b x}", 10000) + "}"), RichTextFault::none);
}

TEST(RichTextLimits, AParagraphOfTooManyFormattingChangesIsRefused) {
  const int most = kMostFormattingInAParagraph;
  // The outermost group and \rtf1 count too.
  EXPECT_EQ(CheckRichTextLimits("{\\rtf1 " + Repeat("{x}", most - 2) + "}"), RichTextFault::none);
  EXPECT_EQ(CheckRichTextLimits("{\\rtf1 " + Repeat("{x}", most - 1) + "}"), RichTextFault::paragraphTooFormatted);
  EXPECT_EQ(CheckRichTextLimits("{\\rtf1 " + Repeat("\\b x\\b0 y", most) + "}"), RichTextFault::paragraphTooFormatted);
}

TEST(RichTextLimits, FormattingCountsPerParagraphAndTextWordsDoNotCount) {
  const std::string paragraph = Repeat("{\\b x}", 14000) + "\\par ";  // two each
  EXPECT_EQ(CheckRichTextLimits("{\\rtf1 " + Repeat(paragraph, 5) + "}"), RichTextFault::none);
  EXPECT_EQ(CheckRichTextLimits("{\\rtf1\\uc1 " + Repeat("\\u20013?\\tab ", 60000) + "}"), RichTextFault::none);
}

TEST(RichTextLimits, WhatFollowsTheOutermostGroupIsNotRead) {
  EXPECT_EQ(CheckRichTextLimits("{\\rtf1 text}" + Repeat("{", 100)), RichTextFault::none);
}

TEST(RichTextLimits, AHugeControlWordOrNumberIsRefused) {
  EXPECT_EQ(CheckRichTextLimits("{\\rtf1 \\" + std::string(254, 'a') + " text}"), RichTextFault::none);
  EXPECT_EQ(CheckRichTextLimits("{\\rtf1 \\" + std::string(255, 'a') + " text}"), RichTextFault::controlWordTooLong);
  EXPECT_EQ(CheckRichTextLimits("{\\rtf1 \\fs-" + std::string(5000, '9') + " text}"), RichTextFault::controlWordTooLong);
  EXPECT_EQ(CheckRichTextLimits("{\\rtf1 \\" + std::string(100000, 'a')), RichTextFault::controlWordTooLong);
}

TEST(RichTextLimits, AHugeFontOrStyleNameIsRefused) {
  const std::string name(256, 'A');
  EXPECT_EQ(CheckRichTextLimits("{\\rtf1 {\\fonttbl{\\f0 " + name.substr(1) + ";}}text}"), RichTextFault::none);
  EXPECT_EQ(CheckRichTextLimits("{\\rtf1 {\\fonttbl{\\f0 " + name + ";}}text}"), RichTextFault::nameTooLong);
  EXPECT_EQ(CheckRichTextLimits("{\\rtf1 {\\stylesheet{\\s1 " + name + ";}}text}"), RichTextFault::nameTooLong);
  // Hex bytes and dropped line breaks make one name with the letters around them.
  EXPECT_EQ(CheckRichTextLimits("{\\rtf1 {\\fonttbl\\f0 " + Repeat("\\'41\n", 300) + ";}text}"),
            RichTextFault::nameTooLong);
}

TEST(RichTextLimits, NamesEndAtSemicolonsControlWordsAndGroups) {
  const std::string part(200, 'A');
  EXPECT_EQ(CheckRichTextLimits("{\\rtf1 {\\fonttbl{\\f0 " + part + ";}{\\f1 " + part + ";}" + part + ";" + part +
                                "\\b " + part + "}text}"),
            RichTextFault::none);
}

TEST(RichTextLimits, LongTextOutsideTheNameTablesIsOrdinaryText) {
  EXPECT_EQ(CheckRichTextLimits("{\\rtf1 {\\fonttbl{\\f0 SimSun;}}" + std::string(100000, 'A') + "}"),
            RichTextFault::none);
}
