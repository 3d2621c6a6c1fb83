#include "SkinButton.h"

#include <windowsx.h>

#include <algorithm>
#include <cctype>

#include "ButtonDrawing.h"
#include "Messages.h"
#include "WinSkinData.h"

namespace {

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

// At most MaxButtonCaption characters of a window's text.
std::wstring BoundedWindowText(HWND wnd) {
  std::wstring text(MaxButtonCaption + 1, L'\0');
  const int got = GetWindowTextW(wnd, text.data(), static_cast<int>(text.size()));
  text.resize(static_cast<size_t>(std::clamp(got, 0, static_cast<int>(MaxButtonCaption))));
  return text;
}

}  // namespace

const tk::TClassInfo& TSkinButton::StaticClass() {
  static const tk::TClassInfo info("TSkinButton", &TSkinControl::StaticClass());
  return info;
}

TSkinButton::TSkinButton(tk::TComponent* owner) : TSkinControl(owner) {}

bool TSkinButton::ParentLookWanted(const tk::TComponent* control, const TSkinData* skin) {
  const bool tagged = control && control->Tag() == 5555;
  return tagged || (skin && skin->Options().Contains(TSkinOption::xoTransparent));
}

void TSkinButton::Attach(TWinSkinForm* form, TSkinData* skin, bool recolour, tk::TCanvas* canvas) {
  if (Attached) return;
  TSkinControl::Attach(form, skin, recolour, canvas);
  // Buttons of those families handle their own mouse-down.
  const std::string className = Lower(Control ? std::string(Control->ClassName()) : std::string());
  Mode = className.rfind("trz", 0) == 0 || className.rfind("tel", 0) == 0 ? 1 : 0;
  ParentLook = ParentLookWanted(Control, SkinData);
}

void TSkinButton::AttachWindow(HWND handle, TSkinData* skin, TWinSkinForm* form, tk::TCanvas* canvas) {
  if (Attached) return;
  TSkinControl::AttachWindow(handle, skin, form, canvas);
  ParentLook = ParentLookWanted(nullptr, SkinData);
}

// ---------------------------------------------------------------------------------------------
// Messages

bool TSkinButton::BeforeMessage(tk::TMessage& msg) {
  switch (msg.Msg) {
    case WM_PAINT:
      PaintWithBeginPaint(msg);
      return false;
    case WM_ERASEBKGND:
      msg.Result = 1;
      return false;
    case WM_TIMER:
      if (Handle) KillTimer(Handle, 1);
      msg.Result = 0;
      return false;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (Handle && GetFocus() != Handle) SetFocus(Handle);
      States |= scsPressed;
      PaintNow(nullptr);
      if (Mode == 0 && Control) ForwardMouseDown(msg);
      msg.Result = 0;
      return false;
    case tk::CN_DRAWITEM:
      DrawItemInstead(msg);
      return false;
    default:
      return TSkinControl::BeforeMessage(msg);
  }
}

void TSkinButton::AfterMessage(tk::TMessage& msg) {
  switch (msg.Msg) {
    case WM_SETTEXT:
      PaintNow(nullptr);
      break;
    case WM_KEYDOWN:
      if (msg.WParam == VK_SPACE) {
        States |= scsPressed;
        Repaint();
      }
      break;
    case WM_KEYUP:
      if (msg.WParam == VK_SPACE) {
        States &= static_cast<uint8_t>(~scsPressed);
        Repaint();
      }
      break;
    case WM_MOUSEMOVE:
      if (IsEnabled && !(States & scsHot)) {
        States |= scsHot;
        Repaint();
      }
      if (Handle) {
        TRACKMOUSEEVENT tme{sizeof tme, TME_LEAVE, Handle, 0};
        TrackMouseEvent(&tme);
      }
      break;
    case WM_LBUTTONUP: {
      if (!(States & scsPressed)) break;
      States &= static_cast<uint8_t>(~scsPressed);
      Repaint();
      // A release away from the button (a message sent with its point outside) is no click.
      RECT client{};
      if (Handle) GetClientRect(Handle, &client);
      const POINT at{GET_X_LPARAM(msg.LParam), GET_Y_LPARAM(msg.LParam)};
      if (PtInRect(&client, at)) ClickNow();
      break;
    }
    case WM_MOUSELEAVE:
      States &= static_cast<uint8_t>(~(scsHot | scsPressed));
      Repaint();
      break;
    case tk::CM_DIALOGKEY:
    case tk::CM_FOCUSCHANGED:
      Repaint();
      break;
    default:
      TSkinControl::AfterMessage(msg);
      break;
  }
}

