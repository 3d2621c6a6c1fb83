// Colours written as text ("244 244 244") and as three integer keys.
#include <gtest/gtest.h>

#include "WinSkinIni.h"

namespace {

constexpr TColour Rgb(int r, int g, int b) {
  return static_cast<TColour>(r) | static_cast<TColour>(g) << 8 | static_cast<TColour>(b) << 16;
}

TEST(TextToColour, ThreeNumbersAreRedGreenBlue) {
  EXPECT_EQ(TextToColour("244 244 244"), Rgb(244, 244, 244));
  EXPECT_EQ(TextToColour("197 231 246"), Rgb(197, 231, 246));
  EXPECT_EQ(TextToColour("0 0 255"), Rgb(0, 0, 255));
}

TEST(TextToColour, AnyNonDigitSeparates) {
  EXPECT_EQ(TextToColour("10,20,30"), Rgb(10, 20, 30));
  EXPECT_EQ(TextToColour("r10g20b30"), Rgb(10, 20, 30));
  EXPECT_EQ(TextToColour("  1 ,  2 ;3  "), Rgb(1, 2, 3));
  EXPECT_EQ(TextToColour("-5 -6 -7"), Rgb(5, 6, 7));
}

TEST(TextToColour, ATrailingNumberCountsOnlyAsTheThird) {
  EXPECT_EQ(TextToColour("255 128"), Rgb(255, 0, 0));
  EXPECT_EQ(TextToColour("77"), 0u);
  EXPECT_EQ(TextToColour("1 2 3 4"), Rgb(1, 2, 3));
  EXPECT_EQ(TextToColour("1 2 3 4 5 6 "), Rgb(1, 2, 3));
}

TEST(TextToColour, EachComponentKeepsItsLowEightBits) {
  EXPECT_EQ(TextToColour("300 256 511"), Rgb(44, 0, 255));
}

TEST(TextToColour, ANumberBeyondThe32BitRangeIsNotStored) {
  // It fails to convert at the separator, keeps its digits and swallows the next number into them.
  EXPECT_EQ(TextToColour("99999999999 1 2 3"), 0u);
  EXPECT_EQ(TextToColour("1 99999999999 2 3"), Rgb(1, 0, 0));
  EXPECT_EQ(TextToColour("1 2 99999999999"), Rgb(1, 2, 0));
  EXPECT_EQ(TextToColour("2147483647 2 3"), Rgb(255, 2, 3));
}

TEST(TextToColour, EmptyOrDigitlessTextIsBlack) {
  EXPECT_EQ(TextToColour(""), 0u);
  EXPECT_EQ(TextToColour("   "), 0u);
  EXPECT_EQ(TextToColour("red"), 0u);
}

TQuickIni Parse(std::string_view text) {
  TQuickIni ini;
  ini.LoadFromStream(std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
  return ini;
}

TEST(ColourTriplet, AllThreeKeysGiveTheColourModulo256) {
  const TQuickIni ini = Parse("[Personality]\r\nActiveTextR=10\r\nActiveTextG=300\r\nActiveTextB=0x10\r\n");
  TColour target = 0x1FFFFFFF;
  ReadColourTriplet(ini, "Personality", "ActiveText", target);
  EXPECT_EQ(target, Rgb(10, 44, 16));
}

TEST(ColourTriplet, AMissingOrNegativeKeyLeavesTheTargetAlone) {
  const TQuickIni ini = Parse(
      "[P]\r\nActiveTextR=10\r\nActiveTextG=20\r\n"
      "InActiveTextR=1\r\nInActiveTextG=-2\r\nInActiveTextB=3\r\n"
      "XR=1\r\nXG=2\r\nXB=blue\r\n");
  for (const char* prefix : {"ActiveText", "InActiveText", "X"}) {
    TColour target = 0x1FFFFFFF;
    ReadColourTriplet(ini, "P", prefix, target);
    EXPECT_EQ(target, 0x1FFFFFFFu) << prefix;
  }
}

TEST(ColourTriplet, ZeroIsAValidComponent) {
  const TQuickIni ini = Parse("[P]\r\nXr=0\r\nxG=0\r\nXB=0\r\n");
  TColour target = 0x1FFFFFFF;
  ReadColourTriplet(ini, "p", "X", target);
  EXPECT_EQ(target, 0u);
}

}  // namespace
