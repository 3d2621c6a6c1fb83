// Cutting element frames: every pixel of a synthetic strip tells where it came from (red = column
// in the frame x 20, green = row x 20, blue = frame number x 60), so the tests can read back which
// source pixel landed where.
#include <gtest/gtest.h>

#include "ElementDrawing.h"
#include "SkinPixels.h"

using namespace skin_test;

namespace {

constexpr int FW = 12, FH = 10, Frames = 3;
constexpr TElementMargins Margins{2, 3, 4, 1};  // left, top, right, bottom
constexpr int L = 2, T = 3, R = 4, B = 1;

COLORREF Source(int x, int y, int frame) { return RGB(x * 20, y * 20, frame * 60); }
int SourceX(COLORREF c) { return GetRValue(c) / 20; }
int SourceY(COLORREF c) { return GetGValue(c) / 20; }
int FrameOf(COLORREF c) { return GetBValue(c) / 60; }

class ElementDrawingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Paint(strip, FW * Frames, FH, [](int x, int y) { return Source(x % FW, y, x / FW + 1); });
    Paint(stacked, FW, FH * Frames, [](int x, int y) { return Source(x, y % FH, y / FH + 1); });
  }
  std::unique_ptr<tk::TBitmap> Cut(int w, int h, bool tile, int frame = 2) {
    return DrawElementFrame(RECT{7, 9, 7 + w, 9 + h}, strip, Margins, false, tile, Frames, frame);
  }
  tk::TBitmap strip;
  tk::TBitmap stacked;
};

TEST_F(ElementDrawingTest, CornersKeepTheirSize) {
  const int W = 30, H = 20;
  auto out = Cut(W, H, false);
  ASSERT_EQ(out->Width(), W);
  ASSERT_EQ(out->Height(), H);
  for (int y = 0; y < T; ++y)
    for (int x = 0; x < L; ++x) EXPECT_EQ(out->PixelAt(x, y), Source(x, y, 2));
  for (int y = 0; y < B; ++y)
    for (int x = 0; x < L; ++x) EXPECT_EQ(out->PixelAt(x, H - B + y), Source(x, FH - B + y, 2));
  for (int y = 0; y < T; ++y)
    for (int x = 0; x < R; ++x) EXPECT_EQ(out->PixelAt(W - R + x, y), Source(FW - R + x, y, 2));
  for (int y = 0; y < B; ++y)
    for (int x = 0; x < R; ++x) EXPECT_EQ(out->PixelAt(W - R + x, H - B + y), Source(FW - R + x, FH - B + y, 2));
}

TEST_F(ElementDrawingTest, EdgesStretchAlongTheDestinationOnly) {
  const int W = 30, H = 20;
  auto out = Cut(W, H, false);
  for (int y = T; y < H - B; ++y) {
    for (int x = 0; x < L; ++x) {
      const COLORREF c = out->PixelAt(x, y);
      EXPECT_EQ(SourceX(c), x);  // across the edge: unscaled
      EXPECT_GE(SourceY(c), T);
      EXPECT_LT(SourceY(c), FH - B);
      EXPECT_EQ(FrameOf(c), 2);
    }
    const COLORREF right = out->PixelAt(W - 1, y);
    EXPECT_EQ(SourceX(right), FW - 1);
  }
  EXPECT_EQ(SourceY(out->PixelAt(0, T)), T);
  EXPECT_EQ(SourceY(out->PixelAt(0, H - B - 1)), FH - B - 1);
  for (int x = L; x < W - R; ++x) {
    EXPECT_EQ(SourceY(out->PixelAt(x, 0)), 0);
    EXPECT_GE(SourceX(out->PixelAt(x, 0)), L);
    EXPECT_LT(SourceX(out->PixelAt(x, 0)), FW - R);
    EXPECT_EQ(SourceY(out->PixelAt(x, H - 1)), FH - 1);
  }
}

TEST_F(ElementDrawingTest, TheCentreIsStretchedOverTheWholeMiddle) {
  const int W = 30, H = 20;
  auto out = Cut(W, H, false);
  EXPECT_EQ(out->PixelAt(L, T), Source(L, T, 2));
  EXPECT_EQ(out->PixelAt(W - R - 1, H - B - 1), Source(FW - R - 1, FH - B - 1, 2));
  int previous = -1;
  for (int x = L; x < W - R; ++x) {
    const int sx = SourceX(out->PixelAt(x, T + 5));
    EXPECT_GE(sx, previous);  // source columns advance, each used for a run of columns
    previous = sx;
  }
}

