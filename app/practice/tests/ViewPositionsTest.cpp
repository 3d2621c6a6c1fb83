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
