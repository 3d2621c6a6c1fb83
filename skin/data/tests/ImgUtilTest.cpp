// The pixel and colour routines: exact arithmetic of blends, saturation and gradients, and the
// bitmap turns read back pixel by pixel.
#include <gtest/gtest.h>

#include "ImgUtil.h"
#include "SkinPixels.h"

using namespace skin_test;

namespace {

TEST(BlendColours, AmountsBelowOneHundredArePercentFromThereOnPerMille) {
  const tk::TColor x = 0x0A64C8, y = 0x000000;  // red 200, green 100, blue 10
  // 99 %: (200 * 99 + 50) div 100 = 198, (100 * 99 + 50) div 100 = 99, (10 * 99 + 50) div 100 = 10
  EXPECT_EQ(BlendColours(x, y, 99), 0x0A63C6);
  // 100 is 10 %: (200 * 100 + 500) div 1000 = 20, 10, 1
  EXPECT_EQ(BlendColours(x, y, 100), 0x010A14);
  EXPECT_EQ(BlendColours(x, y, 1000), x);
  EXPECT_EQ(BlendColours(tk::clWhite, tk::clBlack, 50), 0x808080);
  // 150 per mille of grey over 850 of white: (128 * 150 + 255 * 850 + 500) div 1000 = 236
  EXPECT_EQ(BlendColours(0x808080, tk::clWhite, 150), 0xECECEC);
}

TEST(BlendColours, SystemColoursAreResolvedFirst) {
  const auto face = static_cast<tk::TColor>(GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(BlendColours(tk::clBtnFace, tk::clBlack, 1000), face);
}

TEST(ColourSaturation, LightColoursGiveTheirSaturationDarkOnes200) {
  EXPECT_EQ(ColourSaturation(RGB(255, 0, 0)), 255);
  EXPECT_EQ(ColourSaturation(RGB(100, 100, 100)), 200);
  EXPECT_EQ(ColourSaturation(RGB(200, 200, 100)), 128);  // 127.5 goes to the even neighbour
  EXPECT_EQ(ColourSaturation(RGB(160, 160, 160)), 0);
  EXPECT_EQ(ColourSaturation(RGB(255, 255, 153)), 102);  // 0.4 * 255 = 102
  // Full saturation counts only where a channel reaches 160.
  EXPECT_EQ(ColourSaturation(RGB(170, 0, 0)), 255);
  EXPECT_EQ(ColourSaturation(RGB(150, 0, 0)), 200);
}

TEST(ReplaceKeyColour, OnlyExactMagentaChangesAndTheBitmapBecomes24Bit) {
  const COLORREF row[] = {RGB(255, 0, 255), RGB(254, 0, 255), 0x123456};
  tk::TBitmap bitmap;
  Paint(bitmap, 3, 1, [&](int x, int) { return row[x]; });
  bitmap.SetPixelFormat(tk::TPixelFormat::pf32bit);
  ReplaceKeyColour(bitmap, 0xF4F4F4);
  EXPECT_EQ(bitmap.PixelFormat(), tk::TPixelFormat::pf24bit);
  EXPECT_EQ(bitmap.PixelAt(0, 0), 0xF4F4F4u);
  EXPECT_EQ(bitmap.PixelAt(1, 0), RGB(254, 0, 255));
  EXPECT_EQ(bitmap.PixelAt(2, 0), 0x123456u);
}

COLORREF Coordinates(int x, int y) { return RGB(x * 10, y * 10, 7); }

TEST(MirrorAndFlip, ReverseColumnsAndRows) {
  tk::TBitmap bitmap;
  Paint(bitmap, 5, 3, Coordinates);
  MirrorBitmap(bitmap);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x) EXPECT_EQ(bitmap.PixelAt(x, y), Coordinates(4 - x, y)) << x << "," << y;
  Paint(bitmap, 5, 3, Coordinates);
  FlipBitmap(bitmap);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x) EXPECT_EQ(bitmap.PixelAt(x, y), Coordinates(x, 2 - y)) << x << "," << y;
}

TEST(Rotate, LeftTurnsTheTopRowIntoTheLeftColumnReadUpwards) {
  tk::TBitmap bitmap;
  Paint(bitmap, 4, 2, Coordinates);
  RotateBitmapLeft(bitmap);
  ASSERT_EQ(bitmap.Width(), 2);
  ASSERT_EQ(bitmap.Height(), 4);
  for (int c = 0; c < 4; ++c)
    for (int y = 0; y < 2; ++y) EXPECT_EQ(bitmap.PixelAt(y, 4 - 1 - c), Coordinates(c, y));
}

TEST(Rotate, RightTurnsTheTopRowIntoTheRightColumnReadDownwards) {
  tk::TBitmap bitmap;
  Paint(bitmap, 4, 2, Coordinates);
  RotateBitmapRight(bitmap);
  ASSERT_EQ(bitmap.Width(), 2);
  ASSERT_EQ(bitmap.Height(), 4);
  for (int c = 0; c < 4; ++c)
    for (int y = 0; y < 2; ++y) EXPECT_EQ(bitmap.PixelAt(2 - 1 - y, c), Coordinates(c, y));
}

