#include "ScrollBarPaint.h"

#include <cstdlib>

#include "ElementDrawing.h"
#include "ScrollBarGeometry.h"
#include "WinSkinData.h"
#include "WinSubClass.h"

namespace {

RECT AlongAxis(bool vertical, int from, int to, int thickness) {
  return vertical ? RECT{0, from, thickness, to} : RECT{from, 0, to, thickness};
}

void DrawTrack(HDC dc, TSkinData& skin, const TBarLooks& looks, int thickness) {
  TDataSkinObject* track = looks.Vertical ? skin.VertScroll.get() : skin.HorzScroll.get();
  if (!track || track->Bitmap.Empty()) return;
  const RECT r = AlongAxis(looks.Vertical, looks.ArrowSize, looks.Length - looks.ArrowSize, thickness);
  // Both orientations tile as the horizontal track says.
  const bool tile = skin.HorzScroll ? skin.HorzScroll->Tile == 1 : track->Tile == 1;
  DrawBitmapFrame(dc, r, track->Bitmap, false, tile, track->Trans, 4, looks.Available ? 1 : 3, track->Margins());
}

void DrawArrows(HDC dc, TSkinData& skin, const TBarLooks& looks, int thickness) {
  TDataSkinObject& strip = *skin.Scrollbar;
  const TArrowFrames frames = ArrowFramesFor(looks.Vertical);
  // A bar shorter than two arrows shares its length between them.
  const int arrow = looks.Length < 2 * looks.ArrowSize ? looks.Length / 2 : looks.ArrowSize;
  const int count = strip.FrameCount > 0 ? strip.FrameCount : 23;
  DrawFrameStretched(dc, AlongAxis(looks.Vertical, 0, arrow, thickness), strip.Bitmap, true, count,
                     ArrowFrame(frames.First, looks.HotPart == spFirstArrow, looks.Pressed));
  DrawFrameStretched(dc, AlongAxis(looks.Vertical, looks.Length - arrow, looks.Length, thickness), strip.Bitmap, true, count,
                     ArrowFrame(frames.Second, looks.HotPart == spSecondArrow, looks.Pressed));
}

void DrawThumb(HDC dc, TSkinData& skin, const TBarLooks& looks, int thickness, int limit) {
  const auto inside = [limit](int a) { return a >= 0 && a <= limit; };
  if (!inside(looks.ThumbStart) || !inside(looks.ThumbEnd) || looks.ThumbEnd <= looks.ThumbStart) return;
  const bool thumbHot = looks.HotPart == spThumb;
  TDataSkinObject* thumb = looks.Vertical ? skin.VertScrollThumb.get() : skin.HorzScrollThumb.get();
  if (thumb && !thumb->Bitmap.Empty()) {
    // Frame count and transparency come from the horizontal thumb for both orientations.
    const TDataSkinObject& counts = skin.HorzScrollThumb ? *skin.HorzScrollThumb : *thumb;
    const int frame = thumbHot ? (looks.Pressed ? 2 : 3) : 1;
    DrawBitmapFrame(dc, AlongAxis(looks.Vertical, looks.ThumbStart, looks.ThumbEnd, thickness), thumb->Bitmap, false,
                    thumb->Tile == 1, counts.Trans, counts.FrameCount > 0 ? counts.FrameCount : 3, frame, thumb->Margins());
  }
  TDataSkinObject& strip = *skin.Scrollbar;
  const int grip = strip.Bitmap.Height();
  const int thumbLength = looks.ThumbEnd - looks.ThumbStart;
  if (grip >= thumbLength + 2) return;
  const int from = looks.ThumbStart + (thumbLength - grip) / 2;
  if (!inside(from) || !inside(from + grip)) return;
  const int frame = ArrowFramesFor(looks.Vertical).Grip + (thumbHot ? (looks.Pressed ? 1 : 2) : 0);
  DrawFrameStretched(dc, AlongAxis(looks.Vertical, from, from + grip, thickness), strip.Bitmap, true,
                     strip.FrameCount > 0 ? strip.FrameCount : 23, frame);
}

}  // namespace

bool SkinHasScrollBars(const TSkinData& skin) { return skin.Scrollbar && !skin.Scrollbar->Bitmap.Empty(); }

int BarThickness(const TSkinData& skin, int arrowSize) {
  const int height = skin.Scrollbar ? skin.Scrollbar->Bitmap.Height() : arrowSize;
  return std::abs(height - arrowSize) > 2 ? arrowSize : height;
}

void DrawBarParts(HDC dc, TSkinData& skin, const TBarLooks& looks, int thickness, int limit) {
  if (!SkinHasScrollBars(skin)) return;
  DrawTrack(dc, skin, looks, thickness);
  DrawArrows(dc, skin, looks, thickness);
  if (looks.Available) DrawThumb(dc, skin, looks, thickness, limit);
}

void PrepareBarBitmap(tk::TBitmap& bitmap, const TSkinData& skin, int width, int height) {
  bitmap.SetSize(width, height);
  if (bitmap.Empty()) return;
  HDC dc = bitmap.Canvas().Handle();
  SetStretchBltMode(dc, COLORONCOLOR);
  FillColor(dc, RECT{0, 0, width, height}, skin.Colors[scButtonFace]);
}

void FillBarCorner(HDC dc, HWND wnd, tk::TColor colour) {
  TBarReading horz, vert;
  RECT window{};
  if (!ReadScrollBar(wnd, sbkHorizontal, false, 0, horz) || !ReadScrollBar(wnd, sbkVertical, true, 0, vert) ||
      !GetWindowRect(wnd, &window))
    return;
  RECT corner{vert.Rect.left, horz.Rect.top, vert.Rect.right, horz.Rect.bottom};
  OffsetRect(&corner, -window.left, -window.top);
  FillColor(dc, corner, colour);
}
