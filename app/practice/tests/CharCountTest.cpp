// The counting rule for articles and typed texts.
#include <gtest/gtest.h>

#include "CharCount.h"
#include "GbkText.h"

using namespace practice;
using namespace practice::testing;

TEST(CountChars, DoubleByteCharactersAndPrintableAsciiCountOneEach) {
  EXPECT_EQ(CountChars(kSample02), 6);
  EXPECT_EQ(CountChars("a!~"), 3);
}

TEST(CountChars, BlanksTabsAndLineBreaksCountNothing) {
  EXPECT_EQ(CountChars("ab c\r\n" + kZhong), 4);
  EXPECT_EQ(CountChars(" \t\r\n"), 0);
  EXPECT_EQ(CountChars(std::string("\x01\x1F\x20", 3)), 0);
  EXPECT_EQ(CountChars(""), 0);
}

TEST(CountChars, AFullWidthBlankCountsOneAnAsciiBlankNothing) {
  EXPECT_EQ(CountChars(kFullWidthBlank), 1);
  EXPECT_EQ(CountChars(" "), 0);
}

TEST(CountChars, LineBreaksOfAnEightLineArticleAddNothing) {
  std::string line = kFan + kLi + "," + kWen;
  std::string article;
  for (int i = 0; i < 8; ++i) article += line + "\r\n";
  EXPECT_EQ(CountChars(article), 8 * 4);
}

TEST(CountChars, HighBytesCountHalfEachWithTheRemainderDropped) {
  EXPECT_EQ(CountChars("\x7F"), 0);
  EXPECT_EQ(CountChars("\x7F\x80"), 1);
  EXPECT_EQ(CountChars("\xFF\xFF\xFF"), 1);
  // A GBK character whose second byte is ASCII: half through the lead byte, one through the trail.
  EXPECT_EQ(CountChars("\x81\x40"), 1);
  EXPECT_EQ(CountChars("\x81\x40\x81\x40"), 3);
}