TEST(Rotate, LeftThenRightRestoresTheImage) {
  tk::TBitmap bitmap;
  Paint(bitmap, 7, 3, [](int x, int y) { return RGB(x * 30, y * 70, (x * y) % 256); });
  const std::vector<COLORREF> before = Pixels(bitmap);
  RotateBitmapLeft(bitmap);
  RotateBitmapRight(bitmap);
  ASSERT_EQ(bitmap.Width(), 7);
  EXPECT_EQ(Pixels(bitmap), before);
}

TEST(GradientColours, CountOneIsTheMidpoint) {
  const int slot = GradientColours(1, RGB(0, 100, 200), RGB(10, 50, 201));
  const auto& colours = GradientCacheSlot(slot);
  ASSERT_EQ(colours.size(), 1u);
  // 0 + 10 div 2, 100 + (-50) div 2, 200 + 1 div 2
  EXPECT_EQ(colours[0], static_cast<tk::TColor>(RGB(5, 75, 200)));
}

TEST(GradientColours, EntriesRoundToTheNearestStep) {
  const int slot = GradientColours(3, RGB(0, 0, 0), RGB(255, 1, 10));
  const auto& colours = GradientCacheSlot(slot);
  ASSERT_EQ(colours.size(), 3u);
  EXPECT_EQ(colours[0], 0);
  // i = 1, D = 2: (1 * 255 + 1) div 2 = 128, (1 + 1) div 2 = 1, (10 + 1) div 2 = 5
  EXPECT_EQ(colours[1], static_cast<tk::TColor>(RGB(128, 1, 5)));
  EXPECT_EQ(colours[2], static_cast<tk::TColor>(RGB(255, 1, 10)));
}

TEST(GradientColours, ARisingGradientIsFoundAgainAFallingOneIsRebuilt) {
  const int rising = GradientColours(12, RGB(1, 2, 3), RGB(90, 80, 70));
  EXPECT_EQ(GradientColours(12, RGB(1, 2, 3), RGB(90, 80, 70)), rising);
  const int falling = GradientColours(12, RGB(90, 80, 70), RGB(1, 2, 3));
  const int again = GradientColours(12, RGB(90, 80, 70), RGB(1, 2, 3));
  EXPECT_NE(again, falling);  // its last entry is not the end colour, so it never matches
  EXPECT_EQ(GradientCacheSlot(again), GradientCacheSlot(falling));
}

TEST(GradientColours, SixteenSlotsAreReusedInTurn) {
  const int first = GradientColours(5, RGB(1, 1, 1), RGB(2, 2, 2));
  for (int i = 0; i < GradientCacheSlots - 1; ++i) GradientColours(6 + i, RGB(0, 0, 0), RGB(i, 0, 0));
  // Sixteen new gradients later the first slot is taken again.
  const int next = GradientColours(40, RGB(3, 3, 3), RGB(4, 4, 4));
  EXPECT_EQ(next, first);
  EXPECT_EQ(GradientCacheSlot(next).size(), 40u);
}

TEST(GradientFill, AHalfClippedFillKeepsEveryBandAtItsPlaceAndDrawsOnlyVisibleOnes) {
  tk::TBitmap bitmap;
  Paint(bitmap, 6, 50, [](int, int) { return RGB(1, 2, 3); });
  HDC dc = bitmap.Canvas().Handle();
  tk::UniqueRegion clip(CreateRectRgn(0, 25, 6, 50));
  SelectClipRgn(dc, clip.Get());
  const tk::TColor top = RGB(0, 0, 0), bottom = RGB(200, 100, 40);
  GradientFill(dc, RECT{0, 5, 6, 45}, top, true, bottom);
  SelectClipRgn(dc, nullptr);
  const auto& whole = GradientCacheSlot(GradientColours(40, top, bottom));
  ASSERT_EQ(whole.size(), 40u);
  EXPECT_EQ(bitmap.PixelAt(0, 5 + 20), static_cast<COLORREF>(whole[20]));
  EXPECT_EQ(bitmap.PixelAt(3, 5 + 39), static_cast<COLORREF>(whole[39]));
  EXPECT_EQ(bitmap.PixelAt(0, 5 + 19), RGB(1, 2, 3));  // clipped band: not drawn
  EXPECT_EQ(bitmap.PixelAt(0, 46), RGB(1, 2, 3));      // below the rectangle
}

TEST(GradientFill, HorizontalFillsColumnsAndResolvesSystemColours) {
  tk::TBitmap bitmap;
  Paint(bitmap, 10, 2, [](int, int) { return RGB(0, 0, 0); });
  GradientFill(bitmap.Canvas().Handle(), RECT{0, 0, 10, 2}, tk::clBtnFace, false, tk::clWhite);
  EXPECT_EQ(bitmap.PixelAt(0, 1), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(bitmap.PixelAt(9, 0), RGB(255, 255, 255));
}

}  // namespace
