// Drawing one frame of a skin element's strip into a rectangle: corners at their own size, edges
// stretched along the rectangle, the centre stretched or tiled, magenta transparent where asked.
// Frames lie side by side in the strip (frame k of N starts at (k - 1) * width div N), or stacked
// top to bottom when the caller says vertical. Frame indexes count from 1. Every routine draws
// nothing into an inverted rectangle.
#pragma once

#include <windows.h>

#include <memory>

#include "Graphics.h"

// The parts of a frame that keep their size: columns at the left and right, rows at top and bottom.
struct TElementMargins {
  int LeftWidth = 0;
  int TopHeight = 0;
  int RightWidth = 0;
  int BottomHeight = 0;
};

constexpr tk::TColor SkinKeyColour = 0xFF00FF;  // magenta: transparent in every skin image

// Frame frameIndex of frameCount cut to the size of destRect (its position is ignored), as a new
// 24-bit bitmap. A destination narrower than the left and right margins together loses both (the
// centre then spans it); likewise for height. A frame count below 1 counts as 1.
std::unique_ptr<tk::TBitmap> DrawElementFrame(const RECT& destRect, tk::TBitmap& bitmap, const TElementMargins& margins,
                                              bool vertical, bool tile, int frameCount, int frameIndex);

// Repeats the piece sourceRect of bitmap over destRect, unscaled, from its top-left corner; the last
// row and column of tiles are drawn whole (clip the DC to keep them inside).
void TileRect(HDC dc, const RECT& destRect, tk::TBitmap& bitmap, const RECT& sourceRect);

// DrawElementFrame into the DC at rect, magenta transparent when trans is 1.
void DrawBitmapFrame(HDC dc, const RECT& rect, tk::TBitmap& bitmap, bool vertical, bool tile, int trans, int frameCount,
                     int frameIndex, const TElementMargins& margins);

// Copies the bitmap's top-left rect-sized part to rect, leaving the DC's pixels where the bitmap
// has keyColour.
void DrawTransparent(HDC dc, const RECT& rect, tk::TBitmap& bitmap, tk::TColor keyColour);

// One whole side-by-side frame: stretched to rect, or unscaled and centred in it.
void DrawFrameStretched(HDC dc, const RECT& rect, tk::TBitmap& bitmap, bool transparent, int frameCount, int frameIndex);
void DrawFrameCentered(HDC dc, const RECT& rect, tk::TBitmap& bitmap, bool transparent, int frameCount, int frameIndex);

namespace element_drawing_detail {
// The mask-free way of DrawTransparent (three raster operations), for devices MaskBlt refuses.
void DrawTransparentByRasterOps(HDC dc, const RECT& rect, tk::TBitmap& bitmap, tk::TColor keyColour);
}  // namespace element_drawing_detail
