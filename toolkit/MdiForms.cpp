// MDI forms: a frame form holds the platform's MDI client below its aligned controls and ends its
// message processing in DefFrameProc; a child form is a window of that client (WM_MDICREATE) and
// ends in DefMDIChildProc. The platform then does what MDI windows do: activation, maximising into
// the frame's menu bar, the Window menu list, Ctrl+F4 / Ctrl+F6.
#include <algorithm>
#include <stdexcept>

#include "Application.h"
#include "Forms.h"
#include "Menus.h"

namespace tk {

namespace {

// Ids the client gives its children's Window-menu items: above every command id of our menus.
constexpr UINT FirstMDIChildId = 0xFF00;

// Ties the child the client is making to its form before anyone watching window creation looks at
// it (a hook installed after theirs runs first).
thread_local HHOOK t_mdiCreateHook = nullptr;

LRESULT CALLBACK BindMDIChildHook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND) {
    const auto* create = reinterpret_cast<const CBT_CREATEWNDW*>(lParam);
    if (create && create->lpcs && (create->lpcs->dwExStyle & WS_EX_MDICHILD))
      TWinControl::BindCreatingWindow(reinterpret_cast<HWND>(wParam));
  }
  return CallNextHookEx(t_mdiCreateHook, code, wParam, lParam);
}

class MDICreateHookScope {
 public:
  MDICreateHookScope() : hook_(SetWindowsHookExW(WH_CBT, BindMDIChildHook, nullptr, GetCurrentThreadId())) {
    previous_ = t_mdiCreateHook;
    t_mdiCreateHook = hook_;
  }
  ~MDICreateHookScope() {
    t_mdiCreateHook = previous_;
    if (hook_) UnhookWindowsHookEx(hook_);
  }
  MDICreateHookScope(const MDICreateHookScope&) = delete;
  MDICreateHookScope& operator=(const MDICreateHookScope&) = delete;

 private:
  HHOOK hook_;
  HHOOK previous_ = nullptr;
};

TCustomForm* FormOfHandle(HWND wnd) { return dynamic_cast<TCustomForm*>(TWinControl::FromHandle(wnd)); }

}  // namespace

TCustomForm* MDIFrameForm() {
  if (Application)
    if (TCustomForm* main = Application->MainForm(); main && main->IsMDIForm()) return main;
  for (TCustomForm* form : ScreenForms())
    if (form->IsMDIForm()) return form;
  return nullptr;
}

bool TranslateMDIKeys(MSG& msg) {
  if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) return false;
  for (TCustomForm* form : ScreenForms()) {
    HWND client = form->IsMDIForm() ? form->ClientHandle() : nullptr;
    if (client && IsChild(client, msg.hwnd) && TranslateMDISysAccel(client, &msg)) return true;
  }
  return false;
}

void TCustomForm::SetFormStyle(TFormStyle v) {
  if (v == formStyle_) return;
  if (handle_ && (v == TFormStyle::fsMDIChild || v == TFormStyle::fsMDIForm || IsMDIChild() || IsMDIForm()))
    throw std::logic_error("An MDI form style is taken before the form's window is made");
  formStyle_ = v;
}

void TCustomForm::SetWindowMenu(TMenuItem* item) {
  if (item == windowMenu_) return;
  if (windowMenu_) RemoveFreeNotification(windowMenu_);
  windowMenu_ = item;
  if (windowMenu_) FreeNotification(windowMenu_);
  if (clientHandle_)
    SendMessageW(clientHandle_, WM_MDISETMENU, 0, reinterpret_cast<LPARAM>(windowMenu_ ? windowMenu_->Handle() : nullptr));
}

void TCustomForm::CreateMDIClient() {
  CLIENTCREATESTRUCT ccs{windowMenu_ ? windowMenu_->Handle() : nullptr, FirstMDIChildId};
  RECT r = ClientRect();
  // Children keep the styles their forms give them (border style and icons), as other forms do.
  clientHandle_ = CreateWindowExW(WS_EX_CLIENTEDGE, L"MDICLIENT", nullptr,
                                  WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_HSCROLL | WS_VSCROLL |
                                      MDIS_ALLCHILDSTYLES,
                                  r.left, r.top, r.right - r.left, r.bottom - r.top, handle_, nullptr,
                                  GetModuleHandleW(nullptr), &ccs);
  if (!clientHandle_) throw std::runtime_error("Error creating the MDI client of " + Name());
}

HWND TCustomForm::CreateWindowHandle(const TCreateParams& params, HMENU id) {
  if (IsMDIChild()) return CreateMDIChildWindow(params);
  return TWinControl::CreateWindowHandle(params, id);
}

