// Attaching the combo box painter, its edit part and list scroll painters, and its messages.
#include "SkinComBox.h"

#include <windowsx.h>

#include "ComboListScroll.h"

const tk::TClassInfo& TSkinComBox::StaticClass() {
  static const tk::TClassInfo info("TSkinComBox", &TSkinControl::StaticClass());
  return info;
}

TSkinComBox::TSkinComBox(tk::TComponent* owner) : TSkinControl(owner) {}

TSkinComBox::~TSkinComBox() {
  if (FEditAlive) *FEditAlive = false;
  ReleaseEdit();
  FreeScrollPainters();
}

void TSkinComBox::Notification(tk::TComponent* component, tk::TOperation operation) {
  TSkinControl::Notification(component, operation);
  if (operation != tk::TOperation::opRemove) return;
  if (component == ListScroll) ListScroll = nullptr;
  if (component == DropScroll) DropScroll = nullptr;
}

// ---------------------------------------------------------------------------------------------
// Attaching

void TSkinComBox::Attach(TWinSkinForm* form, TSkinData* skin, bool recolour, tk::TCanvas* canvas) {
  if (Attached) return;
  TSkinControl::Attach(form, skin, recolour, canvas);
  if (!Attached || !Handle) return;
  ComboStyle = static_cast<DWORD>(WindowLong(Handle, GWL_STYLE));
  AttachLists(true);
}

void TSkinComBox::AttachWindow(HWND handle, TSkinData* skin, TWinSkinForm* form, tk::TCanvas* canvas) {
  if (Attached) return;
  TSkinControl::AttachWindow(handle, skin, form, canvas);
  if (!Attached || !Handle) return;
  ComboStyle = static_cast<DWORD>(WindowLong(Handle, GWL_STYLE));
  AttachLists(false);
}

void TSkinComBox::AttachLists(bool toolkitControl) {
  ListScroll = nullptr;
  if ((ComboStyle & 3) != CBS_SIMPLE) {
    if (toolkitControl) AttachDropScroll();
    SubclassEdit();
    ListWindow = nullptr;
    return;
  }
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  if (!GetComboBoxInfo(Handle, &info)) return;
  ListWindow = info.hwndList;
  if (!toolkitControl || !ListWindow) return;
  const LONG_PTR listStyle = GetWindowLongPtrW(ListWindow, GWL_STYLE);
  if ((listStyle & WS_POPUP) || GetParent(ListWindow) == GetDesktopWindow() || !(listStyle & WS_CHILD)) return;
  ListScroll = AttachComboListScroll(Owner(), ListWindow, SkinData, Form, Canvas);
  if (ListScroll) FreeNotification(ListScroll);
}

void TSkinComBox::AttachDropScroll() {
  if (!(ComboStyle & CBS_DROPDOWN)) return;
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  if (!GetComboBoxInfo(Handle, &info) || !info.hwndList) return;
  DropScroll = AttachComboDropScroll(Owner(), info.hwndList, SkinData, Form, Canvas);
  if (DropScroll) FreeNotification(DropScroll);
}

// The edit part reports clicks and paints that the box itself does not see. The subclass works
// for ANSI and Unicode windows alike, so every editable box gets it.
void TSkinComBox::SubclassEdit() {
  EditChild = GetTopWindow(Handle);
  if (EditChild && !FEditSubclass.Install(EditChild)) EditChild = nullptr;
}

void TSkinComBox::ReleaseEdit() {
  FEditSubclass.Remove();
  EditChild = nullptr;
}

void TSkinComBox::FreeScrollPainters() {
  for (TSkinControl** painter : {&ListScroll, &DropScroll}) {
    TSkinControl* p = *painter;
    *painter = nullptr;
    if (!p) continue;
    p->Unskin();
    tk::TComponent::Free(p);
  }
}

void TSkinComBox::Unskin() {
  TSkinControl::Unskin();
  ReleaseEdit();
  FreeScrollPainters();
}

// ---------------------------------------------------------------------------------------------
// Messages

LRESULT TSkinComBox::TEditHook::SubclassProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  bool alive = true;
  bool* const outer = FOwner.FEditAlive;
  FOwner.FEditAlive = &alive;
  const LRESULT result = TWindowSubclass::CallPrevious(wnd, msg, wParam, lParam);
  if (!alive) {
    if (outer) *outer = false;
    return result;
  }
  FOwner.FEditAlive = outer;
  try {
    FOwner.EditMessage(msg);
  } catch (...) {
    // Nothing may unwind into the platform's frames.
  }
  return result;
}

void TSkinComBox::EditMessage(UINT msg) {
  if (!Active) return;
  switch (msg) {
    case WM_PAINT:
      PaintNow(nullptr);
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      SetPressed(true);
      break;
    case WM_LBUTTONUP:
      SetPressed(false);
      break;
    default:
      break;
  }
}

void TSkinComBox::AfterMessage(tk::TMessage& msg) {
  switch (msg.Msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      break;
    case WM_CREATE:
      // A new window (the control made it again): its edit part and lists are new too.
      ReleaseEdit();
      FreeScrollPainters();
      ComboStyle = static_cast<DWORD>(WindowLong(Handle, GWL_STYLE));
      AttachLists(!BareWindow());
      break;
    case WM_MOUSEMOVE:
      TrackHot(msg.LParam);
      break;
    case WM_DRAWITEM:
    case WM_NCPAINT:
      Repaint();
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      SetPressed(true);
      break;
    case WM_LBUTTONUP:
      SetPressed(false);
      break;
    case WM_MOUSELEAVE:
    case tk::CM_MOUSELEAVE:
      if (States & scsHot) {
        States &= static_cast<uint8_t>(~scsHot);
        Repaint();
      }
      break;
    case tk::CN_COMMAND:
      NoteListCommand(HIWORD(msg.WParam));
      break;
    default:
      TSkinControl::AfterMessage(msg);
      break;
  }
}

void TSkinComBox::TrackHot(LPARAM point) {
  const POINT p{GET_X_LPARAM(point), GET_Y_LPARAM(point)};
  const bool inside = PtInRect(&ButtonRect, p) != FALSE;
  const bool enabled = Handle && !(WindowLong(Handle, GWL_STYLE) & WS_DISABLED);
  if (!enabled) return;
  if ((States & scsHot) && !inside) {
    States &= static_cast<uint8_t>(~scsHot);
    Repaint();
  } else if (!(States & scsHot) && inside) {
    States |= scsHot;
    if (BareWindow()) {
      // Nobody else asks the system to say when the mouse leaves a bare window.
      TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, Handle, 0};
      TrackMouseEvent(&track);
    }
    Repaint();
  }
}

void TSkinComBox::SetPressed(bool pressed) {
  if (pressed) States |= scsPressed;
  else States &= static_cast<uint8_t>(~scsPressed);
  Repaint();
}

void TSkinComBox::NoteListCommand(WORD code) {
  switch (code) {
    case CBN_DROPDOWN:
      ListDropped = true;
      break;
    case CBN_CLOSEUP:
      ListDropped = false;
      // The button may have gone up over the list, which the box never hears of.
      if ((States & scsPressed) && GetKeyState(VK_LBUTTON) >= 0) SetPressed(false);
      break;
    default:
      break;
  }
}
