// The positional byte comparison and the characters it marks.
#include <gtest/gtest.h>

#include "Comparison.h"
#include "GbkText.h"

using namespace practice;
using namespace practice::testing;

namespace {
std::vector<std::pair<int, bool>> Marks(const Comparison& c) {
  std::vector<std::pair<int, bool>> out;
  for (const auto& m : c.marks) out.emplace_back(m.position, m.wrong);
  return out;
}
using M = std::vector<std::pair<int, bool>>;
}  // namespace

TEST(Comparison, OneWrongCharacterWithTheSameFirstByteScoresSevenBytes) {
  const Comparison c = CompareTypedText(kFan + kLi + kWenQuestion + kZhang, kSample02);
  EXPECT_EQ(c.correctBytes, 7);
  // Each character is marked at its own position: only the third is red.
  EXPECT_EQ(Marks(c), (M{{0, false}, {1, false}, {2, true}, {3, false}}));
}

TEST(Comparison, AnInsertedBlankShiftsEverythingAfterIt) {
  const Comparison c = CompareTypedText(kFan + kLi + " " + kWen + kZhang + "02", kSample02);
  EXPECT_EQ(c.correctBytes, 4);
  // 文 and 章 move one byte right: their bytes meet 文, 章 and the digit 0, all red.
  EXPECT_EQ(Marks(c), (M{{0, false}, {1, false}, {2, true}, {3, true}, {4, true}}));
}

TEST(Comparison, AsciiOnlyTypingComparesAndMarksNothing) {
  const Comparison c = CompareTypedText("hello, 02\r\n", kSample02);
  EXPECT_EQ(c.correctBytes, 0);
  EXPECT_TRUE(c.marks.empty());
}

TEST(Comparison, TypedBytesBeyondTheArticleAreWrongAndUnmarked) {
  const Comparison c = CompareTypedText(kFan + kLi + kWen, kFan);
  EXPECT_EQ(c.correctBytes, 2);
  EXPECT_EQ(Marks(c), (M{{0, false}}));
  EXPECT_TRUE(CompareTypedText(kFan, "").marks.empty());
}

TEST(Comparison, AsciiArticleBytesMetByTypedHighBytesAreMarkedWrong) {
  // The article's 0 and 2 sit where the typed text has a Chinese character.
  const Comparison c = CompareTypedText(kFan + kLi + kWen + kZhang + kZhong, kSample02);
  EXPECT_EQ(c.correctBytes, 8);
  EXPECT_EQ(Marks(c), (M{{0, false}, {1, false}, {2, false}, {3, false}, {4, true}, {5, true}}));
}

TEST(Comparison, MarksFollowTheArticlesLineBreaks) {
  const std::string article = kFan + "\r\n" + kLi;
  // Typed without the line break: 例 meets CR LF, then nothing.
  const Comparison shifted = CompareTypedText(kFan + kLi, article);
  EXPECT_EQ(shifted.correctBytes, 2);
  EXPECT_EQ(Marks(shifted), (M{{0, false}, {1, true}, {2, true}}));
  // Typed with it: the line break is ASCII and keeps 例 at position 3.
  const Comparison aligned = CompareTypedText(kFan + "\r\n" + kLi, article);
  EXPECT_EQ(aligned.correctBytes, 4);
  EXPECT_EQ(Marks(aligned), (M{{0, false}, {3, false}}));
}

TEST(Comparison, HalfAMatchingCharacterIsRedButItsMatchingByteScores) {
  const Comparison c = CompareTypedText(kWenQuestion + kWenQuestion, kWen + kWen);
  EXPECT_EQ(c.correctBytes, 2);  // two half matches make one correct character
  EXPECT_EQ(Marks(c), (M{{0, true}, {1, true}}));
}

TEST(Comparison, ByteSevenFAndAboveIsCompared) {
  const Comparison c = CompareTypedText("\x7F", "\x7F");
  EXPECT_EQ(c.correctBytes, 1);
  EXPECT_EQ(Marks(c), (M{{0, false}}));
}

TEST(Comparison, MarksAfterACharacterOutsideTheBmpStayOnTheirCharacters) {
  // The article shows 范, U+20000 (two positions, '?' in GBK), 例, 文.
  const std::string article = kFan + "?" + kLi + kWen;
  const ViewPositions positions(u"\u8303\U00020000\u4F8B\u6587", article, 1);
  const Comparison c = CompareTypedText(kFan + "?" + kLi + kWenQuestion, article, positions);
  EXPECT_EQ(c.correctBytes, 5);
  EXPECT_EQ(Marks(c), (M{{0, false}, {3, false}, {4, true}}));
}
