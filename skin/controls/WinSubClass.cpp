#include "WinSubClass.h"

#include <windowsx.h>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cwchar>
#include <memory>

#include "ElementDrawing.h"
#include "Encoding.h"
#include "SkinMessages.h"
#include "WinSkinData.h"
#include "WinSkinForm.h"

const tk::TClassInfo& TSkinControl::StaticClass() {
  static const tk::TClassInfo info("TSkinControl", &tk::TComponent::StaticClass());
  return info;
}

TSkinControl::TSkinControl(tk::TComponent* owner) : tk::TComponent(owner) {}

TSkinControl::~TSkinControl() {
  if (FAlive) *FAlive = false;
  GiveControlBack();
  FSubclass.Remove();
  if (Form) {
    Form->RemovePainter(this);
    Form = nullptr;
  }
}

void TSkinControl::Notification(tk::TComponent* component, tk::TOperation operation) {
  tk::TComponent::Notification(component, operation);
  if (operation != tk::TOperation::opRemove) return;
  if (component == Form) Form = nullptr;
  if (component == Companion) Companion = nullptr;
  if (component == Control) {
    // The control is going but still whole: its procedure goes back now, and nothing of it is
    // touched afterwards.
    GiveControlBack();
    Control = nullptr;
    FWindowedControl = nullptr;
    Handle = nullptr;
  }
}

void TSkinControl::GiveControlBack() {
  if (!FControlTaken) return;
  FControlTaken = false;
  if (Control) Control->WindowProc = std::move(OldWindowProc);
  OldWindowProc = nullptr;
}

void TSkinControl::RegisterWithForm(TWinSkinForm* form) {
  Form = form;
  if (!form) return;
  form->AddPainter(this);
  FreeNotification(form);
}

void TSkinControl::SetCompanion(tk::TControl* companion) {
  Companion = companion;
  if (companion) FreeNotification(companion);
}

// ---------------------------------------------------------------------------------------------
// Attaching

void TSkinControl::Attach(TWinSkinForm* form, TSkinData* skin, bool recolour, tk::TCanvas* canvas) {
  if (Attached) return;
  Recolour = recolour;
  SkinData = skin;
  Canvas = canvas;
  Control = dynamic_cast<tk::TControl*>(Owner());
  if (!Control) {
    Form = form;
    return;
  }
  FreeNotification(Control);
  FWindowedControl = dynamic_cast<tk::TWinControl*>(Control);
  if (FWindowedControl) Handle = FWindowedControl->Handle();
  UnicodeWindow = Handle && IsWindowUnicode(Handle);
  OldWindowProc = Control->WindowProc;
  Control->WindowProc = [this](tk::TMessage& m) { NewWndProc(m); };
  FControlTaken = true;
  RegisterWithForm(form);
  if (Recolour && SkinData) {
    SetParentBackground(true);
    SavedColor = Control->Color();
    Control->SetColor(SkinData->Colors[scButtonFace]);
  }
  if (ParentBgChanged) Mode = 1;
  Control->Invalidate();
  Attached = true;
  State = psAttached;
}

void TSkinControl::AttachWindow(HWND handle, TSkinData* skin, TWinSkinForm* form, tk::TCanvas* canvas) {
  if (Attached) return;
  SkinData = skin;
  Canvas = canvas;
  Handle = handle;
  IsEnabled = true;
  Mode = 0;
  RegisterWithForm(form);
  UnicodeWindow = IsWindowUnicode(handle) != FALSE;
  // Bounded: a window's text length is what its procedure says, not a promise.
  constexpr int MaxCaption = 4096;
  std::wstring text(static_cast<size_t>(std::clamp(GetWindowTextLengthW(handle), 0, MaxCaption)) + 1, L'\0');
  const int read = std::clamp(GetWindowTextW(handle, text.data(), static_cast<int>(text.size())), 0, static_cast<int>(text.size()) - 1);
  text.resize(wcsnlen(text.data(), static_cast<size_t>(read)));
  Caption = std::move(text);
  FSubclass.Install(handle);
  InvalidateRect(handle, nullptr, TRUE);
  Attached = true;
  State = psAttached;
}

