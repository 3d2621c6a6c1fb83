#include "Forms.h"

#include <algorithm>

#include "Application.h"
#include "Encoding.h"
#include "LayoutReader.h"
#include "Menus.h"
#include "Text.h"

namespace tk {

namespace {

// Sends a message to every control inside `container`, depth first; stops at the first non-zero
// answer when asked to. A control freed by a handler is skipped.
LRESULT BroadcastToControls(TWinControl& container, UINT message, WPARAM wParam, LPARAM lParam, bool stopAtAnswer) {
  // Looked up in the list, never through the pointer: it may name a freed control.
  auto stillThere = [&container](const TControl* control) {
    const auto& list = container.ControlList();
    return std::find(list.begin(), list.end(), control) != list.end();
  };
  const std::vector<TControl*> controls = container.ControlList();
  for (TControl* control : controls) {
    if (!stillThere(control)) continue;
    const LRESULT answer = control->Perform(message, wParam, lParam);
    if (stopAtAnswer && answer != 0) return answer;
    if (!stillThere(control)) continue;
    if (auto* inner = dynamic_cast<TWinControl*>(control)) {
      const LRESULT innerAnswer = BroadcastToControls(*inner, message, wParam, lParam, stopAtAnswer);
      if (stopAtAnswer && innerAnswer != 0) return innerAnswer;
    }
  }
  return 0;
}

}  // namespace

const TClassInfo& TCustomForm::StaticClass() {
  static const TClassInfo info = [] {
    TClassInfo c("TCustomForm", &TWinControl::StaticClass());
    c.Property("BorderStyle", &TCustomForm::BorderStyle, &TCustomForm::SetBorderStyle);
    c.Property("BorderIcons", &TCustomForm::BorderIcons, &TCustomForm::SetBorderIcons);
    c.Property("Position", &TCustomForm::Position, &TCustomForm::SetPosition);
    c.Property("FormStyle", &TCustomForm::FormStyle, &TCustomForm::SetFormStyle);
    c.Property("KeyPreview", &TCustomForm::KeyPreview, &TCustomForm::SetKeyPreview);
    c.Property("Menu", &TCustomForm::Menu, &TCustomForm::SetMenu);
    c.Property("ActiveControl", &TCustomForm::ActiveControl, &TCustomForm::SetActiveControl);
    c.Property("TileMode", &TCustomForm::TileMode, &TCustomForm::SetTileMode);
    c.Property("WindowMenu", &TCustomForm::WindowMenu, &TCustomForm::SetWindowMenu);
    c.Event("OnCreate", &TCustomForm::OnCreate);
    c.Event("OnShow", &TCustomForm::OnShow);
    c.Event("OnHide", &TCustomForm::OnHide);
    c.Event("OnActivate", &TCustomForm::OnActivate);
    c.Event("OnDeactivate", &TCustomForm::OnDeactivate);
    c.Event("OnClose", &TCustomForm::OnClose);
    c.Event("OnCloseQuery", &TCustomForm::OnCloseQuery);
    c.Event("OnDestroy", &TCustomForm::OnDestroy);
    return c;
  }();
  return info;
}

const TClassInfo& TForm::StaticClass() {
  static const TClassInfo info("TForm", &TCustomForm::StaticClass());
  return info;
}

namespace {
std::vector<TCustomForm*>& ScreenFormList() {
  static std::vector<TCustomForm*> forms;
  return forms;
}
}  // namespace

const std::vector<TCustomForm*>& ScreenForms() { return ScreenFormList(); }

TCustomForm::TCustomForm(TComponent* owner) : TWinControl(owner) {
  ScreenFormList().push_back(this);
  visible_ = false;
  color_ = clBtnFace;
  brush_.SetColor(color_);
  width_ = 320;
  height_ = 240;
}

TCustomForm::~TCustomForm() {
  // A child of a frame leaves through its client while it is still a form (see DestroyWindowHandle).
  if (IsMDIChild()) DestroyHandle();
  // The menu outlives this part of the form (owned components go last): let it forget us.
  if (menu_) menu_->SetOwnerForm(nullptr);
  if (Application) Application->RemoveForm(this);
  std::erase(ScreenFormList(), this);
}

void TCustomForm::ReadLayoutResource() {
  ReadComponentResource(*this, GbkToWide(UpperCase(ClassName())));
}

void TCustomForm::AfterConstruction() {
  if (created_) return;
  created_ = true;
  // A failing OnCreate is reported like any handler's failure; the form still comes up.
  try {
    if (OnCreate) OnCreate(this);
  } catch (...) {
    HandleException(std::current_exception());
  }
}

void TCustomForm::BeforeDestruction() {
  // A frame's children go first, while their client is still there.
  if (IsMDIForm()) FreeMDIChildren();
  // A form being destroyed is no longer on the screen's list.
  std::erase(ScreenFormList(), this);
  if (OnDestroy) OnDestroy(this);
}

void TCustomForm::Notification(TComponent* component, TOperation operation) {
  TWinControl::Notification(component, operation);
  if (operation != TOperation::opRemove) return;
  if (component == activeControl_) activeControl_ = nullptr;
  if (component == windowMenu_) windowMenu_ = nullptr;
  if (component == menu_) {
    menu_ = nullptr;
    // Whoever draws the menu bar must let go of the items now.
    if (handle_ && !Destroying()) SendMessageW(handle_, CM_MENUCHANGED, 0, 0);
  }
}

void TCustomForm::SetBorderStyle(TFormBorderStyle v) {
  if (v == borderStyle_) return;
  borderStyle_ = v;
  if (handle_) RecreateWnd();
}

void TCustomForm::SetBorderIcons(TBorderIcons v) {
  if (v == borderIcons_) return;
  borderIcons_ = v;
  if (handle_) RecreateWnd();
}

void TCustomForm::SetMenu(TMainMenu* menu) {
  if (menu == menu_) return;
  menu_ = menu;
  if (menu_) {
    menu_->SetOwnerForm(this);
    FreeNotification(menu_);
  }
  if (handle_) {
    ::SetMenu(handle_, menu_ ? menu_->Handle() : nullptr);
    SendMessageW(handle_, CM_MENUCHANGED, 0, reinterpret_cast<LPARAM>(menu_));
    ApplyClientSize();
  }
}

void TCustomForm::SetActiveControl(TWinControl* control) {
  activeControl_ = control;
  if (control) FreeNotification(control);
  if (control && handle_ && Showing() && control->CanFocus()) ::SetFocus(control->Handle());
}

void TCustomForm::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.style = WS_CLIPCHILDREN;
  params.exStyle = 0;
  switch (borderStyle_) {
    case TFormBorderStyle::bsNone: params.style |= WS_POPUP; break;
    case TFormBorderStyle::bsSingle: params.style |= WS_CAPTION | WS_BORDER; break;
    case TFormBorderStyle::bsSizeable: params.style |= WS_CAPTION | WS_THICKFRAME; break;
    case TFormBorderStyle::bsDialog:
      params.style |= WS_POPUP | WS_CAPTION | WS_DLGFRAME;
      params.exStyle |= WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
      break;
    case TFormBorderStyle::bsToolWindow: params.style |= WS_CAPTION | WS_BORDER; params.exStyle |= WS_EX_TOOLWINDOW; break;
    case TFormBorderStyle::bsSizeToolWin: params.style |= WS_CAPTION | WS_THICKFRAME; params.exStyle |= WS_EX_TOOLWINDOW; break;
  }
  if (borderStyle_ != TFormBorderStyle::bsNone && borderIcons_.Contains(TBorderIcon::biSystemMenu)) {
    params.style |= WS_SYSMENU;
    if (borderStyle_ != TFormBorderStyle::bsDialog) {
      if (borderIcons_.Contains(TBorderIcon::biMinimize)) params.style |= WS_MINIMIZEBOX;
      if (borderIcons_.Contains(TBorderIcon::biMaximize)) params.style |= WS_MAXIMIZEBOX;
    }
  }
  if (formStyle_ == TFormStyle::fsStayOnTop) params.exStyle |= WS_EX_TOPMOST;
  params.wndParent = nullptr;
  if (IsMDIChild()) {
    // A window of the frame's client: a child with a caption, shown as it is made.
    params.style &= ~static_cast<DWORD>(WS_POPUP);
    params.style |= WS_CHILD | WS_CLIPSIBLINGS;
    if (visible_) params.style |= WS_VISIBLE;
    params.exStyle |= WS_EX_MDICHILD;
    if (position_ == TPosition::poDefault || position_ == TPosition::poDefaultPosOnly) params.x = params.y = CW_USEDEFAULT;
    if (position_ == TPosition::poDefault || position_ == TPosition::poDefaultSizeOnly)
      params.width = params.height = CW_USEDEFAULT;
  }
}

