#pragma once
// RAII owners of Windows GDI and USER handles.
#include <windows.h>
#include <commctrl.h>

#include <utility>

namespace tk {

template <class H, class Deleter>
class UniqueHandle {
 public:
  UniqueHandle() = default;
  explicit UniqueHandle(H h) : h_(h) {}
  ~UniqueHandle() { Reset(); }
  UniqueHandle(UniqueHandle&& o) noexcept : h_(std::exchange(o.h_, H{})) {}
  UniqueHandle& operator=(UniqueHandle&& o) noexcept {
    if (this != &o) { Reset(); h_ = std::exchange(o.h_, H{}); }
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;

  H Get() const { return h_; }
  explicit operator bool() const { return h_ != H{}; }
  H Release() { return std::exchange(h_, H{}); }
  void Reset(H h = H{}) {
    if (h_ != H{}) Deleter{}(h_);
    h_ = h;
  }

 private:
  H h_{};
};

struct GdiObjectDeleter { void operator()(HGDIOBJ h) const { DeleteObject(h); } };
struct DcDeleter { void operator()(HDC h) const { DeleteDC(h); } };
struct WindowDeleter { void operator()(HWND h) const { DestroyWindow(h); } };
struct MenuDeleter { void operator()(HMENU h) const { DestroyMenu(h); } };
struct IconDeleter { void operator()(HICON h) const { DestroyIcon(h); } };
struct ImageListDeleter { void operator()(HIMAGELIST h) const; };  // in Graphics.cpp (comctl32)
struct KernelHandleDeleter { void operator()(HANDLE h) const { CloseHandle(h); } };

using UniqueFont = UniqueHandle<HFONT, GdiObjectDeleter>;
using UniqueBrush = UniqueHandle<HBRUSH, GdiObjectDeleter>;
using UniquePen = UniqueHandle<HPEN, GdiObjectDeleter>;
using UniqueBitmapHandle = UniqueHandle<HBITMAP, GdiObjectDeleter>;
using UniqueRegion = UniqueHandle<HRGN, GdiObjectDeleter>;
using UniqueDC = UniqueHandle<HDC, DcDeleter>;
using UniqueWindow = UniqueHandle<HWND, WindowDeleter>;
using UniqueMenu = UniqueHandle<HMENU, MenuDeleter>;
using UniqueIcon = UniqueHandle<HICON, IconDeleter>;
using UniqueImageList = UniqueHandle<HIMAGELIST, ImageListDeleter>;
using UniqueKernelHandle = UniqueHandle<HANDLE, KernelHandleDeleter>;

// A DC obtained with GetDC/GetWindowDC, released on scope exit.
class WindowDC {
 public:
  explicit WindowDC(HWND wnd, bool wholeWindow = false)
      : wnd_(wnd), dc_(wholeWindow ? GetWindowDC(wnd) : GetDC(wnd)) {}
  ~WindowDC() { if (dc_) ReleaseDC(wnd_, dc_); }
  WindowDC(const WindowDC&) = delete;
  WindowDC& operator=(const WindowDC&) = delete;
  HDC Get() const { return dc_; }

 private:
  HWND wnd_;
  HDC dc_;
};

// Selects an object into a DC and puts the previous one back on scope exit.
class SelectGuard {
 public:
  SelectGuard(HDC dc, HGDIOBJ obj) : dc_(dc), old_(obj ? SelectObject(dc, obj) : nullptr) {}
  ~SelectGuard() { if (old_) SelectObject(dc_, old_); }
  SelectGuard(const SelectGuard&) = delete;
  SelectGuard& operator=(const SelectGuard&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

// SaveDC/RestoreDC pair.
class SavedDC {
 public:
  explicit SavedDC(HDC dc) : dc_(dc), id_(SaveDC(dc)) {}
  ~SavedDC() { RestoreDC(dc_, id_); }
  SavedDC(const SavedDC&) = delete;
  SavedDC& operator=(const SavedDC&) = delete;

 private:
  HDC dc_;
  int id_;
};

}  // namespace tk
