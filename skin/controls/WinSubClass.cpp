#include "WinSubClass.h"

#include <windowsx.h>

#include <algorithm>
#include <charconv>

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
  RestoreWindowProc();
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
}

void TSkinControl::RestoreWindowProc() {
  if (!FControlWindowProcTaken) return;
  FControlWindowProcTaken = false;
  // A control that is being destroyed has no procedure left to give back.
  if (Control && !Control->Destroying()) Control->WindowProc = std::move(OldWindowProc);
  OldWindowProc = nullptr;
}

// ---------------------------------------------------------------------------------------------
// Attaching

void TSkinControl::Attach(TWinSkinForm* form, TSkinData* skin, bool recolour, tk::TCanvas* canvas) {
  if (Attached) return;
  Recolour = recolour;
  SkinData = skin;
  Form = form;
  Canvas = canvas;
  Control = dynamic_cast<tk::TControl*>(Owner());
  if (!Control) return;
  if (auto* windowed = dynamic_cast<tk::TWinControl*>(Control)) Handle = windowed->Handle();
  UnicodeWindow = Handle && IsWindowUnicode(Handle);
  OldWindowProc = Control->WindowProc;
  Control->WindowProc = [this](tk::TMessage& m) { NewWndProc(m); };
  FControlWindowProcTaken = true;
  if (Form) {
    Form->AddPainter(this);
    FreeNotification(Form);
  }
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
  Form = form;
  Handle = handle;
  IsEnabled = true;
  Mode = 0;
  if (Form) {
    Form->AddPainter(this);
    FreeNotification(Form);
  }
  UnicodeWindow = IsWindowUnicode(handle) != FALSE;
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(handle)) + 1, L'\0');
  text.resize(static_cast<size_t>(std::max(GetWindowTextW(handle, text.data(), static_cast<int>(text.size())), 0)));
  Caption = text;
  FSubclass.Install(handle);
  InvalidateRect(handle, nullptr, TRUE);
  Attached = true;
  State = psAttached;
}