void TSkinButton::ClickNow() {
  if (Control) {
    RunControlCode([this] { Control->Click(); });
    return;
  }
  if (!Handle) return;
  wchar_t className[64]{};
  GetClassNameW(Handle, className, static_cast<int>(std::size(className)));
  std::wstring lower(className);
  std::transform(lower.begin(), lower.end(), lower.begin(), [](wchar_t c) { return static_cast<wchar_t>(std::towlower(c)); });
  const WPARAM id = lower == L"tbutton" ? 0 : static_cast<WPARAM>(GetDlgCtrlID(Handle));
  PostMessageW(GetParent(Handle), WM_COMMAND, id, reinterpret_cast<LPARAM>(Handle));
}

void TSkinButton::DrawItemInstead(tk::TMessage& msg) {
  const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(msg.LParam);
  if (item && item->hDC) {
    // The item DC is clipped to the button's client area, which is the whole button here.
    PaintNow(item->hDC);
  }
  msg.Result = 1;
}

// ---------------------------------------------------------------------------------------------
// Drawing

TDataSkinButton* TSkinButton::ButtonsElement() const {
  if (!SkinData || !SkinData->Buttons || SkinData->Buttons->Bitmap.Empty()) return nullptr;
  return SkinData->Buttons.get();
}

bool TSkinButton::IsDefault() const { return Control && Lower(::GetEnumText(Control, "Default")) == "true"; }

void TSkinButton::ReadCaption() {
  std::wstring text = Control ? ::GetTextProp(Control, "Caption") : (Handle ? BoundedWindowText(Handle) : std::wstring());
  Caption = PrepareButtonCaption(std::move(text));
}

bool TSkinButton::WantsFocusRect() const {
  return IsFocused && !(SkinData && SkinData->Options().Contains(TSkinOption::xoNoFocusRect));
}

HFONT TSkinButton::CaptionFont() const {
  if (Control) return Control->Font().Handle();
  return Handle ? reinterpret_cast<HFONT>(SendMessageW(Handle, WM_GETFONT, 0, 0)) : nullptr;
}

COLORREF TSkinButton::BaseTextColour() const {
  if (Control) return tk::ColorToRGB(Control->Font().Color());
  return tk::ColorToRGB(SkinData ? SkinData->Colors[scButtonText] : tk::clBtnText);
}

bool TSkinButton::PrepareBuffer(const RECT& work) {
  const int w = work.right - work.left, h = work.bottom - work.top;
  if (w < 1 || h < 1) return false;
  if (Buffer.Width() != w || Buffer.Height() != h) Buffer.SetSize(w, h);
  if (Buffer.Empty()) return false;
  HDC dc = Buffer.Canvas().Handle();
  if (ParentLook && Control) {
    FillBackground(dc, work);  // what shows where the parent paints nothing
    PaintParentBackground(Control, dc);
  } else {
    FillBackground(dc, work);
  }
  return true;
}

void TSkinButton::Draw(HDC dc, const RECT& rect) {
  TDataSkinButton* element = ButtonsElement();
  if (!element) return;
  ReadCaption();
  const int frame = PushButtonFrame(IsEnabled, States & scsPressed, States & scsHot, IsFocused || IsDefault());
  const RECT work{0, 0, rect.right - rect.left, rect.bottom - rect.top};
  if (!PrepareBuffer(work)) return;
  HDC buffer = Buffer.Canvas().Handle();
  DrawElement(buffer, work, ButtonFrameCount, frame, *element);
  {
    tk::SelectGuard font(buffer, CaptionFont());
    SetTextColor(buffer, ButtonTextColour(*element, frame, BaseTextColour(), false));
    DrawButtonCaption(buffer, work, DT_CENTER, Caption, WantsFocusRect(), RtlFormat(0));
  }
  BitBlt(dc, rect.left, rect.top, work.right, work.bottom, buffer, 0, 0, SRCCOPY);
}
