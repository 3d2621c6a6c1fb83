#include "BmpInfo.h"

#include <cstdlib>

namespace {

std::uint32_t U16(std::span<const std::uint8_t> b, std::size_t at) {
  return static_cast<std::uint32_t>(b[at]) | static_cast<std::uint32_t>(b[at + 1]) << 8;
}

std::uint32_t U32(std::span<const std::uint8_t> b, std::size_t at) { return U16(b, at) | U16(b, at + 2) << 16; }

}  // namespace

std::optional<TBmpInfo> ReadBmpInfo(std::span<const std::uint8_t> file) {
  constexpr std::size_t fileHeader = 14;
  if (file.size() < fileHeader + 12 || file[0] != 'B' || file[1] != 'M') return std::nullopt;
  const std::uint32_t headerSize = U32(file, 14);
  TBmpInfo info;
  if (headerSize == 12) {  // the old core header: 16-bit sizes
    info.Width = static_cast<std::int32_t>(U16(file, 18));
    info.Height = static_cast<std::int32_t>(U16(file, 20));
    info.BitsPerPixel = static_cast<int>(U16(file, 24));
  } else if (headerSize >= 40 && file.size() >= fileHeader + 40) {
    info.Width = static_cast<std::int32_t>(U32(file, 18));
    const auto height = static_cast<std::int32_t>(U32(file, 22));
    info.Height = height == INT32_MIN ? INT32_MAX : std::abs(height);
    info.BitsPerPixel = static_cast<int>(U16(file, 28));
  } else {
    return std::nullopt;
  }
  if (info.Width <= 0 || info.BitsPerPixel == 0) return std::nullopt;
  return info;
}
