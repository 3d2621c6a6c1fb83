#include "TSkinScControl.h"

const tk::TClassInfo& TSkinScControl::StaticClass() {
  static const tk::TClassInfo info("TSkinScControl", &TSkinControl::StaticClass());
  return info;
}

TSkinScControl::TSkinScControl(tk::TComponent* owner) : TSkinControl(owner) {}

TSkinScControl::~TSkinScControl() = default;

void TSkinScControl::Attach(TWinSkinForm* form, TSkinData* skin, bool, tk::TCanvas* canvas) {
  AttachScrollBarControl(dynamic_cast<tk::TControl*>(Owner()), skin, form, canvas);
}

void TSkinScControl::AttachScrollBarControl(tk::TControl* control, TSkinData* skin, TWinSkinForm* form, tk::TCanvas* canvas) {
  auto* windowed = dynamic_cast<tk::TWinControl*>(control);
  if (Attached || !windowed || control != Owner()) return;
  TSkinControl::Attach(form, skin, false, canvas);
  Bar = std::make_unique<TWScrollbar>(this);
  Bar->AttachTo(this, windowed, sbkControl);
  if (!control->Visible()) Bar->HideBar();
}

void TSkinScControl::Unskin() {
  TSkinControl::Unskin();
  if (State != psWindowDestroyed) Bar.reset();
}

void TSkinScControl::AfterMessage(tk::TMessage& msg) {
  switch (msg.Msg) {
    case WM_WINDOWPOSCHANGED:
      if (Bar) Bar->Reposition(Handle);
      break;
    case WM_NCPAINT:
      // The control may have a new window by now.
      if (auto* windowed = dynamic_cast<tk::TWinControl*>(Control)) Handle = windowed->HandleIfAllocated();
      if (Bar) Bar->Reposition(Handle);
      break;
    case SBM_SETSCROLLINFO:
    case tk::CN_VSCROLL:
    case tk::CN_HSCROLL:
      if (Bar) Bar->Invalidate();
      break;
    case tk::CM_VISIBLECHANGED:
      if (!Bar) break;
      if (msg.WParam) Bar->Reposition(Handle);
      else Bar->HideBar();
      break;
    case tk::CM_ENABLEDCHANGED:
      if (Bar && Control) Bar->SetEnabled(Control->Enabled());
      TSkinControl::AfterMessage(msg);
      break;
    default:
      TSkinControl::AfterMessage(msg);
      break;
  }
}

void TSkinScControl::Draw(HDC, const RECT&) {
  if (Bar) Bar->Invalidate();
}
