#include "ScreenCapture.h"

#include "GdiHandle.h"

namespace gallery {

COLORREF TCapturedImage::PixelAt(int x, int y) const {
  if (x < 0 || y < 0 || x >= Width || y >= Height) return CLR_INVALID;
  const uint8_t* p = &Bgr[static_cast<size_t>(y) * Stride() + static_cast<size_t>(x) * 3];
  return RGB(p[2], p[1], p[0]);
}

TCapturedImage CaptureWindow(HWND wnd) {
  TCapturedImage image;
  RECT r{};
  if (!GetWindowRect(wnd, &r) || r.right <= r.left || r.bottom <= r.top) return image;
  const int width = r.right - r.left, height = r.bottom - r.top;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  tk::WindowDC screen(nullptr);
  tk::UniqueBitmapHandle bitmap(CreateDIBSection(screen.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  tk::UniqueDC memory(CreateCompatibleDC(screen.Get()));
  if (!bitmap || !memory || !bits) return image;
  {
    tk::SelectGuard select(memory.Get(), bitmap.Get());
    if (!BitBlt(memory.Get(), 0, 0, width, height, screen.Get(), r.left, r.top, SRCCOPY)) return image;
    GdiFlush();
  }
  image.Width = width;
  image.Height = height;
  image.Bgr.resize(static_cast<size_t>(width) * height * 3);
  const auto* source = static_cast<const uint8_t*>(bits);
  for (size_t i = 0, n = static_cast<size_t>(width) * height; i < n; ++i) {
    image.Bgr[i * 3] = source[i * 4];
    image.Bgr[i * 3 + 1] = source[i * 4 + 1];
    image.Bgr[i * 3 + 2] = source[i * 4 + 2];
  }
  return image;
}

}  // namespace gallery