void TSkinControl::Unskin() {
  if (!Active) return;
  Active = false;
  if (State == psWindowDestroyed) return;  // the window is going: nothing to give back to it
  if (Recolour && Control) {
    SetParentBackground(false);
    Control->SetColor(SavedColor);
  }
}

void TSkinControl::SkinChanged() {
  if (Recolour && Control && SkinData) Control->SetColor(SkinData->Colors[scButtonFace]);
  Repaint();
}

// ---------------------------------------------------------------------------------------------
// Messages

LRESULT TSkinControl::SubclassProc(HWND, UINT msg, WPARAM wParam, LPARAM lParam) {
  tk::TMessage m{msg, wParam, lParam, 0};
  try {
    NewWndProc(m);
  } catch (...) {
    // Nothing may unwind into the platform's frames.
  }
  return m.Result;
}

void TSkinControl::NewWndProc(tk::TMessage& msg) {
  FollowControlWindow();
  if (msg.Msg == SKM_SETACTIVE) {
    SetActiveFromMessage(msg);
    return;
  }
  if (!Active) {
    CallDefault(msg);
    return;
  }
  bool alive = true;
  bool* const outerAlive = FAlive;
  FAlive = &alive;
  std::exception_ptr controlFailure;
  std::exception_ptr* const outerFailure = FControlFailure;
  FControlFailure = &controlFailure;
  try {
    if (BeforeMessage(msg)) {
      CallDefault(msg);
      // The control's handler may have freed the control, and the painter with it.
      if (alive) AfterMessage(msg);
    }
  } catch (...) {
    // A painter's failure must not reach the control's caller.
  }
  if (alive) {
    FAlive = outerAlive;
    FControlFailure = outerFailure;
  } else if (outerAlive) {
    *outerAlive = false;  // an outer message of the same painter must not touch it either
  }
  if (controlFailure) std::rethrow_exception(controlFailure);
}

void TSkinControl::SetActiveFromMessage(const tk::TMessage& msg) {
  const bool on = msg.WParam > 0;
  const bool turnedOn = on && !Active;
  Active = on;
  if (turnedOn) Repaint();
}

// The control makes a new window (a property that needs one, a new parent): the painter carries on
// with it from its first message.
void TSkinControl::FollowControlWindow() {
  if (!FWindowedControl || !FControlTaken) return;
  HWND current = FWindowedControl->HandleIfAllocated();
  if (!current || current == Handle) return;
  Handle = current;
  UnicodeWindow = IsWindowUnicode(current) != FALSE;
  if (State == psWindowDestroyed) {
    // Only an active painter marks the window's end (the unskinning then switched it off).
    State = psAttached;
    Active = true;
  }
}

LRESULT TSkinControl::CallDefault(tk::TMessage& msg) {
  if (FControlTaken) {
    // A copy: the control's handler may give the control back (or free it) while it runs.
    tk::TWndMethod previous = OldWindowProc;
    if (!previous) return msg.Result;
    if (!FControlFailure) {
      previous(msg);
      return msg.Result;
    }
    try {
      previous(msg);
    } catch (...) {
      *FControlFailure = std::current_exception();
    }
    return msg.Result;
  }
  if (FSubclass.Installed()) msg.Result = TWindowSubclass::CallPrevious(FSubclass.Window(), msg.Msg, msg.WParam, msg.LParam);
  return msg.Result;
}

bool TSkinControl::BeforeMessage(tk::TMessage& msg) {
  switch (msg.Msg) {
    case WM_NCDESTROY:
      State = psWindowDestroyed;
      CallDefault(msg);
      Handle = nullptr;  // its value may name another window soon
      if (Active) Unskin();
      return false;
    case SKM_ISSKINNED:
      msg.Result = 1;
      return false;
    default:
      return true;
  }
}

