#include "ElementDrawing.h"

#include <algorithm>

using tk::TBitmap;

namespace {

bool Inverted(const RECT& r) { return r.right < r.left || r.bottom < r.top; }

// A bitmap is drawn from through its canvas: a bitmap can be selected into one DC only.
HDC SourceDC(TBitmap& bitmap) { return bitmap.Canvas().Handle(); }

// Frame frameIndex of a strip: its origin and size.
struct TFrame {
  int X, Y, Width, Height;
};

TFrame FrameOf(const TBitmap& bitmap, bool vertical, int frameCount, int frameIndex) {
  frameCount = std::max(frameCount, 1);
  if (vertical) {
    const int h = bitmap.Height() / frameCount;
    return {0, h * (frameIndex - 1), bitmap.Width(), h};
  }
  const int w = bitmap.Width() / frameCount;
  return {w * (frameIndex - 1), 0, w, bitmap.Height()};
}

// A copy of one frame at its own size (or stretched to width x height).
std::unique_ptr<TBitmap> FramePicture(TBitmap& bitmap, const TFrame& frame, int width, int height) {
  auto picture = std::make_unique<TBitmap>(width, height, tk::TPixelFormat::pf24bit);
  if (picture->Empty()) return picture;
  HDC dc = picture->Canvas().Handle();
  SetStretchBltMode(dc, COLORONCOLOR);
  StretchBlt(dc, 0, 0, width, height, SourceDC(bitmap), frame.X, frame.Y, frame.Width, frame.Height, SRCCOPY);
  return picture;
}

void CopyOpaque(HDC dc, const RECT& rect, TBitmap& picture) {
  BitBlt(dc, rect.left, rect.top, picture.Width(), picture.Height(), SourceDC(picture), 0, 0, SRCCOPY);
}

// White where the bitmap has the key colour, black elsewhere.
tk::UniqueBitmapHandle MakeMask(TBitmap& bitmap, int width, int height, tk::TColor keyColour) {
  tk::UniqueBitmapHandle mask(CreateBitmap(width, height, 1, 1, nullptr));
  tk::UniqueDC maskDC(CreateCompatibleDC(nullptr));
  tk::SelectGuard select(maskDC.Get(), mask.Get());
  HDC source = SourceDC(bitmap);
  const COLORREF oldBack = SetBkColor(source, tk::ColorToRGB(keyColour));
  BitBlt(maskDC.Get(), 0, 0, width, height, source, 0, 0, SRCCOPY);
  SetBkColor(source, oldBack);
  return mask;
}

}  // namespace

std::unique_ptr<TBitmap> DrawElementFrame(const RECT& destRect, TBitmap& bitmap, const TElementMargins& margins,
                                          bool vertical, bool tile, int frameCount, int frameIndex) {
  const int W = std::max<int>(destRect.right - destRect.left, 0);
  const int H = std::max<int>(destRect.bottom - destRect.top, 0);
  auto result = std::make_unique<TBitmap>(W, H, tk::TPixelFormat::pf24bit);
  if (result->Empty() || bitmap.Empty()) return result;

  const TFrame f = FrameOf(bitmap, vertical, frameCount, frameIndex);
  const int fw = f.Width, fh = f.Height;
  int L = margins.LeftWidth, T = margins.TopHeight, R = margins.RightWidth, B = margins.BottomHeight;
  if (W < L + R) L = R = 0;
  if (H < T + B) T = B = 0;

  HDC dst = result->Canvas().Handle();
  HDC src = SourceDC(bitmap);
  SetStretchBltMode(dst, COLORONCOLOR);
  // Destination and source rectangles as left, top, right, bottom; the source relative to the frame.
  auto piece = [&](int dl, int dt, int dr, int db, int sl, int st, int sr, int sb) {
    StretchBlt(dst, dl, dt, dr - dl, db - dt, src, f.X + sl, f.Y + st, sr - sl, sb - st, SRCCOPY);
  };

  if (L * T > 0) piece(0, 0, L, T, 0, 0, L, T);
  if (L * B > 0) piece(0, H - B, L, H, 0, fh - B, L, fh);
  if (R * T > 0) piece(W - R, 0, W, T, fw - R, 0, fw, T);
  if (L > 0) piece(0, T, L, H - B, 0, T, L, fh - B);
  if (T > 0) piece(L, 0, W - R, T, L, 0, fw - R, T);
  if (tile) {
    TileRect(dst, RECT{L, T, W - R, H - B}, bitmap, RECT{f.X + L, f.Y + T, f.X + fw - R, f.Y + fh - B});
  } else {
    piece(L, T, W - R, H - B, L, T, fw - R, fh - B);
  }
  // The right and bottom pieces come last: they cover tiles that ran past the centre.
  if (R * B > 0) piece(W - R, H - B, W, H, fw - R, fh - B, fw, fh);
  if (R > 0) piece(W - R, T, W, H - B, fw - R, T, fw, fh - B);
  if (B > 0) piece(L, H - B, W - R, H, L, fh - B, fw - R, fh);
  return result;
}