TEST_F(ElementDrawingTest, TiledCentreRepeatsUnscaledAndRightAndBottomPiecesCoverTheOverrun) {
  const int W = 30, H = 20;
  const int CW = FW - L - R, CH = FH - T - B;  // 6 x 6 tiles
  auto out = Cut(W, H, true);
  for (int j = 0; j < CH; ++j)
    for (int i = 0; i < CW; ++i) {
      EXPECT_EQ(out->PixelAt(L + i, T + j), Source(L + i, T + j, 2));
      EXPECT_EQ(out->PixelAt(L + CW + i, T + CH + j), Source(L + i, T + j, 2));
    }
  // The fourth column of tiles would start at W - R and the third row reach into the bottom row:
  // the right edge and the bottom edge are there instead.
  for (int y = T; y < H - B; ++y) EXPECT_EQ(SourceX(out->PixelAt(W - R, y)), FW - R);
  for (int x = L; x < W - R; ++x) EXPECT_EQ(SourceY(out->PixelAt(x, H - 1)), FH - 1);
}

TEST_F(ElementDrawingTest, NarrowDestinationsLoseTheirMargins) {
  auto narrow = Cut(L + R - 1, 20, false);
  // No margins: the centre piece squeezes the whole frame width, left margin columns included.
  EXPECT_LT(SourceX(narrow->PixelAt(0, 10)), L);
  EXPECT_GE(SourceX(narrow->PixelAt(L + R - 2, 10)), FW - R);
  EXPECT_EQ(SourceY(narrow->PixelAt(0, 0)), 0);  // the top margin stays

  auto low = Cut(30, T + B - 1, false);
  EXPECT_EQ(SourceY(low->PixelAt(10, 0)), 0);
  EXPECT_EQ(SourceX(low->PixelAt(0, 0)), 0);   // the left margin stays
  EXPECT_GE(SourceY(low->PixelAt(10, T + B - 2)), FH / 2);  // the whole height, squeezed
}

TEST_F(ElementDrawingTest, FramesSideBySideAndStacked) {
  for (int k = 1; k <= Frames; ++k) {
    auto side = DrawElementFrame(RECT{0, 0, FW, FH}, strip, Margins, false, false, Frames, k);
    auto down = DrawElementFrame(RECT{0, 0, FW, FH}, stacked, Margins, true, true, Frames, k);
    for (int y = 0; y < FH; ++y)
      for (int x = 0; x < FW; ++x) {
        EXPECT_EQ(side->PixelAt(x, y), Source(x, y, k));
        EXPECT_EQ(down->PixelAt(x, y), Source(x, y, k));
      }
  }
}

TEST_F(ElementDrawingTest, OneFrameIsTheWholeBitmap) {
  auto whole = DrawElementFrame(RECT{0, 0, FW * Frames, FH}, strip, TElementMargins{}, false, false, 1, 1);
  EXPECT_EQ(Pixels(*whole), Pixels(strip));
}

TEST_F(ElementDrawingTest, TileRectDrawsTheLastRowAndColumnWhole) {
  tk::TBitmap canvas;
  Paint(canvas, 20, 20, [](int, int) { return RGB(0, 0, 1); });
  TileRect(canvas.Canvas().Handle(), RECT{1, 1, 6, 6}, strip, RECT{12, 0, 16, 4});  // 4 x 4 of frame 2
  EXPECT_EQ(canvas.PixelAt(1, 1), Source(0, 0, 2));
  EXPECT_EQ(canvas.PixelAt(5, 5), Source(0, 0, 2));
  EXPECT_EQ(canvas.PixelAt(8, 8), Source(3, 3, 2));  // the second tile, whole
  EXPECT_EQ(canvas.PixelAt(9, 1), RGB(0, 0, 1));
  EXPECT_EQ(canvas.PixelAt(1, 9), RGB(0, 0, 1));
  TileRect(canvas.Canvas().Handle(), RECT{0, 0, 20, 20}, strip, RECT{16, 0, 12, 4});  // negative width
  EXPECT_EQ(canvas.PixelAt(12, 12), RGB(0, 0, 1));
}