HWND TCustomForm::CreateMDIChildWindow(const TCreateParams& params) {
  TCustomForm* frame = MDIFrameForm();
  HWND client = frame ? (frame->Handle(), frame->ClientHandle()) : nullptr;
  if (!client) throw std::runtime_error("No MDI frame form to make the child " + Name() + " in");
  MDICREATESTRUCTW mcs{};
  mcs.szClass = params.winClassName.c_str();
  mcs.szTitle = params.caption.c_str();
  mcs.hOwner = GetModuleHandleW(nullptr);
  mcs.x = params.x;
  mcs.y = params.y;
  mcs.cx = params.width;
  mcs.cy = params.height;
  mcs.style = params.style;
  MDICreateHookScope bind;
  return reinterpret_cast<HWND>(SendMessageW(client, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&mcs)));
}

void TCustomForm::DestroyWindowHandle(HWND wnd) {
  if (IsMDIForm()) {
    // The client and the children's windows go with the frame's window.
    clientHandle_ = nullptr;
  }
  HWND client = IsMDIChild() ? GetParent(wnd) : nullptr;
  // Through the client, so that it hands activation and the frame's menu bar on.
  if (client && (GetWindowLongPtrW(wnd, GWL_EXSTYLE) & WS_EX_MDICHILD)) SendMessageW(client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(wnd), 0);
  else DestroyWindow(wnd);
}

void TCustomForm::DefaultHandler(TMessage& msg) {
  if (!handle_) return;
  if (IsMDIForm() && clientHandle_ && msg.Msg != WM_SIZE) {
    // WM_SIZE stays ours: the client is placed by the form's alignment, not over the whole area.
    msg.Result = DefFrameProcW(handle_, clientHandle_, msg.Msg, msg.WParam, msg.LParam);
    return;
  }
  if (IsMDIChild() && (GetWindowLongPtrW(handle_, GWL_EXSTYLE) & WS_EX_MDICHILD)) {
    msg.Result = DefMDIChildProcW(handle_, msg.Msg, msg.WParam, msg.LParam);
    return;
  }
  TWinControl::DefaultHandler(msg);
}

void TCustomForm::AlignControls(RECT& rect) {
  TWinControl::AlignControls(rect);
  if (clientHandle_)
    SetWindowPos(clientHandle_, nullptr, rect.left, rect.top, std::max<int>(rect.right - rect.left, 0),
                 std::max<int>(rect.bottom - rect.top, 0), SWP_NOZORDER | SWP_NOACTIVATE);
}

void TCustomForm::MDIChildActivated(TMessage& msg) {
  DefaultHandler(msg);
  if (reinterpret_cast<HWND>(msg.LParam) == handle_) {
    if (activeControl_ && activeControl_->CanFocus()) ::SetFocus(activeControl_->Handle());
    if (OnActivate) OnActivate(this);
  } else if (reinterpret_cast<HWND>(msg.WParam) == handle_ && OnDeactivate) {
    OnDeactivate(this);
  }
  msg.Result = 0;
}

std::vector<TCustomForm*> TCustomForm::MDIChildList() const {
  std::vector<TCustomForm*> children;
  if (!clientHandle_) return children;
  for (HWND wnd = GetWindow(clientHandle_, GW_CHILD); wnd; wnd = GetWindow(wnd, GW_HWNDNEXT))
    if (TCustomForm* form = FormOfHandle(wnd); form && form->IsMDIChild()) children.push_back(form);
  return children;
}

void TCustomForm::FreeMDIChildren() {
  for (TCustomForm* child : MDIChildList())
    // Looked up again: freeing one child may have freed another.
    if (std::find(ScreenForms().begin(), ScreenForms().end(), child) != ScreenForms().end()) TComponent::Free(child);
}

int TCustomForm::MDIChildCount() const { return static_cast<int>(MDIChildList().size()); }

TCustomForm* TCustomForm::MDIChildren(int index) const {
  const std::vector<TCustomForm*> children = MDIChildList();
  if (index < 0 || index >= static_cast<int>(children.size())) throw std::out_of_range("MDI child index out of range");
  return children[static_cast<size_t>(index)];
}

TCustomForm* TCustomForm::ActiveMDIChild() const {
  if (!clientHandle_) return nullptr;
  return FormOfHandle(reinterpret_cast<HWND>(SendMessageW(clientHandle_, WM_MDIGETACTIVE, 0, 0)));
}

void TCustomForm::Cascade() {
  if (clientHandle_) SendMessageW(clientHandle_, WM_MDICASCADE, 0, 0);
}

void TCustomForm::Tile() {
  if (clientHandle_)
    SendMessageW(clientHandle_, WM_MDITILE, tileMode_ == TTileMode::tbHorizontal ? MDITILE_HORIZONTAL : MDITILE_VERTICAL, 0);
}

void TCustomForm::ArrangeIcons() {
  if (clientHandle_) SendMessageW(clientHandle_, WM_MDIICONARRANGE, 0, 0);
}

void TCustomForm::Next() {
  if (clientHandle_) SendMessageW(clientHandle_, WM_MDINEXT, 0, 0);
}

void TCustomForm::Previous() {
  if (clientHandle_) SendMessageW(clientHandle_, WM_MDINEXT, 0, 1);
}

}  // namespace tk
