// Reading back what is on the screen, and recording a window's messages, for skin runtime tests.
#pragma once

#include <windows.h>

#include <vector>

namespace skin_test {

// The pixel at a screen point, as shown (other windows, non-client areas and regions included).
COLORREF ScreenPixel(int x, int y);
// The pixel at a point in a window's frame coordinates (origin: the window's top-left corner).
COLORREF WindowPixel(HWND wnd, int x, int y);
// Whether the point (frame coordinates) lies in the window's region (true without a region).
bool InWindowRegion(HWND wnd, int x, int y);

// Records the messages a window receives (by subclassing it) while it lives.
class MessageRecorder {
 public:
  explicit MessageRecorder(HWND wnd);
  ~MessageRecorder();
  MessageRecorder(const MessageRecorder&) = delete;
  MessageRecorder& operator=(const MessageRecorder&) = delete;
  struct Entry {
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;
  };
  const std::vector<Entry>& Entries() const { return entries_; }
  int Count(UINT msg) const;
  void Clear() { entries_.clear(); }

 private:
  static LRESULT CALLBACK Proc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
  HWND wnd_;
  std::vector<Entry> entries_;
};

}  // namespace skin_test
