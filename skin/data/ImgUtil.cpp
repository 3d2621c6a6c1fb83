#include "ImgUtil.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <memory>

using tk::TBitmap;
using tk::TColor;
using tk::TPixelFormat;

namespace {

constexpr int BytesPerPixel = 3;

void MakeTrueColour(TBitmap& bitmap) {
  if (bitmap.PixelFormat() != TPixelFormat::pf24bit) bitmap.SetPixelFormat(TPixelFormat::pf24bit);
}

int Red(TColor c) { return c & 0xFF; }
int Green(TColor c) { return (c >> 8) & 0xFF; }
int Blue(TColor c) { return (c >> 16) & 0xFF; }
TColor MakeColour(int red, int green, int blue) { return (red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16); }

// A 32-bit copy of any bitmap, read once, for the turns.
std::unique_ptr<TBitmap> TrueColourCopy(const TBitmap& bitmap) {
  auto copy = std::make_unique<TBitmap>();
  copy->Assign(bitmap);
  copy->SetPixelFormat(TPixelFormat::pf32bit);
  return copy;
}

template <class Place>
void Rotate(TBitmap& bitmap, Place place) {
  if (bitmap.Empty()) return;
  const int w = bitmap.Width(), h = bitmap.Height();
  auto source = TrueColourCopy(bitmap);
  bitmap.SetPixelFormat(TPixelFormat::pf24bit);
  bitmap.SetSize(h, w);
  for (int y = 0; y < h; ++y) {
    const uint8_t* from = source->ScanLine(y);
    for (int c = 0; c < w; ++c) {
      const POINT to = place(c, y, w, h);
      std::memcpy(bitmap.ScanLine(to.y) + to.x * BytesPerPixel, from + c * 4, BytesPerPixel);
    }
  }
}

int RoundHalfEven(double x) {
  const double down = std::floor(x);
  const double rest = x - down;
  const bool up = rest > 0.5 || (rest == 0.5 && std::fmod(down, 2.0) != 0.0);
  return static_cast<int>(up ? down + 1 : down);
}

struct TGradientCache {
  std::array<std::vector<TColor>, GradientCacheSlots> Slots;
  int Next = 0;
};

TGradientCache& GradientCache() {
  static TGradientCache cache;
  return cache;
}

}  // namespace

void ReplaceKeyColour(TBitmap& bitmap, TColor colour) {
  MakeTrueColour(bitmap);
  const uint8_t r = static_cast<uint8_t>(Red(colour)), g = static_cast<uint8_t>(Green(colour)),
                b = static_cast<uint8_t>(Blue(colour));
  for (int y = 0; y < bitmap.Height(); ++y) {
    uint8_t* p = bitmap.ScanLine(y);
    for (int x = 0; x < bitmap.Width(); ++x, p += BytesPerPixel) {
      if (p[2] == 255 && p[1] == 0 && p[0] == 255) {
        p[0] = b;
        p[1] = g;
        p[2] = r;
      }
    }
  }
}

void MirrorBitmap(TBitmap& bitmap) {
  MakeTrueColour(bitmap);
  const int w = bitmap.Width();
  for (int y = 0; y < bitmap.Height(); ++y) {
    uint8_t* row = bitmap.ScanLine(y);
    for (int x = 0; x < w / 2; ++x)
      std::swap_ranges(row + x * BytesPerPixel, row + (x + 1) * BytesPerPixel, row + (w - 1 - x) * BytesPerPixel);
  }
}

void FlipBitmap(TBitmap& bitmap) {
  MakeTrueColour(bitmap);
  const int h = bitmap.Height();
  const size_t bytes = static_cast<size_t>(bitmap.Width()) * BytesPerPixel;
  for (int y = 0; y < h / 2; ++y) std::swap_ranges(bitmap.ScanLine(y), bitmap.ScanLine(y) + bytes, bitmap.ScanLine(h - 1 - y));
}

void RotateBitmapLeft(TBitmap& bitmap) {
  // The old top row, left to right, becomes the new left column, bottom to top.
  Rotate(bitmap, [](int c, int y, int w, int h) { return POINT{y, w - 1 - c}; });
}

