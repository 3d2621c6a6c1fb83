#include "ScreenPixels.h"

#include <commctrl.h>

#include <algorithm>

namespace skin_test {

COLORREF ScreenPixel(int x, int y) {
  HDC screen = GetDC(nullptr);
  const COLORREF c = GetPixel(screen, x, y);
  ReleaseDC(nullptr, screen);
  return c;
}

COLORREF WindowPixel(HWND wnd, int x, int y) {
  RECT r{};
  GetWindowRect(wnd, &r);
  return ScreenPixel(r.left + x, r.top + y);
}

bool InWindowRegion(HWND wnd, int x, int y) {
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  const int kind = GetWindowRgn(wnd, region);
  const bool inside = kind == ERROR || PtInRegion(region, x, y);
  DeleteObject(region);
  return inside;
}

MessageRecorder::MessageRecorder(HWND wnd) : wnd_(wnd) {
  SetWindowSubclass(wnd, &MessageRecorder::Proc, reinterpret_cast<UINT_PTR>(this), reinterpret_cast<DWORD_PTR>(this));
}

MessageRecorder::~MessageRecorder() {
  if (IsWindow(wnd_)) RemoveWindowSubclass(wnd_, &MessageRecorder::Proc, reinterpret_cast<UINT_PTR>(this));
}

int MessageRecorder::Count(UINT msg) const {
  return static_cast<int>(std::count_if(entries_.begin(), entries_.end(), [msg](const Entry& e) { return e.msg == msg; }));
}

LRESULT CALLBACK MessageRecorder::Proc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR data) {
  auto* self = reinterpret_cast<MessageRecorder*>(data);
  self->entries_.push_back(Entry{msg, wParam, lParam});
  if (msg == WM_NCDESTROY) RemoveWindowSubclass(wnd, &MessageRecorder::Proc, id);
  return DefSubclassProc(wnd, msg, wParam, lParam);
}

}  // namespace skin_test
