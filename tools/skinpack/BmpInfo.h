// The size and colour depth of a Windows BMP file, read from its headers.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

struct TBmpInfo {
  std::int32_t Width = 0;
  std::int32_t Height = 0;  // rows; positive also for top-down bitmaps
  int BitsPerPixel = 0;
};

// Nothing when the bytes do not start with a BMP file header and a bitmap header.
std::optional<TBmpInfo> ReadBmpInfo(std::span<const std::uint8_t> file);