void TSkinControl::AfterMessage(tk::TMessage& msg) {
  switch (msg.Msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case WM_SETTEXT:
    case tk::CM_ENABLEDCHANGED:
      Repaint();
      break;
    case WM_PAINT:
      PaintNow(reinterpret_cast<HDC>(msg.WParam));
      break;
    case SKM_SETACTIVE:
      Active = msg.WParam > 0;
      break;
    default:
      break;
  }
}

void TSkinControl::ReadWindowState() {
  if (!Handle) return;
  IsEnabled = (WindowLong(Handle, GWL_STYLE) & WS_DISABLED) == 0;
  IsFocused = GetFocus() == Handle;
}

void TSkinControl::PaintNow(HDC dc) {
  RECT r{};
  if (!Handle || !GetWindowRect(Handle, &r)) return;
  WindowRect = r;
  const RECT local{0, 0, r.right - r.left, r.bottom - r.top};
  try {
    ReadWindowState();
    if (dc) {
      Draw(dc, local);
    } else {
      tk::WindowDC own(Handle, true);
      Draw(own.Get(), local);
    }
  } catch (...) {
    // A failing paint leaves the control as it is until its next paint.
  }
}

// ---------------------------------------------------------------------------------------------
// Helpers for descendants

void TSkinControl::Repaint() {
  if (Companion) {
    Companion->Invalidate();
    return;
  }
  if (!Handle) return;
  InvalidateRect(Handle, nullptr, TRUE);
  UpdateWindow(Handle);
}

void FillColor(HDC dc, const RECT& rect, tk::TColor color) {
  tk::UniqueBrush brush(CreateSolidBrush(tk::ColorToRGB(color)));
  FillRect(dc, &rect, brush.Get());
}

void TSkinControl::FillBackground(HDC dc, const RECT& rect) {
  FillColor(dc, rect, SkinData ? SkinData->Colors[scButtonFace] : tk::clBtnFace);
}

void TSkinControl::FillParentColor(HDC dc, const RECT& rect) {
  FillColor(dc, rect, ParentColor(SkinData ? SkinData->Colors[scButtonFace] : tk::clBtnFace));
}

tk::TColor TSkinControl::ParentColor(tk::TColor fallback) const {
  const tk::TControl* parent = Control ? Control->Parent() : nullptr;
  if (!parent) return fallback;
  const tk::TPropInfo* prop = tk::FindPropInfo(parent, "Color");
  if (!prop || prop->kind != tk::TTypeKind::Integer) return fallback;
  return static_cast<tk::TColor>(::GetIntProp(parent, "Color"));
}

LONG_PTR TSkinControl::WindowLong(HWND wnd, int index) const {
  return UnicodeWindow ? GetWindowLongPtrW(wnd, index) : GetWindowLongPtrA(wnd, index);
}

void TSkinControl::DrawFocusAroundText(HDC dc, UINT format, const RECT& rect) {
  RECT t = rect;
  DrawTextW(dc, Caption.c_str(), static_cast<int>(Caption.size()), &t, format | DT_CALCRECT | DT_NOCLIP);
  const int rw = rect.right - rect.left, rh = rect.bottom - rect.top;
  const int tw = t.right - t.left, th = t.bottom - t.top;
  if (format & DT_CENTER) OffsetRect(&t, (rw - tw) / 2, (rh - th) / 2 - 1);
  else if (format & DT_RIGHT) OffsetRect(&t, rw - tw, 0);
  InflateRect(&t, 2, 1);
  t.left = std::max(t.left, rect.left);
  t.top = std::max(t.top, rect.top);
  t.right = std::min(t.right, rect.right);
  t.bottom = std::min(t.bottom, rect.bottom);
  DrawFocusRect(dc, &t);
}

