#include "TComboxScrollBar.h"

#include <windowsx.h>

#include "ScrollBarGeometry.h"
#include "ScrollBarPaint.h"
#include "WinSkinData.h"
#include "WinSkinHelpers.h"

namespace {

// Sent by a list box when its content scrolled by the wheel or the keyboard.
constexpr UINT ListScrolled = 0x1AE;

}  // namespace

const tk::TClassInfo& TComboxScrollBar::StaticClass() {
  static const tk::TClassInfo info("TComboxScrollBar", &TSkinControl::StaticClass());
  return info;
}

TComboxScrollBar::TComboxScrollBar(tk::TComponent* owner) : TSkinControl(owner), ArrowSize(GetSystemMetrics(SM_CXHSCROLL)) {}

bool TComboxScrollBar::BeforeMessage(tk::TMessage& msg) {
  switch (msg.Msg) {
    case WM_NCMOUSEMOVE:
      // The system would light up its own arrows over the skin.
      return msg.WParam != HTHSCROLL && msg.WParam != HTVSCROLL;
    case WM_NCLBUTTONDOWN:
      if (msg.WParam == HTVSCROLL && DragThumb(POINT{GET_X_LPARAM(msg.LParam), GET_Y_LPARAM(msg.LParam)})) {
        msg.Result = 0;
        return false;
      }
      return true;
    default:
      return TSkinControl::BeforeMessage(msg);
  }
}

void TComboxScrollBar::AfterMessage(tk::TMessage& msg) {
  switch (msg.Msg) {
    case WM_NCPAINT:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case ListScrolled:
      PaintNow(nullptr);
      break;
    default:
      TSkinControl::AfterMessage(msg);
      break;
  }
}

void TComboxScrollBar::Draw(HDC dc, const RECT&) {
  if (!SkinData || !SkinHasScrollBars(*SkinData) || !Handle) return;
  TBarReading reading;
  if (!ReadScrollBar(Handle, sbkVertical, true, ArrowSize, reading) || reading.Invisible) return;
  RECT window{};
  GetWindowRect(Handle, &window);
  const int width = reading.Rect.right - reading.Rect.left;
  const int height = reading.Rect.bottom - reading.Rect.top;
  if (width <= 0 || height <= 0) return;
  Length = height;
  ThumbStart = reading.ThumbStart;
  ThumbEnd = reading.ThumbEnd;
  TBarLooks looks;
  looks.Vertical = true;
  looks.Length = Length;
  looks.ArrowSize = ArrowSize;
  looks.Available = !reading.Unavailable;
  looks.ThumbStart = ThumbStart;
  looks.ThumbEnd = ThumbEnd;
  tk::TBitmap bitmap;
  PrepareBarBitmap(bitmap, *SkinData, width, height);
  if (bitmap.Empty()) return;
  DrawBarParts(bitmap.Canvas().Handle(), *SkinData, looks, BarThickness(*SkinData, ArrowSize), Length);
  BitBlt(dc, reading.Rect.left - window.left, reading.Rect.top - window.top, width, height, bitmap.Canvas().Handle(), 0, 0, SRCCOPY);
}

bool TComboxScrollBar::DragThumb(POINT screenPoint) {
  TBarReading reading;
  if (!Handle || !ReadScrollBar(Handle, sbkVertical, true, ArrowSize, reading)) return false;
  const int along = screenPoint.y - reading.Rect.top;
  if (along < reading.ThumbStart || along > reading.ThumbEnd) return false;
  HWND list = Handle;
  SetCapture(list);
  // Positions come from the messages, not from the cursor now: input queued ahead of the press
  // has moved the cursor already.
  const POINT start = screenPoint;
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_ALL;
  GetScrollInfo(list, SB_VERT, &info);
  const int offset = reading.ThumbStart - ArrowSize;
  const int track = (reading.Rect.bottom - reading.Rect.top) - 2 * ArrowSize;
  const int thumb = reading.ThumbEnd - reading.ThumbStart;
  int last = info.nPos;
  MSG m{};
  bool dragging = true;
  int idleWithButtonUp = 0;
  while (dragging && IsWindow(list)) {
    if (!PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) {
      // A release that never reached us (taken by another window, say) still ends the drag, once
      // the queue has stayed empty for a while with the button up.
      const bool buttonUp = GetAsyncKeyState(GetSystemMetrics(SM_SWAPBUTTON) ? VK_RBUTTON : VK_LBUTTON) >= 0;
      idleWithButtonUp = buttonUp ? idleWithButtonUp + 1 : 0;
      if (idleWithButtonUp > 10) {
        SendMessageW(list, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, last), 0);
        PostMessageW(list, WM_VSCROLL, SB_ENDSCROLL, 0);
        break;
      }
      // Nothing queued: sleep until something is, instead of spinning.
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
      continue;
    }
    switch (m.message) {
      case WM_NCMOUSEMOVE:
      case WM_MOUSEMOVE: {
        TranslateMessage(&m);
        DispatchMessageW(&m);
        const int position = DraggedListPosition(offset + (m.pt.y - start.y), track, thumb, info.nMin, info.nMax,
                                                 static_cast<int>(info.nPage));
        if (position != last) {
          SendMessageW(list, WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, position), 0);
          last = position;
        }
        break;
      }
      case WM_NCLBUTTONUP:
      case WM_LBUTTONUP:
        SendMessageW(list, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, last), 0);
        PostMessageW(list, WM_VSCROLL, SB_ENDSCROLL, 0);
        dragging = false;
        break;
      case WM_QUIT:
        PostQuitMessage(static_cast<int>(m.wParam));
        dragging = false;
        break;
      default:
        TranslateMessage(&m);
        DispatchMessageW(&m);
        break;
    }
  }
  if (GetCapture() == list) ReleaseCapture();
  return true;
}

TComboxScrollBar* AttachComboListScrollBar(tk::TComponent* owner, HWND list, TSkinData* skin, TWinSkinForm* form,
                                           tk::TCanvas* canvas) {
  if (!list) return nullptr;
  auto* painter = new TComboxScrollBar(owner);
  painter->AttachWindow(list, skin, form, canvas);
  return painter;
}
