#include "ArrowButton.h"

#include <windowsx.h>

#include <algorithm>

#include "ElementDrawing.h"
#include "GdiHandle.h"
#include "WinSkinData.h"
#include "WinSubClass.h"

const tk::TClassInfo& TArrowButton::StaticClass() {
  static const tk::TClassInfo info("TArrowButton", &tk::TCustomControl::StaticClass());
  return info;
}

namespace {
constexpr int NormalFrame = 1, HotFrame = 4;
constexpr int PickerBorder = 2;  // the picker's sunken border on each side
}  // namespace

TArrowButton::TArrowButton(tk::TComponent* owner) : tk::TCustomControl(owner) {
  tabStop_ = false;
  ArrowWidth = GetSystemMetrics(SM_CXHSCROLL);
}

void TArrowButton::Notification(tk::TComponent* component, tk::TOperation operation) {
  tk::TCustomControl::Notification(component, operation);
  if (operation != tk::TOperation::opRemove) return;
  if (component == Picker) {
    Picker = nullptr;
    PickerHandle = nullptr;
  }
  if (component == Painter) Painter = nullptr;
}

int TArrowButton::LeftFor(int pickerWidth) const {
  const bool leftSide = PickerHandle && (GetWindowLongPtrW(PickerHandle, GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR);
  return leftSide ? PickerBorder : pickerWidth - ArrowWidth - 2 * PickerBorder;
}

void TArrowButton::AttachTo(TSkinControl* painter, tk::TWinControl* picker) {
  Painter = painter;
  Picker = picker;
  if (!picker) return;
  FreeNotification(picker);
  PickerHandle = picker->Handle();
  // The picker draws nothing over the button.
  SetWindowLongPtrW(PickerHandle, GWL_STYLE, GetWindowLongPtrW(PickerHandle, GWL_STYLE) | WS_CLIPCHILDREN);
  RECT r{};
  GetWindowRect(PickerHandle, &r);
  SetBounds(LeftFor(r.right - r.left), 0, ArrowWidth, std::max<int>(r.bottom - r.top - 2 * PickerBorder, 0));
  SetParent(picker);
}

void TArrowButton::Place(const RECT& rect) {
  if (!PickerHandle) return;
  SetBounds(LeftFor(rect.right), 0, ArrowWidth, std::max<int>(rect.bottom - rect.top - 2 * PickerBorder, 0));
}

void TArrowButton::SetHot(bool hot) {
  if (!Picker || !Picker->Enabled()) return;
  if (hot) FState |= 1;
  else FState &= static_cast<uint8_t>(~1);
  Invalidate();
}

void TArrowButton::PassClickToPicker(const tk::TMessage& msg) {
  if (!PickerHandle) return;
  // Into the picker's client coordinates: a click on the picker's own button, which opens its
  // calendar.
  const LPARAM point = MAKELPARAM(GET_X_LPARAM(msg.LParam) + Left(), GET_Y_LPARAM(msg.LParam) + Top());
  PostMessageW(PickerHandle, WM_LBUTTONDOWN, msg.WParam, point);
  PostMessageW(PickerHandle, WM_LBUTTONUP, msg.WParam, point);
}

void TArrowButton::WndProc(tk::TMessage& msg) {
  switch (msg.Msg) {
    case tk::CM_MOUSEENTER:
      SetHot(true);
      break;
    case tk::CM_MOUSELEAVE:
      SetHot(false);
      break;
    case WM_LBUTTONDOWN:
      PassClickToPicker(msg);
      Invalidate();
      return;
    case WM_LBUTTONUP:
      if (Picker && Picker->CanFocus()) Picker->SetFocus();
      return;
    case WM_ERASEBKGND:
      msg.Result = 1;
      return;
    default:
      break;
  }
  tk::TCustomControl::WndProc(msg);
}

void TArrowButton::Paint() {
  const RECT r{0, 0, Width(), Height()};
  if (r.right <= 0 || r.bottom <= 0) return;
  HDC target = Canvas().Handle();
  tk::UniqueDC memory(CreateCompatibleDC(target));
  tk::UniqueBitmapHandle picture(CreateCompatibleBitmap(target, r.right, r.bottom));
  if (!memory || !picture) return;
  tk::SelectGuard selected(memory.Get(), picture.Get());
  TSkinData* skin = Painter ? Painter->SkinData : nullptr;
  FillColor(memory.Get(), r, skin ? skin->Colors[scButtonFace] : tk::clBtnFace);
  const int frame = Hot() ? HotFrame : NormalFrame;
  if (skin && skin->ComboArrow && !skin->ComboArrow->Bitmap.Empty()) {
    DrawFrameStretched(memory.Get(), r, skin->ComboArrow->Bitmap, true, std::max(skin->ComboArrow->FrameCount, 1), frame);
  } else {
    RECT glyph = r;
    DrawFrameControl(memory.Get(), &glyph, DFC_SCROLL, DFCS_SCROLLCOMBOBOX | (Hot() ? DFCS_HOT : 0));
  }
  BitBlt(target, 0, 0, r.right, r.bottom, memory.Get(), 0, 0, SRCCOPY);
}
