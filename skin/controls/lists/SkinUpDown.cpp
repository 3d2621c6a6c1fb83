#include "SkinUpDown.h"

#include <commctrl.h>

#include <algorithm>

#include "ListPaintBuffer.h"
#include "UpDownButtons.h"
#include "WinSkinData.h"
#include "WinSkinHelpers.h"

const tk::TClassInfo& TSkinUpDown::StaticClass() {
  static const tk::TClassInfo info("TSkinUpDown", &TSkinControl::StaticClass());
  return info;
}

namespace {

constexpr int EditClearance = 3;  // pixels kept between the buttons and an edit's window edges
const COLORREF White = RGB(255, 255, 255);

}  // namespace

bool TSkinUpDown::BeforeMessage(tk::TMessage& msg) {
  switch (msg.Msg) {
    case WM_PAINT:
      PaintWithBeginPaint(msg);
      return false;
    case WM_ERASEBKGND:
      if (!BareWindow()) return true;
      OnEraseBackground(msg);
      return false;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      OnButtonDown(msg);
      return false;
    case WM_LBUTTONUP:
      OnButtonUp(msg);
      return false;
    case WM_MOUSEMOVE:
      OnMouseMove();
      return true;
    case WM_MOUSELEAVE:
      OnMouseLeave();
      return true;
    default:
      return TSkinControl::BeforeMessage(msg);
  }
}

void TSkinUpDown::OnEraseBackground(tk::TMessage& msg) {
  RECT client{};
  GetClientRect(Handle, &client);
  FillWithColour(reinterpret_cast<HDC>(msg.WParam), client, White);
  msg.Result = 1;
}

void TSkinUpDown::OnButtonDown(tk::TMessage& msg) {
  CallDefault(msg);
  States |= scsPressed;
  PaintNow(nullptr);
}

void TSkinUpDown::OnButtonUp(tk::TMessage& msg) {
  States &= static_cast<uint8_t>(~scsPressed);
  CallDefault(msg);
  PaintNow(nullptr);
}

void TSkinUpDown::OnMouseMove() {
  States |= scsHot;
  if (Handle) TrackMouseLeave(Handle);
  const int half = HalfUnderCursor();
  if (half == FHotHalf) return;
  FHotHalf = half;
  PaintNow(nullptr);
}

void TSkinUpDown::OnMouseLeave() {
  States &= static_cast<uint8_t>(~scsHot);
  FHotHalf = -1;
  PaintNow(nullptr);
}

int TSkinUpDown::HalfUnderCursor() const {
  RECT window{};
  POINT p{};
  if (!Handle || !GetWindowRect(Handle, &window) || !GetCursorPos(&p)) return -1;
  RECT first{}, second{};
  SplitHalves(ButtonArea(RECT{0, 0, window.right - window.left, window.bottom - window.top}), LaysOutHorizontally(), first,
              second);
  const POINT local{p.x - window.left, p.y - window.top};
  if (PtInRect(&first, local)) return 0;
  if (PtInRect(&second, local)) return 1;
  return -1;
}

bool TSkinUpDown::LaysOutHorizontally() const {
  return Horizontal || (Handle && (GetWindowLongPtrW(Handle, GWL_STYLE) & UDS_HORZ) != 0);
}

RECT TSkinUpDown::ButtonArea(const RECT& rect) const {
  RECT area = rect;
  HWND edit = Embedded && Handle ? GetParent(Handle) : nullptr;
  RECT own{}, outer{};
  if (!edit || !GetWindowRect(Handle, &own) || !GetWindowRect(edit, &outer)) return area;
  area.top += std::max(0L, EditClearance - (own.top - outer.top));
  area.right -= std::max(0L, EditClearance - (outer.right - own.right));
  area.bottom -= std::max(0L, EditClearance - (outer.bottom - own.bottom));
  return area;
}

void TSkinUpDown::SplitHalves(const RECT& area, bool horizontal, RECT& first, RECT& second) {
  first = second = area;
  if (horizontal) {
    first.right = second.left = area.left + (area.right - area.left) / 2;
  } else {
    first.bottom = second.top = area.top + (area.bottom - area.top) / 2;
  }
}

TUpDownHalfState TSkinUpDown::HalfState(const RECT& half) const {
  if (!IsEnabled) return udsDisabled;
  POINT p{};
  if (!GetCursorPos(&p)) return udsNormal;
  const POINT local{p.x - WindowRect.left, p.y - WindowRect.top};
  if (!PtInRect(&half, local)) return udsNormal;
  if (States & scsPressed) return udsPressed;
  if (States & scsHot) return udsHot;
  return udsNormal;
}

void TSkinUpDown::Draw(HDC dc, const RECT& rect) {
  if (!SkinData || !Handle) return;
  // Buttons inside an edit look disabled with it.
  HWND edit = Embedded ? GetParent(Handle) : nullptr;
  IsEnabled = IsWindowEnabled(Handle) && (!edit || IsWindowEnabled(edit));
  TListPaintBuffer buffer(dc, rect, Embedded ? White : tk::ColorToRGB(SkinData->Colors[scButtonFace]));
  if (!buffer.Valid()) return;
  const RECT area = ButtonArea(rect);
  if (Embedded) FillWithColour(buffer.DC(), area, tk::ColorToRGB(SkinData->Colors[scButtonFace]));
  const bool horizontal = LaysOutHorizontally();
  RECT first{}, second{};
  SplitHalves(area, horizontal, first, second);
  const TUpDownButtons buttons(*SkinData, horizontal);
  buttons.DrawHalf(buffer.DC(), first, horizontal ? udLeft : udUp, HalfState(first));
  buttons.DrawHalf(buffer.DC(), second, horizontal ? udRight : udDown, HalfState(second));
  buffer.CopyToTarget();
}