class TransparencyTest : public ::testing::Test {
 protected:
  static constexpr COLORREF Green = RGB(0, 200, 0);
  static constexpr COLORREF Blue = RGB(0, 0, 200);
  void SetUp() override {
    Paint(picture, 8, 4, [](int x, int) { return x < 4 ? Magenta : Blue; });
    Paint(target, 20, 10, [](int, int) { return Green; });
  }
  HDC dc() { return target.Canvas().Handle(); }
  void ExpectKeyedCopyAt(int left, int top) {
    for (int y = 0; y < 10; ++y)
      for (int x = 0; x < 20; ++x) {
        const bool inside = x >= left && x < left + 8 && y >= top && y < top + 4;
        EXPECT_EQ(target.PixelAt(x, y), inside && x >= left + 4 ? Blue : Green) << x << "," << y;
      }
  }
  tk::TBitmap picture;
  tk::TBitmap target;
};

TEST_F(TransparencyTest, MagentaShowsTheBackgroundThrough) {
  DrawTransparent(dc(), RECT{3, 2, 11, 6}, picture, SkinKeyColour);
  ExpectKeyedCopyAt(3, 2);
}

TEST_F(TransparencyTest, TheRasterOperationWayGivesTheSamePicture) {
  element_drawing_detail::DrawTransparentByRasterOps(dc(), RECT{3, 2, 11, 6}, picture, SkinKeyColour);
  ExpectKeyedCopyAt(3, 2);
}

TEST_F(TransparencyTest, BitmapFramesAreTransparentOnlyWhenAsked) {
  DrawBitmapFrame(dc(), RECT{3, 2, 11, 6}, picture, false, false, 1, 1, 1, TElementMargins{});
  ExpectKeyedCopyAt(3, 2);
  DrawBitmapFrame(dc(), RECT{3, 2, 11, 6}, picture, false, false, 0, 1, 1, TElementMargins{});
  EXPECT_EQ(target.PixelAt(3, 2), Magenta);
  EXPECT_EQ(target.PixelAt(10, 5), Blue);
}

TEST_F(TransparencyTest, WholeFramesStretchedAndCentred) {
  // Frame 2 of 2 is all blue, frame 1 all magenta.
  DrawFrameStretched(dc(), RECT{0, 0, 8, 8}, picture, true, 2, 2);
  EXPECT_EQ(target.PixelAt(0, 0), Blue);
  EXPECT_EQ(target.PixelAt(7, 7), Blue);
  EXPECT_EQ(target.PixelAt(8, 0), Green);
  DrawFrameStretched(dc(), RECT{10, 0, 18, 8}, picture, true, 2, 1);
  EXPECT_EQ(target.PixelAt(12, 4), Green);  // all key colour

  Paint(target, 20, 10, [](int, int) { return Green; });
  DrawFrameCentered(dc(), RECT{0, 0, 20, 10}, picture, false, 2, 2);  // 4 x 4 at (8, 3)
  EXPECT_EQ(target.PixelAt(8, 3), Blue);
  EXPECT_EQ(target.PixelAt(11, 6), Blue);
  EXPECT_EQ(target.PixelAt(7, 3), Green);
  EXPECT_EQ(target.PixelAt(12, 3), Green);
  EXPECT_EQ(target.PixelAt(8, 7), Green);
}

TEST_F(TransparencyTest, InvertedRectanglesDrawNothing) {
  const RECT backwards{11, 2, 3, 6}, upsideDown{3, 6, 11, 2};
  const std::vector<COLORREF> before = Pixels(target);
  for (const RECT& r : {backwards, upsideDown}) {
    DrawTransparent(dc(), r, picture, SkinKeyColour);
    DrawBitmapFrame(dc(), r, picture, false, false, 0, 1, 1, TElementMargins{});
    DrawFrameStretched(dc(), r, picture, false, 2, 2);
    DrawFrameCentered(dc(), r, picture, false, 2, 2);
    element_drawing_detail::DrawTransparentByRasterOps(dc(), r, picture, SkinKeyColour);
  }
  EXPECT_EQ(Pixels(target), before);
  auto nothing = DrawElementFrame(backwards, picture, TElementMargins{}, false, false, 1, 1);
  EXPECT_TRUE(nothing->Empty());
}

}  // namespace
