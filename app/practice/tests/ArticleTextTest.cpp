// Plain article files as the holder keeps them.
#include <gtest/gtest.h>

#include "ArticleText.h"
#include "GbkText.h"

using namespace practice;
using namespace practice::testing;

TEST(PlainArticleText, WindowsLineBreaksAndTextStayAsTheyAre) {
  const std::string text = kFan + kLi + "\r\n" + kWen + "\t02\r\n";
  EXPECT_EQ(PlainArticleText(text), text);
}

TEST(PlainArticleText, LoneLineFeedsAndCarriageReturnsBecomeLineBreaks) {
  EXPECT_EQ(PlainArticleText("a\nb\rc\n\nd"), "a\r\nb\r\nc\r\n\r\nd");
  EXPECT_EQ(PlainArticleText("a\r\r\nb"), "a\r\n\r\nb");
  EXPECT_EQ(PlainArticleText("\n"), "\r\n");
}

TEST(PlainArticleText, TheTextEndsAtTheFirstNulByte) {
  EXPECT_EQ(PlainArticleText(std::string("ab\0cd", 5)), "ab");
  EXPECT_EQ(PlainArticleText(std::string("\0ab", 3)), "");
}

TEST(PlainArticleText, InvalidGbkBytesArePassedOn) {
  const std::string bytes = "\x81\xFF\x80\xFE";
  EXPECT_EQ(PlainArticleText(bytes), bytes);
}
