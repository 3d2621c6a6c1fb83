// Small synthetic pictures for the pixel tests, and skins packed from them.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "Graphics.h"
#include "SkinArchiveWriter.h"

namespace skin_test {

inline COLORREF Rgb(int r, int g, int b) { return RGB(r, g, b); }
constexpr COLORREF Magenta = RGB(255, 0, 255);

// A 24-bit bitmap whose pixel (x, y) is colour(x, y).
inline void Paint(tk::TBitmap& bitmap, int width, int height, const std::function<COLORREF(int, int)>& colour) {
  bitmap.SetPixelFormat(tk::TPixelFormat::pf24bit);
  bitmap.SetSize(width, height);
  for (int y = 0; y < height; ++y) {
    uint8_t* row = bitmap.ScanLine(y);
    for (int x = 0; x < width; ++x) {
      const COLORREF c = colour(x, y);
      row[x * 3] = GetBValue(c);
      row[x * 3 + 1] = GetGValue(c);
      row[x * 3 + 2] = GetRValue(c);
    }
  }
}

inline std::vector<uint8_t> BmpBytes(int width, int height, const std::function<COLORREF(int, int)>& colour) {
  tk::TBitmap bitmap;
  Paint(bitmap, width, height, colour);
  return bitmap.SaveToBmp();
}

inline std::vector<uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

// A packed skin of the description (member "skin.ini", last) and the given bitmaps.
inline std::vector<uint8_t> PackedSkin(const std::string& description, std::vector<TSkinMember> bitmaps) {
  bitmaps.push_back({"skin.ini", Bytes(description)});
  return PackSkin(bitmaps);
}

// Every pixel of a bitmap, as COLORREF, row by row.
inline std::vector<COLORREF> Pixels(const tk::TBitmap& bitmap) {
  std::vector<COLORREF> pixels;
  for (int y = 0; y < bitmap.Height(); ++y)
    for (int x = 0; x < bitmap.Width(); ++x) pixels.push_back(bitmap.PixelAt(x, y));
  return pixels;
}

}  // namespace skin_test