void RotateBitmapRight(TBitmap& bitmap) {
  // The old top row, left to right, becomes the new right column, top to bottom.
  Rotate(bitmap, [](int c, int y, int w, int h) { return POINT{h - 1 - y, c}; });
}

TColor BlendColours(TColor colour1, TColor colour2, int amount) {
  if (colour1 < 0) colour1 = static_cast<TColor>(GetSysColor(colour1 & 0xFF));
  if (colour2 < 0) colour2 = static_cast<TColor>(GetSysColor(colour2 & 0xFF));
  const int scale = amount < 100 ? 100 : 1000;
  auto mix = [&](int a, int b) { return (a * amount + b * (scale - amount) + scale / 2) / scale; };
  return MakeColour(mix(Red(colour1), Red(colour2)), mix(Green(colour1), Green(colour2)), mix(Blue(colour1), Blue(colour2)));
}

int ColourSaturation(TColor colour) {
  const int r = Red(colour), g = Green(colour), b = Blue(colour);
  const int mn = std::min({r, g, b}), mx = std::max({r, g, b});
  const double s = mx == 0 ? 0.0 : static_cast<double>(mx - mn) / mx;
  const int v = RoundHalfEven(s * 255);
  return (r >= 160 || g >= 160 || b >= 160) ? v : 200;
}

int GradientColours(int count, TColor start, TColor end) {
  TGradientCache& cache = GradientCache();
  for (int slot = GradientCacheSlots - 1; slot >= 0; --slot) {
    const std::vector<TColor>& colours = cache.Slots[static_cast<size_t>(slot)];
    if (count > 0 && static_cast<int>(colours.size()) == count && colours.front() == start && colours.back() == end)
      return slot;
  }
  const int slot = cache.Next;
  cache.Next = (cache.Next + 1) % GradientCacheSlots;
  std::vector<TColor>& colours = cache.Slots[static_cast<size_t>(slot)];
  colours.assign(static_cast<size_t>(std::max(count, 0)), 0);
  auto channel = [count](int s, int e, int i) {
    const int d = e - s;
    if (count == 1) return s + d / 2;
    const int last = count - 1;
    return s + (i * d + last / 2) / last;
  };
  for (int i = 0; i < count; ++i)
    colours[static_cast<size_t>(i)] = MakeColour(channel(Red(start), Red(end), i), channel(Green(start), Green(end), i),
                                                 channel(Blue(start), Blue(end), i));
  return slot;
}

const std::vector<TColor>& GradientCacheSlot(int slot) {
  return GradientCache().Slots.at(static_cast<size_t>(slot));
}

void GradientFill(HDC dc, const RECT& rect, TColor start, bool vertical, TColor end) {
  if (!RectVisible(dc, &rect)) return;
  start = static_cast<TColor>(tk::ColorToRGB(start));
  end = static_cast<TColor>(tk::ColorToRGB(end));
  RECT clip{};
  GetClipBox(dc, &clip);
  const int origin = vertical ? rect.top : rect.left;
  const int n = vertical ? rect.bottom - rect.top : rect.right - rect.left;
  if (n <= 0) return;
  const int clipStart = vertical ? clip.top : clip.left;
  const int clipEnd = vertical ? clip.bottom : clip.right;
  const int rectEnd = vertical ? rect.bottom : rect.right;
  const int first = origin < clipStart ? clipStart - origin : 0;
  const int last = clipEnd < rectEnd ? clipEnd - origin - 1 : n - 1;
  const int slot = GradientColours(n, start, end);
  const std::vector<TColor>& colours = GradientCacheSlot(slot);
  for (int i = first; i <= last; ++i) {
    const RECT band = vertical ? RECT{rect.left, origin + i, rect.right, origin + i + 1}
                               : RECT{origin + i, rect.top, origin + i + 1, rect.bottom};
    tk::UniqueBrush brush(CreateSolidBrush(static_cast<COLORREF>(colours[static_cast<size_t>(i)])));
    FillRect(dc, &band, brush.Get());
  }
}
