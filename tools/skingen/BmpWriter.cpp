#include "BmpWriter.h"

#include <stdexcept>

namespace {

void Put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

}  // namespace

std::vector<std::uint8_t> BmpFileBytes(const TBitmap& bitmap) {
  if (bitmap.BitsPerPixel != 24 && bitmap.BitsPerPixel != 32) throw std::invalid_argument("24 or 32 bits only");
  const int bytesPerPixel = bitmap.BitsPerPixel / 8;
  const std::uint32_t stride = (static_cast<std::uint32_t>(bitmap.Width) * bytesPerPixel + 3) & ~3u;
  const std::uint32_t imageSize = stride * static_cast<std::uint32_t>(bitmap.Height);
  constexpr std::uint32_t headers = 14 + 40;

  std::vector<std::uint8_t> out;
  out.reserve(headers + imageSize);
  // BITMAPFILEHEADER
  out.push_back('B');
  out.push_back('M');
  Put32(out, headers + imageSize);
  Put32(out, 0);
  Put32(out, headers);
  // BITMAPINFOHEADER
  Put32(out, 40);
  Put32(out, static_cast<std::uint32_t>(bitmap.Width));
  Put32(out, static_cast<std::uint32_t>(bitmap.Height));
  Put16(out, 1);
  Put16(out, static_cast<std::uint32_t>(bitmap.BitsPerPixel));
  Put32(out, 0);  // BI_RGB
  Put32(out, imageSize);
  Put32(out, 2835);  // 72 dots per inch
  Put32(out, 2835);
  Put32(out, 0);
  Put32(out, 0);

  for (int y = bitmap.Height - 1; y >= 0; --y) {
    const std::size_t rowStart = out.size();
    for (int x = 0; x < bitmap.Width; ++x) {
      const std::uint8_t* p = &bitmap.Rgb[(static_cast<std::size_t>(y) * bitmap.Width + x) * 3];
      out.push_back(p[2]);
      out.push_back(p[1]);
      out.push_back(p[0]);
      if (bytesPerPixel == 4) out.push_back(0xFF);
    }
    while (out.size() - rowStart < stride) out.push_back(0);
  }
  return out;
}
