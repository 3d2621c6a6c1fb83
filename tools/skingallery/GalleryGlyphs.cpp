#include "GalleryGlyphs.h"

#include <windows.h>

#include "GdiHandle.h"
#include "Graphics.h"

namespace gallery {
namespace {

constexpr int Size = 16;
constexpr COLORREF Ground = RGB(255, 0, 255);

void Fill(HDC dc, int l, int t, int r, int b, COLORREF colour) {
  tk::UniqueBrush brush(CreateSolidBrush(colour));
  RECT rect{l, t, r, b};
  FillRect(dc, &rect, brush.Get());
}

void Poly(HDC dc, const POINT* points, int count, COLORREF fill, COLORREF edge) {
  tk::UniqueBrush brush(CreateSolidBrush(fill));
  tk::UniquePen pen(CreatePen(PS_SOLID, 1, edge));
  tk::SelectGuard b(dc, brush.Get()), p(dc, pen.Get());
  Polygon(dc, points, count);
}

void Disc(HDC dc, COLORREF fill, COLORREF edge) {
  tk::UniqueBrush brush(CreateSolidBrush(fill));
  tk::UniquePen pen(CreatePen(PS_SOLID, 1, edge));
  tk::SelectGuard b(dc, brush.Get()), p(dc, pen.Get());
  Ellipse(dc, 1, 1, 15, 15);
}

void Lines(HDC dc, const POINT* points, int count, COLORREF colour, int width) {
  tk::UniquePen pen(CreatePen(PS_SOLID, width, colour));
  tk::SelectGuard p(dc, pen.Get());
  Polyline(dc, points, count);
}

void Letter(HDC dc, const wchar_t* text, int weight, bool italic, bool underline) {
  tk::UniqueFont font(CreateFontW(-13, 0, 0, 0, weight, italic, underline, FALSE, DEFAULT_CHARSET, 0, 0,
                                  NONANTIALIASED_QUALITY, 0, L"Tahoma"));
  tk::SelectGuard f(dc, font.Get());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(32, 32, 40));
  RECT r{0, 0, Size, Size};
  DrawTextW(dc, text, -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void Draw(HDC dc, TGlyph glyph) {
  const COLORREF dark = RGB(40, 48, 60);
  switch (glyph) {
    case TGlyph::Open: {
      const POINT back[] = {{1, 3}, {6, 3}, {7, 5}, {13, 5}, {13, 13}, {1, 13}};
      Poly(dc, back, 6, RGB(214, 168, 60), RGB(140, 100, 30));
      const POINT front[] = {{3, 7}, {15, 7}, {13, 13}, {1, 13}};
      Poly(dc, front, 4, RGB(246, 206, 96), RGB(140, 100, 30));
      break;
    }
    case TGlyph::Camera: {
      Fill(dc, 1, 5, 15, 14, dark);
      Fill(dc, 5, 3, 11, 5, dark);
      tk::UniqueBrush lens(CreateSolidBrush(RGB(120, 180, 230)));
      tk::SelectGuard b(dc, lens.Get());
      Ellipse(dc, 5, 6, 12, 13);
      break;
    }
    case TGlyph::Back: {
      const POINT arrow[] = {{2, 8}, {8, 2}, {8, 5}, {14, 5}, {14, 11}, {8, 11}, {8, 14}};
      Poly(dc, arrow, 7, RGB(70, 140, 210), RGB(30, 80, 140));
      break;
    }
    case TGlyph::Forward: {
      const POINT arrow[] = {{14, 8}, {8, 2}, {8, 5}, {2, 5}, {2, 11}, {8, 11}, {8, 14}};
      Poly(dc, arrow, 7, RGB(70, 140, 210), RGB(30, 80, 140));
      break;
    }
    case TGlyph::Info:
      Disc(dc, RGB(60, 120, 200), RGB(30, 70, 140));
      Fill(dc, 7, 4, 9, 6, RGB(255, 255, 255));
      Fill(dc, 7, 7, 9, 12, RGB(255, 255, 255));
      break;
    case TGlyph::Stop: {
      Disc(dc, RGB(210, 60, 50), RGB(130, 30, 20));
      const POINT a[] = {{5, 5}, {11, 11}};
      const POINT b[] = {{11, 5}, {5, 11}};
      Lines(dc, a, 2, RGB(255, 255, 255), 2);
      Lines(dc, b, 2, RGB(255, 255, 255), 2);
      break;
    }
    case TGlyph::Tick: {
      const POINT tick[] = {{2, 8}, {6, 12}, {14, 3}};
      Lines(dc, tick, 3, RGB(40, 150, 60), 3);
      break;
    }
    case TGlyph::Bold: Letter(dc, L"B", FW_BOLD, false, false); break;
    case TGlyph::Italic: Letter(dc, L"I", FW_NORMAL, true, false); break;
    case TGlyph::Underline: Letter(dc, L"U", FW_NORMAL, false, true); break;
    case TGlyph::Left:
    case TGlyph::Centre:
    case TGlyph::Right:
      for (int row = 0; row < 5; ++row) {
        const int width = row % 2 ? 8 : 12;
        const int left = glyph == TGlyph::Left ? 2 : glyph == TGlyph::Right ? 14 - width : (Size - width) / 2;
        Fill(dc, left, 3 + row * 2, left + width, 4 + row * 2, dark);
      }
      break;
  }
}

// The disabled look: every drawn pixel a light grey of its brightness.
COLORREF Greyed(COLORREF c) {
  if (c == Ground) return c;
  const int luma = (GetRValue(c) * 30 + GetGValue(c) * 59 + GetBValue(c) * 11) / 100;
  const int grey = 120 + luma * 100 / 255;
  return RGB(grey, grey, grey);
}

}  // namespace

std::unique_ptr<tk::TBitmap> MakeGlyphStrip(TGlyph glyph) {
  const std::unique_ptr<tk::TBitmap> single = MakeGlyph(glyph);
  auto strip = std::make_unique<tk::TBitmap>(2 * Size, Size, tk::TPixelFormat::pf24bit);
  HDC dc = strip->Canvas().Handle();
  for (int y = 0; y < Size; ++y)
    for (int x = 0; x < Size; ++x) {
      const COLORREF c = single->PixelAt(x, y);
      SetPixel(dc, x, y, c);
      SetPixel(dc, Size + x, y, Greyed(c));
    }
  GdiFlush();
  strip->SetTransparent(true);
  return strip;
}

std::unique_ptr<tk::TBitmap> MakeGlyph(TGlyph glyph) {
  auto bitmap = std::make_unique<tk::TBitmap>(Size, Size, tk::TPixelFormat::pf24bit);
  HDC dc = bitmap->Canvas().Handle();
  Fill(dc, 0, 0, Size, Size, Ground);
  Draw(dc, glyph);
  // The bottom-left pixel names the transparent colour.
  SetPixel(dc, 0, Size - 1, Ground);
  GdiFlush();
  bitmap->SetTransparent(true);
  return bitmap;
}

}  // namespace gallery