void TCustomForm::InitializeWnd() {
  // A child window has no menu bar of its own.
  if (menu_ && !IsMDIChild()) ::SetMenu(handle_, menu_->Handle());
  if (IsMDIForm()) CreateMDIClient();
  TWinControl::InitializeWnd();
  ApplyClientSize();
}

void TCustomForm::SaveWndState() {
  // A window destroys the menu it shows; the menu object keeps its own.
  if (menu_ && handle_ && !IsMDIChild()) ::SetMenu(handle_, nullptr);
  TWinControl::SaveWndState();
}

void TCustomForm::Loaded() {
  TWinControl::Loaded();
  Realign();
}

RECT TCustomForm::ClientRect() const {
  if (handle_) return TWinControl::ClientRect();
  if (wantedClientWidth_ >= 0) return RECT{0, 0, wantedClientWidth_, wantedClientHeight_ >= 0 ? wantedClientHeight_ : height_};
  return RECT{0, 0, width_, height_};
}

void TCustomForm::SetClientSize(int width, int height) {
  wantedClientWidth_ = width;
  wantedClientHeight_ = height;
  if (handle_) ApplyClientSize();
  else Realign();
}

void TCustomForm::ApplyClientSize() {
  if (!handle_ || wantedClientWidth_ < 0) return;
  RECT client;
  GetClientRect(handle_, &client);
  RECT window;
  GetWindowRect(handle_, &window);
  const int w = (window.right - window.left) + wantedClientWidth_ - client.right;
  const int h = (window.bottom - window.top) + (wantedClientHeight_ >= 0 ? wantedClientHeight_ - client.bottom : 0);
  SetWindowPos(handle_, nullptr, 0, 0, w, h, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  // A menu bar that wraps changes the client height once more; settle it.
  GetClientRect(handle_, &client);
  if (wantedClientHeight_ >= 0 && client.bottom != wantedClientHeight_) {
    GetWindowRect(handle_, &window);
    SetWindowPos(handle_, nullptr, 0, 0, window.right - window.left,
                 (window.bottom - window.top) + wantedClientHeight_ - client.bottom, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

void TCustomForm::CenterOnScreen() {
  RECT work;
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  RECT r;
  GetWindowRect(handle_, &r);
  const int w = r.right - r.left, h = r.bottom - r.top;
  const int x = work.left + ((work.right - work.left) - w) / 2;
  const int y = work.top + ((work.bottom - work.top) - h) / 2;
  centredAt_ = POINT{std::max<int>(x, work.left), std::max<int>(y, work.top)};
  keepCentred_ = true;
  centring_ = true;
  SetWindowPos(handle_, nullptr, centredAt_.x, centredAt_.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  centring_ = false;
}

void TCustomForm::KeepCentred(const WINDOWPOS& pos) {
  if (!keepCentred_ || centring_) return;
  if (!(pos.flags & SWP_NOMOVE) && (pos.x != centredAt_.x || pos.y != centredAt_.y)) {
    keepCentred_ = false;
    return;
  }
  if (!(pos.flags & SWP_NOSIZE) && !IsIconic(handle_) && !IsZoomed(handle_)) CenterOnScreen();
}

void TCustomForm::Show() {
  visible_ = true;
  Handle();
  if (!shownOnce_) {
    shownOnce_ = true;
    if (position_ == TPosition::poScreenCenter || position_ == TPosition::poDesktopCenter ||
        position_ == TPosition::poMainFormCenter || position_ == TPosition::poOwnerFormCenter)
      CenterOnScreen();
  }
  ShowWindow(handle_, SW_SHOW);
  if (IsMDIChild()) {
    if (HWND client = GetParent(handle_)) SendMessageW(client, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(handle_), 0);
  } else {
    SetForegroundWindow(handle_);
  }
  if (activeControl_ && activeControl_->CanFocus()) ::SetFocus(activeControl_->Handle());
  else if (TWinControl* first = FindNextControl(nullptr, true, true, false)) ::SetFocus(first->Handle());
}

bool TCustomForm::Showing() const { return visible_ && handle_ && IsWindowVisible(handle_); }

bool TCustomForm::CloseQuery() {
  bool canClose = true;
  if (OnCloseQuery) OnCloseQuery(this, canClose);
  return canClose;
}

void TCustomForm::DoClose(TCloseAction& action) {
  if (OnClose) OnClose(this, action);
}

void TCustomForm::Close() {
  if (!CloseQuery()) return;
  // A child of a frame is closed for good: hiding it would leave the frame's client out of step.
  TCloseAction action = IsMDIChild() ? TCloseAction::caFree : TCloseAction::caHide;
  DoClose(action);
  if (action == TCloseAction::caNone) return;
  if (Application && Application->MainForm() == this) {
    Application->Terminate();
    return;
  }
  switch (action) {
    case TCloseAction::caHide: Hide(); break;
    case TCloseAction::caMinimize: if (handle_) ShowWindow(handle_, SW_MINIMIZE); break;
    case TCloseAction::caFree: Release(); break;
    default: break;
  }
}

void TCustomForm::Release() {
  if (handle_) PostMessageW(handle_, CM_RELEASE, 0, 0);
}

void TCustomForm::FocusControl(TWinControl* control) {
  if (!control) return;
  activeControl_ = control;
  FreeNotification(control);
  if (handle_ && control->CanFocus()) ::SetFocus(control->Handle());
}

void TCustomForm::SetFocusedControl(TWinControl* control) {
  if (control == activeControl_ && control) {
    Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(control));
    return;
  }
  TWinControl* previous = activeControl_;
  activeControl_ = control;
  if (control) FreeNotification(control);
  if (previous) {
    previous->Perform(CM_EXIT);
    if (previous->OnExit) previous->OnExit(previous);
  }
  Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(control));
  if (control) {
    control->Perform(CM_ENTER);
    if (control->OnEnter) control->OnEnter(control);
  }
}

void TCustomForm::DefocusControl(TWinControl* control) {
  if (activeControl_ && control && control->ContainsControl(activeControl_)) activeControl_ = nullptr;
}

bool TCustomForm::DoKeyDown(TMessage& msg) { return TWinControl::DoKeyDown(msg); }

TMenuItem* TCustomForm::FindMenuItem(UINT command) const {
  if (menu_)
    if (TMenuItem* item = menu_->FindItemByCommand(command)) return item;
  for (TComponent* c : ComponentList())
    if (auto* popup = dynamic_cast<TMenu*>(c))
      if (TMenuItem* item = popup->FindItemByCommand(command)) return item;
  return nullptr;
}

TMenuItem* TCustomForm::FindMenuItemByHandle(HMENU menu) const {
  if (menu_)
    if (TMenuItem* item = menu_->FindItemByHandle(menu)) return item;
  for (TComponent* c : ComponentList())
    if (auto* popup = dynamic_cast<TMenu*>(c))
      if (TMenuItem* item = popup->FindItemByHandle(menu)) return item;
  return nullptr;
}

TMenuItem* TCustomForm::FindMenuItemByIdentity(ULONG_PTR identity) const {
  if (menu_)
    if (TMenuItem* item = menu_->FindItemByIdentity(identity)) return item;
  for (TComponent* c : ComponentList())
    if (auto* popup = dynamic_cast<TMenu*>(c))
      if (TMenuItem* item = popup->FindItemByIdentity(identity)) return item;
  return nullptr;
}

bool TCustomForm::MeasureMenuItem(MEASUREITEMSTRUCT& item) {
  TMenuItem* menuItem = item.CtlType == ODT_MENU ? FindMenuItemByIdentity(item.itemData) : nullptr;
  if (!menuItem) return false;
  WindowDC dc(handle_);
  int width = static_cast<int>(item.itemWidth), height = static_cast<int>(item.itemHeight);
  menuItem->MeasureItem(dc.Get(), width, height);
  item.itemWidth = static_cast<UINT>(std::max(width, 0));
  item.itemHeight = static_cast<UINT>(std::max(height, 0));
  return true;
}

bool TCustomForm::DrawMenuItem(const DRAWITEMSTRUCT& item) {
  TMenuItem* menuItem = item.CtlType == ODT_MENU ? FindMenuItemByIdentity(item.itemData) : nullptr;
  if (!menuItem) return false;
  menuItem->DrawItem(item);
  return true;
}

void TCustomForm::PaintWindow(HDC dc) {}

void TCustomForm::WndProc(TMessage& msg) {
  switch (msg.Msg) {
    case WM_CLOSE:
      Close();
      msg.Result = 0;
      return;
    case WM_COMMAND:
      if (msg.LParam == 0) {
        if (TMenuItem* item = FindMenuItem(LOWORD(msg.WParam))) {
          item->Click();
          msg.Result = 0;
          return;
        }
      }
      break;
    case WM_MDIACTIVATE:
      if (IsMDIChild()) {
        MDIChildActivated(msg);
        return;
      }
      break;
    case WM_MEASUREITEM:
      // Owner-drawn items of this form's menus (controls' items carry their id in wParam).
      if (msg.WParam == 0 && MeasureMenuItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(msg.LParam))) {
        msg.Result = TRUE;
        return;
      }
      break;
    case WM_DRAWITEM:
      if (msg.WParam == 0 && DrawMenuItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(msg.LParam))) {
        msg.Result = TRUE;
        return;
      }
      break;
    case WM_INITMENUPOPUP:
      // Opening a sub-menu is the click of the item that holds it.
      if (!HIWORD(msg.LParam)) {
        if (TMenuItem* item = FindMenuItemByHandle(reinterpret_cast<HMENU>(msg.WParam))) item->Click();
      }
      break;
    case WM_SHOWWINDOW:
      DefaultHandler(msg);
      if (msg.WParam) {
        if (OnShow) OnShow(this);
      } else if (OnHide) {
        OnHide(this);
      }
      return;
    case WM_ACTIVATE:
      DefaultHandler(msg);
      if (LOWORD(msg.WParam) != WA_INACTIVE) {
        if (activeControl_ && activeControl_->CanFocus() && activeControl_->HandleAllocated())
          ::SetFocus(activeControl_->HandleIfAllocated());
        if (OnActivate) OnActivate(this);
        msg.Result = 0;
      } else if (OnDeactivate) {
        OnDeactivate(this);
      }
      return;
    case CM_DIALOGKEY:
      if (msg.WParam == VK_TAB && !(GetKeyState(VK_CONTROL) < 0)) {
        SelectNext(activeControl_, GetKeyState(VK_SHIFT) >= 0, true);
        msg.Result = 1;
        return;
      }
      // Other dialog keys (Enter, Escape, arrows) are offered to the controls: default and cancel
      // buttons, and whoever paints them.
      msg.Result = BroadcastToControls(*this, CM_DIALOGKEY, msg.WParam, msg.LParam, true);
      return;
    case CM_FOCUSCHANGED:
      // Every control hears where the focus went (a default button looks different then).
      BroadcastToControls(*this, CM_FOCUSCHANGED, msg.WParam, msg.LParam, false);
      msg.Result = 0;
      return;
    case CM_RELEASE:
      TComponent::Free(this);
      return;
    case WM_ENTERSIZEMOVE:
      keepCentred_ = false;
      break;
    case WM_WINDOWPOSCHANGED: {
      const WINDOWPOS pos = *reinterpret_cast<const WINDOWPOS*>(msg.LParam);
      TWinControl::WndProc(msg);
      KeepCentred(pos);
      return;
    }
    default:
      break;
  }
  TWinControl::WndProc(msg);
}

}  // namespace tk
