#include "TextChunker.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tts {
namespace {

std::vector<std::u16string> Pieces(std::u16string_view text, size_t first = 40, size_t max = 200) {
  TextChunker c(text, first, max);
  std::vector<std::u16string> out;
  while (auto chunk = c.Next()) out.emplace_back(text.substr(chunk->start, chunk->length));
  return out;
}

TEST(TextChunker, SplitsAtChineseAndLatinSentenceEnds) {
  auto p = Pieces(u"今天天气很好。我们去公园吧！ Is it far? Not at all.");
  ASSERT_EQ(p.size(), 4u);
  EXPECT_EQ(p[0], u"今天天气很好。");
  EXPECT_EQ(p[1], u"我们去公园吧！");
  EXPECT_EQ(p[2], u"Is it far?");
  EXPECT_EQ(p[3], u"Not at all.");
}

TEST(TextChunker, ClosingQuotesStayWithTheirSentence) {
  auto p = Pieces(u"他说：“走吧。”然后走了。");
  ASSERT_EQ(p.size(), 2u);
  EXPECT_EQ(p[0], u"他说：“走吧。”");
}

TEST(TextChunker, DecimalPointDoesNotEndASentence) {
  auto p = Pieces(u"Pi is 3.14 roughly. Yes");
  ASSERT_EQ(p.size(), 2u);
  EXPECT_EQ(p[0], u"Pi is 3.14 roughly.");
}

TEST(TextChunker, WhiteSpaceOnlyTextGivesNothing) {
  EXPECT_TRUE(Pieces(u"").empty());
  EXPECT_TRUE(Pieces(u" \r\n\t\x3000 ").empty());
}

TEST(TextChunker, LongSentencesBreakAtCommasThenHard) {
  std::u16string text = u"一二三四五六七八九十，一二三四五六七八九十，一二三四五六七八九十";
  auto p = Pieces(text, 15, 15);
  ASSERT_EQ(p.size(), 3u);
  EXPECT_EQ(p[0], u"一二三四五六七八九十，");
  std::u16string noBreaks(50, u'字');
  auto q = Pieces(noBreaks, 20, 20);
  ASSERT_EQ(q.size(), 3u);
  EXPECT_EQ(q[0].size(), 20u);
  EXPECT_EQ(q[2].size(), 10u);
}

TEST(TextChunker, FirstPieceIsShortForAQuickStart) {
  std::u16string text(1000, u'字');
  TextChunker c(text, 30, 200);
  EXPECT_EQ(c.Next()->length, 30u);
  EXPECT_EQ(c.Next()->length, 200u);
}

TEST(TextChunker, NeverSplitsASurrogatePair) {
  std::u16string text;
  for (int i = 0; i < 30; ++i) text += u"\U0001F600";
  TextChunker c(text, 5, 5);
  size_t covered = 0;
  while (auto chunk = c.Next()) {
    EXPECT_EQ(chunk->start % 2, 0u);
    EXPECT_EQ(chunk->length % 2, 0u);
    covered += chunk->length;
  }
  EXPECT_EQ(covered, text.size());
}

TEST(TextChunker, PiecesCoverTheTextInOrderWithPositions) {
  std::u16string text = u"  第一句。\r\n第二句！\r\n\r\n  third one? ";
  TextChunker c(text);
  size_t last = 0;
  std::u16string joined;
  while (auto chunk = c.Next()) {
    EXPECT_GE(chunk->start, last);
    last = chunk->start + chunk->length;
    joined += text.substr(chunk->start, chunk->length);
  }
  EXPECT_EQ(joined, u"第一句。第二句！third one?");
}

}  // namespace
}  // namespace tts
