// PNG files through the platform's imaging component.
#pragma once

#include <string>

#include "ScreenCapture.h"

namespace gallery {

// Writes the image as a PNG file; false with the platform's reason in `why`.
bool WritePng(const TCapturedImage& image, const std::wstring& path, std::string& why);
// Reads a PNG (or any image the platform decodes) into 24-bit pixels; empty on failure.
TCapturedImage ReadPng(const std::wstring& path);

}  // namespace gallery