void TSkinControl::ForwardMouseDown(const tk::TMessage& msg) {
  if (!Control) return;
  POINT p{GET_X_LPARAM(msg.LParam), GET_Y_LPARAM(msg.LParam)};
  // Beyond 32768 pixels the message's 16-bit coordinates wrap: ask the cursor instead.
  if (Control->Width() > 32768 || Control->Height() > 32768) {
    GetCursorPos(&p);
    if (Handle) ::ScreenToClient(Handle, &p);
    else p = Control->ScreenToClient(p);
  }
  RunControlCode([&] { Control->MouseDown(tk::TMouseButton::mbLeft, tk::KeysToShiftState(msg.WParam), p.x, p.y); });
}

void TSkinControl::SetParentBackground(bool on) {
  if (!Control || (SkinData && SkinData->Options().Contains(TSkinOption::xoParentBackGround))) return;
  if (!tk::FindPropInfo(Control, "ParentBackground")) return;
  if (on) {
    std::string value = ::GetEnumText(Control, "ParentBackground");
    std::transform(value.begin(), value.end(), value.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (value == "true") {
      ParentBgChanged = true;
      ::SetPropText(Control, "ParentBackground", "False");
    }
  } else if (ParentBgChanged) {
    ::SetPropText(Control, "ParentBackground", "True");
  }
}

void TSkinControl::PaintWithBeginPaint(tk::TMessage& msg) {
  RECT r{};
  if (Handle) GetWindowRect(Handle, &r);
  WindowRect = r;
  const RECT local{0, 0, r.right - r.left, r.bottom - r.top};
  auto draw = [&](HDC dc) {
    try {
      ReadWindowState();
      Draw(dc, local);
    } catch (...) {
      // As in PaintNow: a failing paint is left for the next one.
    }
  };
  if (msg.WParam) {
    draw(reinterpret_cast<HDC>(msg.WParam));
  } else {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(Handle, &ps);
    draw(dc);
    EndPaint(Handle, &ps);
  }
  msg.Result = 0;
}

void TSkinControl::EraseWithParent(tk::TMessage& msg) {
  HDC dc = reinterpret_cast<HDC>(msg.WParam);
  if (Control) {
    PaintParentBackground(Control, dc);
  } else {
    RECT r{};
    GetClientRect(Handle, &r);
    FillParentColor(dc, r);
  }
  msg.Result = 1;
}

UINT TSkinControl::RtlFormat(UINT format) const {
  auto rightToLeft = [](const tk::TControl* c) { return c && c->BiDiMode() == tk::TBiDiMode::bdRightToLeft; };
  if (rightToLeft(Control) || rightToLeft(Companion)) format |= DT_RTLREADING;
  return format;
}

// ---------------------------------------------------------------------------------------------
// Element drawing

namespace {

bool Inverted(const RECT& r) { return r.right < r.left || r.bottom < r.top; }

// Frame k of n of a side-by-side strip, at its own size.
std::unique_ptr<tk::TBitmap> CutFrame(tk::TBitmap& strip, int frameCount, int frameIndex) {
  const int width = strip.Width() / std::max(frameCount, 1);
  auto frame = std::make_unique<tk::TBitmap>(width, strip.Height(), tk::TPixelFormat::pf24bit);
  if (!frame->Empty())
    BitBlt(frame->Canvas().Handle(), 0, 0, width, strip.Height(), strip.Canvas().Handle(), width * (frameIndex - 1), 0, SRCCOPY);
  return frame;
}

}  // namespace

void TSkinControl::DrawElement(HDC dc, const RECT& rect, int frameCount, int frameIndex, TDataSkinObject& element) {
  if (Inverted(rect)) return;
  DrawBitmapFrame(dc, rect, element.Bitmap, false, element.Tile == 1, element.Trans, frameCount, frameIndex, element.Margins());
}

void TSkinControl::DrawStripFrameDC(HDC dc, const RECT& rect, int frameCount, int frameIndex, tk::TBitmap& bitmap) {
  if (Inverted(rect)) return;
  tk::TCanvas canvas(dc);
  DrawStripFrameCanvas(canvas, rect, frameCount, frameIndex, bitmap);
}

void TSkinControl::DrawStripFrameCanvas(tk::TCanvas& canvas, const RECT& rect, int frameCount, int frameIndex, tk::TBitmap& bitmap) {
  if (Inverted(rect) || bitmap.Empty()) return;
  auto frame = CutFrame(bitmap, frameCount, frameIndex);
  if (frame->Empty()) return;
  // The canvas's transparent drawing: stretched, the key colour left out.
  TransparentBlt(canvas.Handle(), rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, frame->Canvas().Handle(), 0,
                 0, frame->Width(), frame->Height(), tk::ColorToRGB(SkinKeyColour));
}

void TSkinControl::DrawStripFrameMasked(HDC dc, const RECT& rect, int frameCount, int frameIndex, tk::TBitmap& bitmap) {
  if (Inverted(rect)) return;
  DrawFrameStretched(dc, rect, bitmap, true, frameCount, frameIndex);
}

// ---------------------------------------------------------------------------------------------
// Property access by name

int64_t GetIntProp(const tk::TObject* obj, std::string_view name) {
  if (!obj) return -1;
  const tk::TPropInfo* prop = tk::FindPropInfo(obj, name);
  if (!prop || prop->kind != tk::TTypeKind::Integer) return -1;
  return tk::GetOrdProp(obj, name).value_or(-1);
}

std::string GetEnumText(const tk::TObject* obj, std::string_view name) {
  if (!obj) return {};
  const tk::TPropInfo* prop = tk::FindPropInfo(obj, name);
  if (!prop || (prop->kind != tk::TTypeKind::Enumeration && prop->kind != tk::TTypeKind::Boolean)) return {};
  return tk::GetEnumProp(obj, name);
}

std::wstring GetTextProp(const tk::TObject* obj, std::string_view name) {
  if (!obj) return {};
  const tk::TPropInfo* prop = tk::FindPropInfo(obj, name);
  if (!prop || prop->kind != tk::TTypeKind::String) return {};
  return tk::GbkToWide(tk::GetStrProp(obj, name));
}

tk::TObject* GetObjectProp(const tk::TObject* obj, std::string_view name, const tk::TClassInfo* ofClass) {
  if (!obj) return nullptr;
  return tk::GetObjectProp(obj, name, ofClass);
}

void SetPropText(tk::TObject* obj, std::string_view name, std::string_view value) {
  if (!obj) return;
  const tk::TPropInfo* prop = tk::FindPropInfo(obj, name);
  if (!prop) return;
  switch (prop->kind) {
    case tk::TTypeKind::Integer: {
      int64_t number = 0;
      const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), number);
      if (error == std::errc() && end == value.data() + value.size()) tk::SetOrdProp(obj, name, number);
      break;
    }
    case tk::TTypeKind::Enumeration:
    case tk::TTypeKind::Boolean:
    case tk::TTypeKind::String:
      tk::SetPropText(obj, name, value);
      break;
    default:
      break;
  }
}

void PaintParentBackground(tk::TControl* control, HDC dc) {
  tk::TWinControl* parent = control ? control->Parent() : nullptr;
  // A parent without a window has nothing on the screen to show through.
  if (!parent || !parent->HandleAllocated()) return;
  const int saved = SaveDC(dc);
  POINT origin{};
  GetViewportOrgEx(dc, &origin);
  SetViewportOrgEx(dc, origin.x - control->Left(), origin.y - control->Top(), nullptr);
  IntersectClipRect(dc, control->Left(), control->Top(), control->Left() + control->Width(), control->Top() + control->Height());
  try {
    parent->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    parent->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
  } catch (...) {
    if (!control->Designing()) {
      RestoreDC(dc, saved);
      throw;
    }
  }
  RestoreDC(dc, saved);
}