void TileRect(HDC dc, const RECT& destRect, TBitmap& bitmap, const RECT& sourceRect) {
  const int w = sourceRect.right - sourceRect.left, h = sourceRect.bottom - sourceRect.top;
  if (w < 0 || h < 0 || w * h == 0 || bitmap.Empty()) return;
  TBitmap tileBitmap(w, h, tk::TPixelFormat::pf24bit);
  HDC tileDC = tileBitmap.Canvas().Handle();
  BitBlt(tileDC, 0, 0, w, h, SourceDC(bitmap), sourceRect.left, sourceRect.top, SRCCOPY);
  for (int y = destRect.top; y < destRect.bottom; y += h)
    for (int x = destRect.left; x < destRect.right; x += w) BitBlt(dc, x, y, w, h, tileDC, 0, 0, SRCCOPY);
}

void DrawBitmapFrame(HDC dc, const RECT& rect, TBitmap& bitmap, bool vertical, bool tile, int trans, int frameCount,
                     int frameIndex, const TElementMargins& margins) {
  if (Inverted(rect)) return;
  auto picture = DrawElementFrame(rect, bitmap, margins, vertical, tile, frameCount, frameIndex);
  if (picture->Empty()) return;
  if (trans == 1) DrawTransparent(dc, rect, *picture, SkinKeyColour);
  else CopyOpaque(dc, rect, *picture);
}

void DrawTransparent(HDC dc, const RECT& rect, TBitmap& bitmap, tk::TColor keyColour) {
  if (Inverted(rect) || bitmap.Empty()) return;
  const int w = std::min<int>(rect.right - rect.left, bitmap.Width());
  const int h = std::min<int>(rect.bottom - rect.top, bitmap.Height());
  if (w <= 0 || h <= 0) return;
  tk::UniqueBitmapHandle mask = MakeMask(bitmap, w, h, keyColour);
  // Where the mask is white (key colour) the destination stays; elsewhere the bitmap is copied.
  constexpr DWORD KeepDestination = 0x00AA0029;
  if (!MaskBlt(dc, rect.left, rect.top, w, h, SourceDC(bitmap), 0, 0, mask.Get(), 0, 0, MAKEROP4(KeepDestination, SRCCOPY)))
    element_drawing_detail::DrawTransparentByRasterOps(dc, rect, bitmap, keyColour);
}

namespace element_drawing_detail {

void DrawTransparentByRasterOps(HDC dc, const RECT& rect, TBitmap& bitmap, tk::TColor keyColour) {
  if (Inverted(rect) || bitmap.Empty()) return;
  const int w = std::min<int>(rect.right - rect.left, bitmap.Width());
  const int h = std::min<int>(rect.bottom - rect.top, bitmap.Height());
  if (w <= 0 || h <= 0) return;
  tk::UniqueBitmapHandle mask = MakeMask(bitmap, w, h, keyColour);
  tk::UniqueDC maskDC(CreateCompatibleDC(nullptr));
  tk::SelectGuard select(maskDC.Get(), mask.Get());
  // Monochrome to colour: 1 (key colour) becomes white, 0 black, so the AND keeps the destination
  // under the key colour and clears it elsewhere; the XORs around it bring the bitmap in there.
  const COLORREF oldBack = SetBkColor(dc, RGB(255, 255, 255));
  const COLORREF oldText = SetTextColor(dc, RGB(0, 0, 0));
  HDC source = SourceDC(bitmap);
  BitBlt(dc, rect.left, rect.top, w, h, source, 0, 0, SRCINVERT);
  BitBlt(dc, rect.left, rect.top, w, h, maskDC.Get(), 0, 0, SRCAND);
  BitBlt(dc, rect.left, rect.top, w, h, source, 0, 0, SRCINVERT);
  SetBkColor(dc, oldBack);
  SetTextColor(dc, oldText);
}

}  // namespace element_drawing_detail

void DrawFrameStretched(HDC dc, const RECT& rect, TBitmap& bitmap, bool transparent, int frameCount, int frameIndex) {
  if (Inverted(rect) || bitmap.Empty()) return;
  const TFrame frame = FrameOf(bitmap, false, frameCount, frameIndex);
  auto picture = FramePicture(bitmap, frame, rect.right - rect.left, rect.bottom - rect.top);
  if (picture->Empty()) return;
  if (transparent) DrawTransparent(dc, rect, *picture, SkinKeyColour);
  else CopyOpaque(dc, rect, *picture);
}

void DrawFrameCentered(HDC dc, const RECT& rect, TBitmap& bitmap, bool transparent, int frameCount, int frameIndex) {
  if (Inverted(rect) || bitmap.Empty()) return;
  const TFrame frame = FrameOf(bitmap, false, frameCount, frameIndex);
  const int left = rect.left + (rect.right - rect.left - frame.Width) / 2;
  const int top = rect.top + (rect.bottom - rect.top - frame.Height) / 2;
  const RECT placed{left, top, left + frame.Width, top + frame.Height};
  auto picture = FramePicture(bitmap, frame, frame.Width, frame.Height);
  if (picture->Empty()) return;
  if (transparent) DrawTransparent(dc, placed, *picture, SkinKeyColour);
  else CopyOpaque(dc, placed, *picture);
}
