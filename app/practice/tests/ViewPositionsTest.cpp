// Byte offsets of a GBK text mapped to the positions of the rich edit that shows it.
#include <gtest/gtest.h>

#include "GbkText.h"
#include "ViewPositions.h"

using namespace practice;
using namespace practice::testing;

TEST(ViewPositions, BothBytesOfADoubleByteCharacterShareItsPosition) {
  const ViewPositions p(kSample02);
  EXPECT_EQ(p.Count(), 6);
  const int expected[] = {0, 0, 1, 1, 2, 2, 3, 3, 4, 5};
  for (size_t i = 0; i < 10; ++i) EXPECT_EQ(p.OfByte(i), expected[i]) << "byte " << i;
}

TEST(ViewPositions, EachByteOfALineBreakIsAPositionOfItsOwn) {
  const ViewPositions p(kFan + "\r\n" + kLi + "\n\r" + kWen);
  const int expected[] = {0, 0, 1, 2, 3, 3, 4, 5, 6, 6};
  ASSERT_EQ(p.ByteCount(), 10u);
  for (size_t i = 0; i < 10; ++i) EXPECT_EQ(p.OfByte(i), expected[i]) << "byte " << i;
  EXPECT_EQ(p.Count(), 7);
}

TEST(ViewPositions, SingleHighBytesAndBrokenPairsAreOnePositionEach) {
  // 0x80 (euro sign) and 0xFF never lead; a lead byte followed by a non-trail byte stands alone.
  const ViewPositions p(std::string("\x80\xFF\x81\x7F\xB7", 5));
  EXPECT_EQ(p.Count(), 5);
  for (size_t i = 0; i < 5; ++i) EXPECT_EQ(p.OfByte(i), static_cast<int>(i));
}

TEST(ViewPositions, ATrailByteInTheAsciiRangeStillBelongsToItsLead) {
  const ViewPositions p("\x81\x40" "A");
  EXPECT_EQ(p.Count(), 2);
  EXPECT_EQ(p.OfByte(1), 0);
  EXPECT_EQ(p.OfByte(2), 1);
}

TEST(ViewPositions, ACharacterOutsideTheBmpTakesTwoPositionsForItsDefaultCharacter) {
  // U+20000 then 中 A: the control holds four units, the conversion gives '?' for the pair.
  const std::u16string view = u"\U00020000\u4E2D" u"A";
  const ViewPositions p(view, "?" + kZhong + "A", 1);
  ASSERT_EQ(p.ByteCount(), 4u);
  const int expected[] = {0, 2, 2, 3};
  for (size_t i = 0; i < 4; ++i) EXPECT_EQ(p.OfByte(i), expected[i]) << "byte " << i;
  EXPECT_EQ(p.Count(), 4);
}

TEST(ViewPositions, APairMayBecomeTwoDefaultCharacters) {
  const std::u16string view = u"\u4E2D\U00020000\U00020000\u4E2D";
  const ViewPositions p(view, kZhong + "????" + kZhong, 2);
  const int expected[] = {0, 0, 1, 1, 3, 3, 5, 5};
  ASSERT_EQ(p.ByteCount(), 8u);
  for (size_t i = 0; i < 8; ++i) EXPECT_EQ(p.OfByte(i), expected[i]) << "byte " << i;
  EXPECT_EQ(p.Count(), 6);
}

TEST(ViewPositions, TheViewsTextGivesTheSamePositionsAsTheBytesWithoutPairs) {
  const std::string gbk = kFan + "\r\n" + kLi + "\x80" "A";
  const ViewPositions fromBytes(gbk);
  const ViewPositions fromView(u"\u8303\r\n\u4F8B\u20AC" u"A", gbk, 1);
  ASSERT_EQ(fromView.ByteCount(), fromBytes.ByteCount());
  for (size_t i = 0; i < gbk.size(); ++i) EXPECT_EQ(fromView.OfByte(i), fromBytes.OfByte(i)) << "byte " << i;
  EXPECT_EQ(fromView.Count(), fromBytes.Count());
}
