#include "SkinMP.h"

#include "Messages.h"
#include "WMediaPlayer.h"
#include "WinSkinForm.h"

const tk::TClassInfo& TSkinMP::StaticClass() {
  static const tk::TClassInfo info("TSkinMP", &TSkinControl::StaticClass());
  return info;
}

TSkinMP::~TSkinMP() { FreePanel(); }

void TSkinMP::Attach(TWinSkinForm* form, TSkinData* skin, bool recolour, tk::TCanvas* canvas) {
  if (Attached) return;
  TSkinControl::Attach(form, skin, recolour, canvas);
  if (!Control || !Control->Parent()) return;
  // Owned by the form painter: it goes with the skin even if this painter is never freed.
  FPanel = new TWMediaPlayer(form ? static_cast<tk::TComponent*>(form) : this);
  FreeNotification(FPanel);
  FPanel->Painter = this;
  FPanel->Player = Control;
  FPanel->SetVisible(Control->Visible());
  FPanel->SetParent(Control->Parent());
  FollowControl();
}

void TSkinMP::FollowControl() {
  if (!FPanel || !Control) return;
  FPanel->SetBounds(Control->Left(), Control->Top(), Control->Width(), Control->Height());
  if (HWND panel = FPanel->HandleIfAllocated())
    SetWindowPos(panel, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TSkinMP::Unskin() {
  const bool windowGoing = State == psWindowDestroyed;
  TSkinControl::Unskin();
  if (!windowGoing) FreePanel();
}

void TSkinMP::FreePanel() {
  if (!FPanel) return;
  TWMediaPlayer* panel = FPanel;
  FPanel = nullptr;
  panel->Painter = nullptr;
  RemoveFreeNotification(panel);
  tk::TComponent::Free(panel);
}

void TSkinMP::AfterMessage(tk::TMessage& msg) {
  TSkinControl::AfterMessage(msg);
  switch (msg.Msg) {
    case WM_WINDOWPOSCHANGED:
      FollowControl();
      break;
    case tk::CM_VISIBLECHANGED:
      if (FPanel && Control) FPanel->SetVisible(Control->Visible());
      break;
    default:
      break;
  }
}

void TSkinMP::SkinChanged() {
  TSkinControl::SkinChanged();
  if (FPanel) FPanel->Invalidate();
}

void TSkinMP::Notification(tk::TComponent* component, tk::TOperation operation) {
  if (operation == tk::TOperation::opRemove && component == FPanel) FPanel = nullptr;
  TSkinControl::Notification(component, operation);
}
