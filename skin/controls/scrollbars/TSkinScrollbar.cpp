#include "TSkinScrollbar.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "ScrollBarPaint.h"
#include "SkinMessages.h"
#include "WinSkinData.h"
#include "WinSkinForm.h"

namespace {

// The request a frame painter sends for a border drawn into the DC it passes.
constexpr UINT BorderRequest = SkinHandshakePaint;

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

bool IsDrawableDC(WPARAM wParam) { return wParam && GetObjectType(reinterpret_cast<HGDIOBJ>(wParam)) != 0; }

}  // namespace

const tk::TClassInfo& TSkinScrollbar::StaticClass() {
  static const tk::TClassInfo info("TSkinScrollbar", &TSkinControl::StaticClass());
  return info;
}

TSkinScrollbar::TSkinScrollbar(tk::TComponent* owner) : TSkinControl(owner) {}

TSkinScrollbar::~TSkinScrollbar() = default;

void TSkinScrollbar::Attach(TWinSkinForm* form, TSkinData* skin, bool, tk::TCanvas* canvas) {
  AttachScrollbars(dynamic_cast<tk::TControl*>(Owner()), skin, form, canvas);
}

void TSkinScrollbar::AttachScrollbars(tk::TControl* control, TSkinData* skin, TWinSkinForm* form, tk::TCanvas* canvas) {
  auto* windowed = dynamic_cast<tk::TWinControl*>(control);
  if (Attached || !windowed || control != Owner()) return;
  // The base takes the control's procedure over and lists the painter with the form painter.
  TSkinControl::Attach(form, skin, false, canvas);
  DrawBorder = Lower(::GetEnumText(control, "BorderStyle")) != "bsnone" && control->ClassName() != "TImageScrollBox" && Mode != 1;
  ApplyFixedColor();
  HorzBar = std::make_unique<TWScrollbar>(this);
  VertBar = std::make_unique<TWScrollbar>(this);
  HorzBar->AttachTo(this, windowed, sbkHorizontal);
  VertBar->AttachTo(this, windowed, sbkVertical);
  HorzBar->SetEnabled(control->Enabled());
  VertBar->SetEnabled(control->Enabled());
  if (!control->Visible()) HideBars();
  // The border replaces the sunken edge at once.
  if (Handle) SetWindowPos(Handle, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void TSkinScrollbar::ApplyFixedColor() {
  const tk::TPropInfo* prop = tk::FindPropInfo(Control, "FixedColor");
  if (!prop || prop->kind != tk::TTypeKind::Integer || !SkinData) return;
  SavedColor = static_cast<tk::TColor>(::GetIntProp(Control, "FixedColor"));
  Recolour = true;
  ::SetPropText(Control, "FixedColor", std::to_string(SkinData->Colors[scButtonFace]));
}

void TSkinScrollbar::Unskin() {
  if (Recolour && Control && State != psWindowDestroyed) ::SetPropText(Control, "FixedColor", std::to_string(SavedColor));
  Recolour = false;
  TSkinControl::Unskin();
  // A window being destroyed keeps its covers until the painter is remade for the new window.
  if (State == psWindowDestroyed) return;
  HorzBar.reset();
  VertBar.reset();
  if (Handle) SetWindowPos(Handle, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void TSkinScrollbar::SkinChanged() {
  if (Recolour && SkinData) ::SetPropText(Control, "FixedColor", std::to_string(SkinData->Colors[scButtonFace]));
  else ApplyFixedColor();
  Repaint();
  if (HorzBar) HorzBar->Invalidate();
  if (VertBar) VertBar->Invalidate();
}

void TSkinScrollbar::RepositionBars() {
  if (HorzBar) HorzBar->Reposition(Handle);
  if (VertBar) VertBar->Reposition(Handle);
}

void TSkinScrollbar::HideBars() {
  if (HorzBar) HorzBar->HideBar();
  if (VertBar) VertBar->HideBar();
}

// ---------------------------------------------------------------------------------------------
// Messages

bool TSkinScrollbar::BeforeMessage(tk::TMessage& msg) {
  switch (msg.Msg) {
    case WM_NCPAINT:
      if (!DrawBorder) return true;
      OnNCPaint(msg);
      return false;
    default:
      return TSkinControl::BeforeMessage(msg);
  }
}

void TSkinScrollbar::AfterMessage(tk::TMessage& msg) {
  switch (msg.Msg) {
    case WM_SIZE:
    case WM_WINDOWPOSCHANGED:
      RepositionBars();
      break;
    case WM_HSCROLL:
      OnScroll(HorzBar.get(), msg);
      break;
    case WM_VSCROLL:
      OnScroll(VertBar.get(), msg);
      break;
    case WM_MOUSEWHEEL:
      if (HorzBar) HorzBar->Invalidate();
      if (VertBar) VertBar->Invalidate();
      break;
    case tk::CM_VISIBLECHANGED:
      OnVisibleChanged(msg);
      break;
    case tk::CM_ENABLEDCHANGED:
      OnEnabledChanged();
      TSkinControl::AfterMessage(msg);
      break;
    case tk::CM_RECREATEWND:
      OnRecreateWnd();
      break;
    case BorderRequest:
      if (msg.LParam == SkinHandshakeTag) OnBorderRequest(msg);
      else TSkinControl::AfterMessage(msg);
      break;
    default:
      TSkinControl::AfterMessage(msg);
      break;
  }
}

void TSkinScrollbar::OnNCPaint(tk::TMessage& msg) {
  CallDefault(msg);
  if (!Handle) return;
  tk::WindowDC dc(Handle, true);
  PaintBorder(dc.Get());
}

void TSkinScrollbar::PaintBorder(HDC dc) {
  RECT r{};
  if (!Handle || !GetWindowRect(Handle, &r) || !SkinData) return;
  OffsetRect(&r, -r.left, -r.top);
  tk::UniqueBrush shadow(CreateSolidBrush(tk::ColorToRGB(SkinData->Colors[scButtonShadow])));
  tk::UniqueBrush face(CreateSolidBrush(tk::ColorToRGB(SkinData->Colors[scButtonFace])));
  FrameRect(dc, &r, shadow.Get());
  InflateRect(&r, -1, -1);
  FrameRect(dc, &r, face.Get());
}

void TSkinScrollbar::OnScroll(TWScrollbar* bar, const tk::TMessage& msg) {
  if (!bar) return;
  bar->HotPart = LOWORD(msg.WParam);
  bar->Invalidate();
}

void TSkinScrollbar::OnVisibleChanged(const tk::TMessage& msg) {
  if (msg.WParam) RepositionBars();
  else HideBars();
}

void TSkinScrollbar::OnEnabledChanged() {
  const bool enabled = Control && Control->Enabled();
  if (HorzBar) HorzBar->SetEnabled(enabled);
  if (VertBar) VertBar->SetEnabled(enabled);
}

void TSkinScrollbar::OnRecreateWnd() {
  if (!Control || !Form) return;
  // The control has its new window now; the form painter makes this painter again for it.
  auto* windowed = dynamic_cast<tk::TWinControl*>(Control);
  HWND current = windowed ? windowed->HandleIfAllocated() : Handle;
  PostMessageW(Form->Wnd, SKM_RESKINSCROLL, reinterpret_cast<WPARAM>(current), 0);
}

void TSkinScrollbar::OnBorderRequest(tk::TMessage& msg) {
  if (IsDrawableDC(msg.WParam)) PaintBorder(reinterpret_cast<HDC>(msg.WParam));
  msg.Result = SkinHandshakeTag;
}

// ---------------------------------------------------------------------------------------------
// Painting

void TSkinScrollbar::Draw(HDC dc, const RECT&) {
  const LONG_PTR style = Handle ? WindowLong(Handle, GWL_STYLE) : 0;
  for (auto [bar, styleBit] : {std::pair{VertBar.get(), WS_VSCROLL}, std::pair{HorzBar.get(), WS_HSCROLL}}) {
    if (!bar) continue;
    if (bar->Shown) bar->Invalidate();
    else if (style & styleBit) bar->Reposition(Handle);
  }
  FillCorner(dc);
}

void TSkinScrollbar::FillCorner(HDC dc) {
  if (!HorzBar || !VertBar || !HorzBar->Shown || !VertBar->Shown || !Handle || !SkinData) return;
  FillBarCorner(dc, Handle, SkinData->Colors[scButtonFace]);
}
