// Windows BMP files: uncompressed, 24 or 32 bits per pixel, rows bottom-up.
#pragma once

#include <cstdint>
#include <vector>

#include "Raster.h"

std::vector<std::uint8_t> BmpFileBytes(const TBitmap& bitmap);
