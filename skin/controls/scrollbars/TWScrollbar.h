// The cover window over one system scroll bar (or one scroll bar control): placed exactly over
// the bar, just above its window in z-order, painted from the skin, and handing every press and
// release to the bar underneath so that the system's own scroll loop does the scrolling.
//
// The painter that makes a cover owns it; the cover owns its window. Freeing the cover destroys
// the window; a window destroyed with its parent leaves the cover without one, and the next
// Reposition makes a new one.
#pragma once

#include <windows.h>

#include <cstdint>

#include "Controls.h"
#include "GdiHandle.h"
#include "ScrollBarGeometry.h"

class TSkinControl;

class TWScrollbar {
 public:
  explicit TWScrollbar(TSkinControl* painter);
  ~TWScrollbar();
  TWScrollbar(const TWScrollbar&) = delete;
  TWScrollbar& operator=(const TWScrollbar&) = delete;

  // Covers a bar of a toolkit control (its colour follows the painter's parent colour).
  void AttachTo(TSkinControl* painter, tk::TWinControl* control, TScrollBarKind kind);
  // Covers a bar of a window without a toolkit control.
  void AttachToWindow(TSkinControl* painter, HWND handle, TScrollBarKind kind);
  void HideBar();
  // Reads the bar of `handle` and places the cover over it, or hides the cover.
  void Reposition(HWND handle);
  TScrollPart HitTest(POINT point) const;
  void Invalidate();
  void SetEnabled(bool enabled);
  // The cover's window; null while it has none.
  HWND Window() const { return FWindow.Get(); }

  int32_t Length = 0;
  int32_t ThumbStart = 0;
  int32_t ThumbEnd = 0;
  POINT BarOrigin{};
  POINT PressCursor{};
  int32_t PressThumbStart = 0;
  bool Pressed = false;
  int32_t Vertical = 0;
  int32_t HotPart = spNone;
  int32_t ArrowSize = 0;
  HWND Target = nullptr;
  tk::TWinControl* TargetControl = nullptr;
  TSkinControl* Painter = nullptr;
  TScrollBarKind Kind = sbkHorizontal;
  RECT BarRect{};
  bool Shown = false;
  tk::TColor Color = 0;

  // Paints of every cover since the program started (for measurements).
  static int64_t PaintCount;

 private:
  static LRESULT CALLBACK WindowProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT Dispatch(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);
  void EnsureWindow(HWND parent);
  bool InPlace(const RECT& place) const;
  void OnMouseMove(LPARAM lParam);
  void OnMouseLeave();
  void ForwardPress(LPARAM lParam);
  void ForwardRelease(LPARAM lParam);
  void OnPaint();
  void PaintBar(HDC dc);
  bool ReadBar(TBarReading& reading) const;
  int PressThumbStartFromControl() const;
  // The cursor's move since the press, along the bar.
  int CursorMovedAlong() const;

  tk::UniqueWindow FWindow;
  bool FEnabled = true;
  // Set while a press is being forwarded: tells the handler whether the cover outlived it.
  bool* FAlive = nullptr;
};
