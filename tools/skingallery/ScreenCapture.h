// A window as it is on the screen, frame included, read from the screen's DC (the one way that
// shows what the skin painted on every platform the program runs on).
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

namespace gallery {

// Rows top-down, 3 bytes a pixel in blue, green, red order, no padding.
struct TCapturedImage {
  int Width = 0;
  int Height = 0;
  std::vector<uint8_t> Bgr;
  int Stride() const { return Width * 3; }
  COLORREF PixelAt(int x, int y) const;
};

// Empty when the window has no area on the screen or the read fails.
TCapturedImage CaptureWindow(HWND wnd);

}  // namespace gallery
