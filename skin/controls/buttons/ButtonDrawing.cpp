#include "ButtonDrawing.h"

#include <algorithm>

#include "SkinElements.h"

int PushButtonFrame(bool enabled, bool pressed, bool hot, bool focusedOrDefault) {
  if (!enabled) return bfDisabled;
  if (pressed) return bfPressed;
  if (hot) return bfHot;
  if (focusedOrDefault) return bfFocused;
  return bfNormal;
}

std::wstring PrepareButtonCaption(std::wstring text) {
  if (text.size() > MaxButtonCaption) text.resize(MaxButtonCaption);
  if (const size_t at = text.find(L"||"); at != std::wstring::npos) text.replace(at, 2, L"\r\n");
  return text;
}

COLORREF ButtonTextColour(const TDataSkinButton& element, int frame, COLORREF base, bool normalOnlyWhenNormal) {
  if (frame == bfDisabled) return GetSysColor(COLOR_BTNSHADOW);
  COLORREF colour = base;
  if (element.HasNormalColour2 && (!normalOnlyWhenNormal || frame == bfNormal)) colour = tk::ColorToRGB(element.NormalColour2);
  if (frame == bfHot && element.HasMouseOverColour2) colour = tk::ColorToRGB(element.MouseOverColour2);
  if (frame == bfPressed && element.HasPressedColour2) colour = tk::ColorToRGB(element.PressedColour2);
  return colour;
}

void DrawButtonCaption(HDC dc, const RECT& rect, UINT alignment, const std::wstring& text, bool focusRect, UINT extraFormat) {
  RECT t = rect;
  InflateRect(&t, -2, -2);
  SetBkMode(dc, TRANSPARENT);
  const int length = static_cast<int>(std::min(text.size(), MaxButtonCaption));
  DrawTextW(dc, text.c_str(), length, &t, alignment | DT_WORDBREAK | DT_EXPANDTABS | DT_CALCRECT | DT_NOCLIP);
  OffsetRect(&t, -t.left, -t.top);
  const int rw = rect.right - rect.left, rh = rect.bottom - rect.top;
  const int tw = t.right - t.left, th = t.bottom - t.top;
  OffsetRect(&t, 0, rect.top + (rh - th) / 2 - 1);
  if (alignment & DT_CENTER) {
    OffsetRect(&t, rect.left + (rw - tw) / 2, 0);
  } else {
    t.left = rect.left;
    t.right = rect.right;
  }
  DrawTextW(dc, text.c_str(), length, &t, alignment | DT_WORDBREAK | DT_EXPANDTABS | extraFormat);
  SetBkMode(dc, OPAQUE);
  if (focusRect) {
    InflateRect(&t, 2, 2);
    DrawFocusRect(dc, &t);
  }
}

namespace {

COLORREF BottomLeftColour(const tk::TBitmap& picture) { return picture.PixelAt(0, picture.Height() - 1); }

}  // namespace

void DrawGlyphFrame(HDC dc, POINT position, int numGlyphs, int index, const tk::TBitmap& glyph) {
  if (glyph.Empty()) return;
  numGlyphs = std::max(numGlyphs, 1);
  const int fw = glyph.Width() / numGlyphs, fh = glyph.Height();
  if (fw <= 0) return;
  std::unique_ptr<tk::TBitmap> picture;
  if (index == 2 && numGlyphs == 1) {
    picture = CreateDisabledGlyph(glyph);
  } else {
    const int frame = (index < 1 || index > numGlyphs) ? 1 : index;
    picture = std::make_unique<tk::TBitmap>(fw, fh, tk::TPixelFormat::pf24bit);
    BitBlt(picture->Canvas().Handle(), 0, 0, fw, fh, const_cast<tk::TBitmap&>(glyph).Canvas().Handle(), (frame - 1) * fw, 0,
           SRCCOPY);
  }
  TransparentBlt(dc, position.x, position.y, picture->Width(), picture->Height(), picture->Canvas().Handle(), 0, 0,
                 picture->Width(), picture->Height(), BottomLeftColour(*picture));
}

std::unique_ptr<tk::TBitmap> CreateDisabledGlyph(const tk::TBitmap& glyph) {
  const int w = glyph.Width(), h = glyph.Height();
  auto result = std::make_unique<tk::TBitmap>(w, h, tk::TPixelFormat::pf24bit);
  if (result->Empty()) return result;
  HDC out = result->Canvas().Handle();
  RECT all{0, 0, w, h};
  FillRect(out, &all, GetSysColorBrush(COLOR_BTNFACE));

  // The stencil, black and white: white on the glyph's shape, black where it shows its transparent
  // colour. Made from the pixels: platforms differ in how they turn colour into one bit.
  tk::TBitmap stencil(w, h, tk::TPixelFormat::pf1bit);
  stencil.SetColorTable({RGBQUAD{0, 0, 0, 0}, RGBQUAD{255, 255, 255, 0}});
  const COLORREF key = BottomLeftColour(glyph);
  for (int y = 0; y < h; ++y) {
    uint8_t* row = stencil.ScanLine(y);
    std::fill(row, row + stencil.RowBytes(), uint8_t{0});
    for (int x = 0; x < w; ++x)
      if (glyph.PixelAt(x, y) != key) row[x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
  }
  HDC stencilDc = stencil.Canvas().Handle();
  GdiFlush();

  // 0x00E20746: the brush where the stencil is white, the picture left alone where it is black.
  SetTextColor(out, RGB(0, 0, 0));
  SetBkColor(out, RGB(255, 255, 255));
  {
    tk::UniqueBrush highlight(CreateSolidBrush(GetSysColor(COLOR_BTNHIGHLIGHT)));
    tk::SelectGuard keep(out, highlight.Get());
    BitBlt(out, 1, 1, w, h, stencilDc, 0, 0, 0x00E20746);
  }
  {
    tk::UniqueBrush shadow(CreateSolidBrush(GetSysColor(COLOR_BTNSHADOW)));
    tk::SelectGuard keep(out, shadow.Get());
    BitBlt(out, 0, 0, w, h, stencilDc, 0, 0, 0x00E20746);
  }
  return result;
}