void TSkinControl::Unskin() {
  if (!Active) return;
  Active = false;
  if (State == psWindowDestroyed) return;
  if (Recolour && Control && !Control->Destroying()) {
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

LRESULT TSkinControl::SubclassProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  tk::TMessage m{msg, wParam, lParam, 0};
  NewWndProc(m);
  return m.Result;
}

void TSkinControl::NewWndProc(tk::TMessage& msg) {
  if (msg.Msg == SKM_SETACTIVE) {
    const bool on = msg.WParam > 0;
    const bool turnedOn = on && !Active;
    Active = on;
    if (turnedOn) Repaint();
    return;
  }
  if (!Active) {
    CallDefault(msg);
    return;
  }
  if (msg.Msg == tk::CM_RECREATEWND && Control) {
    // The control makes a new window: keep painting it.
    CallDefault(msg);
    if (auto* windowed = dynamic_cast<tk::TWinControl*>(Control)) Handle = windowed->HandleIfAllocated();
    if (Handle) {
      UnicodeWindow = IsWindowUnicode(Handle) != FALSE;
      State = psAttached;
      InvalidateRect(Handle, nullptr, TRUE);
    }
    return;
  }
  try {
    if (BeforeMessage(msg)) {
      CallDefault(msg);
      AfterMessage(msg);
    }
  } catch (...) {
    // A painter's failure must not reach the control's caller; the control still gets its message
    // when the painter failed before passing it on.
  }
}

void TSkinControl::CallDefault(tk::TMessage& msg) {
  if (OldWindowProc) {
    OldWindowProc(msg);
    return;
  }
  if (FSubclass.Installed() || msg.Msg == WM_NCDESTROY)
    msg.Result = TWindowSubclass::CallPrevious(Handle, msg.Msg, msg.WParam, msg.LParam);
}

bool TSkinControl::BeforeMessage(tk::TMessage& msg) {
  switch (msg.Msg) {
    case WM_NCDESTROY:
      State = psWindowDestroyed;
      CallDefault(msg);
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
    default:
      break;
  }
}

void TSkinControl::PaintNow(HDC dc) {
  RECT r{};
  if (!Handle || !GetWindowRect(Handle, &r)) return;
  WindowRect = r;
  const RECT local{0, 0, r.right - r.left, r.bottom - r.top};
  try {
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
  if (SkinData) FillColor(dc, rect, SkinData->Colors[scButtonFace]);
}

void TSkinControl::FillParentColor(HDC dc, const RECT& rect) {
  FillColor(dc, rect, ParentColor(SkinData ? SkinData->Colors[scButtonFace] : tk::clBtnFace));
}

tk::TColor TSkinControl::ParentColor(tk::TColor fallback) const {
  tk::TControl* parent = Control ? Control->Parent() : nullptr;
  if (!parent) return fallback;
  const tk::TPropInfo* prop = tk::FindPropInfo(parent, "Color");
  if (!prop || prop->kind != tk::TTypeKind::Integer) return fallback;
  return static_cast<tk::TColor>(GetIntProp(parent, "Color"));
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
  int x = GET_X_LPARAM(msg.LParam), y = GET_Y_LPARAM(msg.LParam);
  // Beyond 32768 pixels the message's 16-bit coordinates wrap: ask the cursor instead.
  if (Control->Width() > 32768 || Control->Height() > 32768) {
    POINT p{};
    GetCursorPos(&p);
    if (Handle) ScreenToClient(Handle, &p);
    x = p.x;
    y = p.y;
  }
  Control->MouseDown(tk::TMouseButton::mbLeft, tk::KeysToShiftState(msg.WParam), x, y);
}

void TSkinControl::SetParentBackground(bool on) {
  if (!Control || (SkinData && SkinData->Options().Contains(TSkinOption::xoParentBackGround))) return;
  if (!tk::FindPropInfo(Control, "ParentBackground")) return;
  if (on) {
    std::string value = GetEnumText(Control, "ParentBackground");
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
  GetWindowRect(Handle, &r);
  WindowRect = r;
  const RECT local{0, 0, r.right - r.left, r.bottom - r.top};
  if (msg.WParam) {
    Draw(reinterpret_cast<HDC>(msg.WParam), local);
  } else {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(Handle, &ps);
    try {
      Draw(dc, local);
    } catch (...) {
    }
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
  const tk::TControl* source = Control ? Control : Companion;
  if (source && source->BiDiMode() == tk::TBiDiMode::bdRightToLeft) format |= DT_RTLREADING;
  return format;
}

void TSkinControl::DrawElement(HDC dc, const RECT& rect, int frameCount, int frameIndex, TDataSkinObject& element) {
  if (rect.right < rect.left || rect.bottom < rect.top) return;
  DrawBitmapFrame(dc, rect, element.Bitmap, false, element.Tile == 1, element.Trans, frameCount, frameIndex, element.Margins());
}

void TSkinControl::DrawStripFrameDC(HDC dc, const RECT& rect, int frameCount, int frameIndex, tk::TBitmap& bitmap) {
  if (rect.right < rect.left || rect.bottom < rect.top) return;
  tk::TCanvas canvas(dc);
  DrawStripFrameCanvas(canvas, rect, frameCount, frameIndex, bitmap);
}

void TSkinControl::DrawStripFrameCanvas(tk::TCanvas& canvas, const RECT& rect, int frameCount, int frameIndex, tk::TBitmap& bitmap) {
  if (rect.right < rect.left || rect.bottom < rect.top) return;
  DrawFrameStretched(canvas.Handle(), rect, bitmap, true, frameCount, frameIndex);
}

void TSkinControl::DrawStripFrameMasked(HDC dc, const RECT& rect, int frameCount, int frameIndex, tk::TBitmap& bitmap) {
  if (rect.right < rect.left || rect.bottom < rect.top) return;
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
  if (!obj || !tk::FindPropInfo(obj, name)) return;
  tk::SetPropText(obj, name, value);
}

void PaintParentBackground(tk::TControl* control, HDC dc) {
  tk::TWinControl* parent = control ? control->Parent() : nullptr;
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
