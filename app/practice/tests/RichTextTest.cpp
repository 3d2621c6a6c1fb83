// The rich text written to show a text in colours (the control's reading of it is tested under Wine).
#include <gtest/gtest.h>

#include "RichText.h"

using namespace practice;

namespace {
const Rgb kWhite{255, 255, 255};
const Rgb kRed{255, 0, 0};
const Rgb kBlack{0, 0, 0};

size_t Count(const std::string& text, const std::string& part) {
  size_t n = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
  return n;
}
}  // namespace

TEST(RichText, HeaderColourTableAndBody) {
  EXPECT_EQ(RichTextOf(u"ab", {1, 2}, {kRed, kBlack}, kWhite),
            "{\\rtf1\\ansi\\uc1{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue0;\\red255\\green255\\blue255;}"
            "\\highlight0 \\cf1 a\\cf2 b}");
}

TEST(RichText, SpecialCharactersAreEscaped) {
  const std::string rtf = RichTextOf(u"\\{}\t", kWhite);
  EXPECT_NE(rtf.find("\\cf0 \\\\\\{\\}\\tab }"), std::string::npos) << rtf;
}

TEST(RichText, CrLfIsAParagraphBreakWhileLoneCrAndLfStayCharacters) {
  const std::string rtf = RichTextOf(u"a\r\nb\rc\nd\r\r\n", kWhite);
  EXPECT_NE(rtf.find("a\\par\nb\\u13?c\\u10?d\\u13?\\par\n}"), std::string::npos) << rtf;
}

TEST(RichText, CharactersOutsideAsciiAreWrittenAsSignedUnicodeEscapes) {
  const std::string rtf = RichTextOf(u"\u8303\U0001F600", kWhite);
  EXPECT_NE(rtf.find("\\u-31997?\\u-10179?\\u-8704?"), std::string::npos) << rtf;
}

TEST(RichText, ALineBreakTakesTheColourOfItsCarriageReturn) {
  const std::string rtf = RichTextOf(u"a\r\nb", {1, 2, 1, 1}, {kRed, kBlack}, kWhite);
  EXPECT_NE(rtf.find("\\cf1 a\\cf2 \\par\n\\cf1 b"), std::string::npos) << rtf;
}

TEST(RichText, LongRunsOfOneColourAreCutByAnInvisibleBackgroundSwitch) {
  const std::u16string text(kLongestRun * 3, u'x');
  const std::string rtf = RichTextOf(text, kWhite);
  EXPECT_EQ(Count(rtf, "\\highlight1 "), 1u);
  EXPECT_EQ(Count(rtf, "\\highlight0 "), 2u);  // the start, then the third run
  EXPECT_NE(rtf.find("\\cf0 " + std::string(kLongestRun, 'x') + "\\highlight1 " + std::string(kLongestRun, 'x') +
                     "\\highlight0 " + std::string(kLongestRun, 'x') + "}"),
            std::string::npos);
}

TEST(RichText, AColourChangeStartsANewRunAndAParagraphBreakEndsOne) {
  std::u16string text(kLongestRun, u'x');
  text += u"\r\n" + std::u16string(kLongestRun, u'y');
  std::vector<int> colours(text.size(), 1);
  EXPECT_EQ(Count(RichTextOf(text, colours, {kRed}, kWhite), "\\highlight1"), 0u);
}

TEST(RichText, EmptyTextIsAnEmptyDocument) {
  EXPECT_EQ(RichTextOf(u"", kWhite), "{\\rtf1\\ansi\\uc1{\\colortbl;\\red255\\green255\\blue255;}\\highlight0 }");
}
