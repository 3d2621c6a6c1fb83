#include "SkinChoiceButton.h"

#include <algorithm>

#include "ChoiceText.h"
#include "GdiHandle.h"
#include "WinSkinData.h"

namespace {

constexpr UINT WM_PRINT_MSG = 0x317;
// Framework notes after which a button's look may have changed (focus left it; a state change).
constexpr UINT CM_EXIT_MSG = 0xB01B;
constexpr UINT CM_STATE_NOTE_MSG = 0xB0D0;

int PlatformMajorVersion() {
  static const int major = LOBYTE(LOWORD(GetVersion()));
  return major;
}

}  // namespace

const tk::TClassInfo& TSkinChoiceButton::StaticClass() {
  static const tk::TClassInfo info("TSkinChoiceButton", &TSkinControl::StaticClass());
  return info;
}

bool TSkinChoiceButton::HasBoxImage() const {
  const tk::TBitmap* image = BoxImage();
  return image && !image->Empty() && BoxFrameCount() > 0;
}

void TSkinChoiceButton::Attach(TWinSkinForm* form, TSkinData* skin, bool recolour, tk::TCanvas* canvas) {
  if (Attached) return;
  TSkinControl::Attach(form, skin, recolour, canvas);
  if (!Control) return;
  Mode = HasBoxImage() ? 1 : 0;
  ParentLook = (::GetIntProp(Control, "Tag") == ParentLookTag ||
                (SkinData && SkinData->Options().Contains(TSkinOption::xoTransparent)))
                   ? 1
                   : 0;
}

bool TSkinChoiceButton::BeforeMessage(tk::TMessage& msg) {
  if (!TSkinControl::BeforeMessage(msg)) return false;
  switch (msg.Msg) {
    case WM_PAINT:
    case WM_PRINT_MSG:
      if (Mode != 1) return true;
      PaintWithBeginPaint(msg);
      return false;
    case WM_ERASEBKGND:
      if (!ParentLook) return true;
      EraseWithParent(msg);
      msg.Result = 1;
      return false;
    default:
      return true;
  }
}

void TSkinChoiceButton::AfterMessage(tk::TMessage& msg) {
  switch (msg.Msg) {
    case BM_SETCHECK:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case CM_EXIT_MSG:
    case CM_STATE_NOTE_MSG:
      // The system button draws its own state at once, outside WM_PAINT: cover it again.
      Repaint();
      break;
    default:
      TSkinControl::AfterMessage(msg);
      break;
  }
}

TCheckFrameInput TSkinChoiceButton::FrameInput() const {
  TCheckFrameInput in;
  in.frameCount = BoxFrameCount();
  if (Handle) in.disabled = (WindowLong(Handle, GWL_STYLE) & WS_DISABLED) != 0;
  if (!Control) return in;
  in.hasControl = true;
  in.checkedTrue = ::GetEnumText(Control, "Checked") == "True";
  return in;
}

void TSkinChoiceButton::Draw(HDC dc, const RECT& rect) {
  if (!HasBoxImage()) {
    Mode = 0;
    return;
  }
  tk::TBitmap& image = *BoxImage();
  const int frames = BoxFrameCount();
  const int w = image.Width() / frames, h = image.Height();
  const int frame = FrameIndex();
  const bool rightToLeft = RtlFormat(0) != 0;
  const int top = rect.top + ((rect.bottom - rect.top) - h) / 2;
  RECT box{}, text{};
  UINT format = 0;
  if (WindowLong(Handle, GWL_STYLE) & BS_LEFTTEXT) {
    const int right = rect.right - RightBoxInset();
    box = RECT{right - w, top, right, top + h};
    text = RECT{rect.left, rect.top, box.left - 2, rect.bottom};
    format = rightToLeft ? (DT_RTLREADING | DT_RIGHT) : 0;
  } else {
    box = RECT{rect.left, top, rect.left + w, top + h};
    text = RECT{rect.left + w + 2, rect.top, rect.right, rect.bottom};
    format = rightToLeft ? DT_RTLREADING : 0;
  }
  if (Mode == 1 && !ParentLook) FillBackground(dc, rect);
  DrawStripFrameMasked(dc, box, frames, frame, image);
  if (Mode == 1) DrawCaption(dc, text, format);
}

void TSkinChoiceButton::DrawCaption(HDC dc, RECT textRect, UINT format) {
  Caption = BoundedWindowText(Handle);
  if (Control) Caption = BoundedTextProp(Control, "Caption");
  HFONT font = reinterpret_cast<HFONT>(SendMessageW(Handle, WM_GETFONT, 0, 0));
  tk::TFont* controlFont = ControlFont(Control);
  if (controlFont) font = controlFont->Handle();
  tk::SavedDC saved(dc);
  if (font) SelectObject(dc, font);
  if (Control) {
    SetTextColor(dc, IsEnabled ? tk::ColorToRGB(controlFont ? controlFont->Color() : tk::clBtnText)
                               : GetSysColor(COLOR_BTNSHADOW));
  }
  SetBkColor(dc, tk::ColorToRGB(SkinData ? SkinData->Colors[scButtonFace] : tk::clBtnFace));
  SetBkMode(dc, TRANSPARENT);
  const UINT drawFormat = format | DT_WORDBREAK | DT_EXPANDTABS;
  RECT measured = textRect;
  DrawTextW(dc, Caption.c_str(), static_cast<int>(Caption.size()), &measured, drawFormat | DT_CALCRECT | DT_NOCLIP);
  OffsetRect(&textRect, 0, ((textRect.bottom - textRect.top) - (measured.bottom - measured.top)) / 2);
  if (IsFocused && !Caption.empty() && PlatformMajorVersion() != 6) DrawFocusAroundText(dc, drawFormat, textRect);
  DrawTextW(dc, Caption.c_str(), static_cast<int>(Caption.size()), &textRect, drawFormat);
}
