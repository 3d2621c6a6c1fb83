#include "Controls.h"

#include <windowsx.h>

#include <algorithm>
#include <map>
#include <stdexcept>

#include "Application.h"
#include "Encoding.h"
#include "Forms.h"
#include "Ime.h"
#include "Menus.h"

namespace tk {

namespace {

// The windowed control whose CreateWindowEx call is under way on this thread: its first message
// ties the new window to it.
thread_local TWinControl* t_creatingControl = nullptr;

bool IsMouseMessage(UINT msg) { return msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST; }

}  // namespace

TShiftState KeysToShiftState(WPARAM keys) {
  TShiftState s;
  if (keys & MK_SHIFT) s.Include(TShiftStateFlag::ssShift);
  if (keys & MK_CONTROL) s.Include(TShiftStateFlag::ssCtrl);
  if (keys & MK_LBUTTON) s.Include(TShiftStateFlag::ssLeft);
  if (keys & MK_RBUTTON) s.Include(TShiftStateFlag::ssRight);
  if (keys & MK_MBUTTON) s.Include(TShiftStateFlag::ssMiddle);
  if (GetKeyState(VK_MENU) < 0) s.Include(TShiftStateFlag::ssAlt);
  return s;
}

TShiftState KeyDataToShiftState(LPARAM keyData) {
  TShiftState s;
  if (GetKeyState(VK_SHIFT) < 0) s.Include(TShiftStateFlag::ssShift);
  if (GetKeyState(VK_CONTROL) < 0) s.Include(TShiftStateFlag::ssCtrl);
  if (keyData & 0x20000000) s.Include(TShiftStateFlag::ssAlt);
  return s;
}

const TIdentMap& CursorIdents() {
  static const TIdentMap map{{{"crDefault", crDefault}, {"crArrow", crArrow}, {"crCross", crCross},
                              {"crIBeam", crIBeam}, {"crSizeNS", crSizeNS}, {"crSizeWE", crSizeWE},
                              {"crHSplit", crHSplit}, {"crVSplit", crVSplit}, {"crHandPoint", crHandPoint}}};
  return map;
}

HCURSOR CursorHandle(TCursor cursor) {
  const wchar_t* id = IDC_ARROW;
  switch (cursor) {
    case crCross: id = IDC_CROSS; break;
    case crIBeam: id = IDC_IBEAM; break;
    case crSizeNS:
    case crVSplit: id = IDC_SIZENS; break;
    case crSizeWE:
    case crHSplit: id = IDC_SIZEWE; break;
    case crHandPoint: id = IDC_HAND; break;
    default: break;
  }
  return LoadCursorW(nullptr, id);
}

// ---------------------------------------------------------------------------------------------
// The window procedure of every toolkit window class.

LRESULT CALLBACK ToolkitWndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* control = static_cast<TWinControl*>(GetPropW(wnd, MAKEINTATOM(TWinControl::ControlAtom())));
  if (!control) {
    control = t_creatingControl;
    if (!control) return DefWindowProcW(wnd, msg, wParam, lParam);
    t_creatingControl = nullptr;
    control->handle_ = wnd;
    SetPropW(wnd, MAKEINTATOM(TWinControl::ControlAtom()), control);
  }
  TMessage m{msg, wParam, lParam, 0};
  try {
    // A copy: the handler may free the control (a form handling CM_RELEASE) while it runs.
    TWndMethod proc = control->WindowProc;
    if (proc) proc(m);
    else control->WndProc(m);
  } catch (...) {
    // Nothing may unwind through the platform's frames: the application reports it and goes on.
    HandleException(std::current_exception());
  }
  if (msg == WM_NCDESTROY) {
    RemovePropW(wnd, MAKEINTATOM(TWinControl::ControlAtom()));
    if (control->handle_ == wnd) control->handle_ = nullptr;
  }
  return m.Result;
}

namespace {

// Registers the toolkit window class described by params once and returns the procedure that
// messages nobody handles go to (the platform class's own, or DefWindowProc).
WNDPROC RegisterToolkitClass(const TCreateParams& params) {
  static std::map<std::wstring, WNDPROC> registered;
  auto it = registered.find(params.winClassName);
  if (it != registered.end()) return it->second;

  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  WNDPROC defProc = DefWindowProcW;
  if (!params.systemClassName.empty()) {
    if (!GetClassInfoExW(nullptr, params.systemClassName.c_str(), &wc))
      throw std::runtime_error("Window class " + WideToGbk(params.systemClassName) + " is not available");
    defProc = wc.lpfnWndProc;
    wc.style &= ~static_cast<UINT>(CS_GLOBALCLASS);
  } else {
    wc.style = params.classStyle;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  }
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = ToolkitWndProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = params.winClassName.c_str();
  if (!RegisterClassExW(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
    throw std::runtime_error("Cannot register window class " + WideToGbk(params.winClassName));
  registered.emplace(params.winClassName, defProc);
  return defProc;
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// TControl

const TClassInfo& TControl::StaticClass() {
  static const TClassInfo info = [] {
    TClassInfo c("TControl", &TComponent::StaticClass());
    c.Property("Left", &TControl::Left, &TControl::SetLeft);
    c.Property("Top", &TControl::Top, &TControl::SetTop);
    c.Property("Width", &TControl::Width, &TControl::SetWidth);
    c.Property("Height", &TControl::Height, &TControl::SetHeight);
    c.Property("ClientWidth", &TControl::ClientWidth, &TControl::SetClientWidth);
    c.Property("ClientHeight", &TControl::ClientHeight, &TControl::SetClientHeight);
    c.Property("Align", &TControl::Align, &TControl::SetAlign);
    c.Property("Visible", &TControl::Visible, &TControl::SetVisible);
    c.Property("Enabled", &TControl::Enabled, &TControl::SetEnabled);
    c.Property("Caption", &TControl::Caption, &TControl::SetCaption);
    c.Property("Text", &TControl::GetText, &TControl::SetText);
    c.Property("Font", &TControl::FontObject);
    c.Property("ParentFont", &TControl::ParentFont, &TControl::SetParentFont);
    c.IntProperty("Color", &TControl::Color, &TControl::SetColor, &ColorIdents());
    c.Property("ParentColor", &TControl::ParentColor, &TControl::SetParentColor);
    c.IntProperty("Cursor", &TControl::Cursor, &TControl::SetCursor, &CursorIdents());
    c.Property("Hint", &TControl::Hint, &TControl::SetHint);
    c.Property("ShowHint", &TControl::ShowHint, &TControl::SetShowHint);
    c.Property("ParentShowHint", &TControl::ParentShowHint, &TControl::SetParentShowHint);
    c.Property("BiDiMode", &TControl::BiDiMode, &TControl::SetBiDiMode);
    c.Property("PopupMenu", &TControl::PopupMenu, &TControl::SetPopupMenu);
    c.Event("OnClick", &TControl::OnClick);
    c.Event("OnMouseDown", &TControl::OnMouseDown);
    c.Event("OnMouseUp", &TControl::OnMouseUp);
    c.Event("OnMouseMove", &TControl::OnMouseMove);
    return c;
  }();
  return info;
}

TControl::TControl(TComponent* owner) : TComponent(owner) {
  WindowProc = [this](TMessage& m) { WndProc(m); };
  font_.OnChange = [this] { FontChanged(); };
}

TControl::~TControl() {
  // A control deleted directly (not through Free) tells its watchers here, while its message
  // entry still exists: a painter gives WindowProc back before it goes.
  SendFreeNotifications();
  font_.OnChange = nullptr;
  if (parent_) parent_->RemoveControl(this);
}

void TControl::SetPopupMenu(TPopupMenu* menu) {
  if (menu == popupMenu_) return;
  if (popupMenu_) RemoveFreeNotification(popupMenu_);
  popupMenu_ = menu;
  if (popupMenu_) FreeNotification(popupMenu_);
}

void TControl::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == TOperation::opRemove && component == popupMenu_) popupMenu_ = nullptr;
}

bool TControl::ShowPopupMenu(POINT screen) {
  if (!popupMenu_ || !enabled_) return false;
  if (screen.x == -1 && screen.y == -1) screen = ClientToScreen(POINT{width_ / 2, height_ / 2});
  // Owner-drawn items are drawn by the window that owns the menu: the form the menu belongs to,
  // else this control's form.
  auto* menuForm = dynamic_cast<TCustomForm*>(popupMenu_->Owner());
  TCustomForm* form = menuForm ? menuForm : ParentForm();
  HWND owner = form ? form->Handle() : nullptr;
  if (!owner)
    if (auto* self = dynamic_cast<TWinControl*>(this)) owner = self->Handle();
  popupMenu_->PopupFor(owner, screen.x, screen.y);
  return true;
}

void TControl::SetParent(TWinControl* parent) {
  if (parent == parent_) return;
  if (parent == this) throw std::invalid_argument("A control cannot be its own parent");
  if (parent_) parent_->RemoveControl(this);
  if (parent) parent->InsertControl(this);
}

void TControl::SetParentComponent(TComponent* parent) {
  if (auto* wc = dynamic_cast<TWinControl*>(parent)) SetParent(wc);
}

TComponent* TControl::GetParentComponent() const { return parent_; }

void TControl::SetBounds(int left, int top, int width, int height) {
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  if (parent_ && Visible() && dynamic_cast<TGraphicControl*>(this)) Invalidate();
  left_ = left;
  top_ = top;
  width_ = std::max(width, 0);
  height_ = std::max(height, 0);
  if (dynamic_cast<TGraphicControl*>(this)) Invalidate();
  if (align_ != TAlign::alNone) RequestAlign();
}

POINT TControl::ClientOrigin() const {
  POINT p{left_, top_};
  if (parent_) {
    POINT o = parent_->ClientOrigin();
    p.x += o.x;
    p.y += o.y;
  }
  return p;
}

POINT TControl::ClientToScreen(POINT p) const {
  POINT o = ClientOrigin();
  return POINT{p.x + o.x, p.y + o.y};
}

POINT TControl::ScreenToClient(POINT p) const {
  POINT o = ClientOrigin();
  return POINT{p.x - o.x, p.y - o.y};
}

void TControl::SetAlign(TAlign a) {
  if (a == align_) return;
  align_ = a;
  RequestAlign();
}

void TControl::RequestAlign() {
  if (parent_) parent_->Realign();
}

void TControl::SetVisible(bool v) {
  if (v == visible_) return;
  VisibleChanging();
  visible_ = v;
  Perform(CM_VISIBLECHANGED, v ? 1 : 0);
  if (parent_ && align_ != TAlign::alNone) parent_->Realign();
  if (parent_ && !dynamic_cast<TWinControl*>(this)) parent_->Invalidate();
}

bool TControl::Showing() const { return visible_ && parent_ && parent_->Showing(); }

void TControl::SetEnabled(bool v) {
  if (v == enabled_) return;
  enabled_ = v;
  Perform(CM_ENABLEDCHANGED);
}

void TControl::SetText(const std::string& s) {
  if (s == text_) return;
  text_ = s;
  TextChanged();
  Perform(CM_TEXTCHANGED);
}

void TControl::SetParentFont(bool v) {
  parentFont_ = v;
  if (v && parent_) {
    updatingFont_ = true;
    font_.Assign(parent_->Font());
    updatingFont_ = false;
    FontChanged();
  }
}

void TControl::FontChanged() {
  if (!updatingFont_ && !Reading()) parentFont_ = false;
  Invalidate();
  Perform(CM_FONTCHANGED);
}

void TControl::SetColor(TColor c) {
  if (c == color_) return;
  color_ = c;
  parentColor_ = false;
  ColorChanged();
  Perform(CM_COLORCHANGED);
}

void TControl::SetParentColor(bool v) {
  parentColor_ = v;
  if (v && parent_) {
    color_ = parent_->Color();
    ColorChanged();
  }
}

void TControl::SetHint(const std::string& h) {
  if (h == hint_) return;
  hint_ = h;
  HintChanged();
}

void TControl::SetShowHint(bool v) {
  showHint_ = v;
  parentShowHint_ = false;
  HintChanged();
}

void TControl::SetParentShowHint(bool v) {
  parentShowHint_ = v;
  if (v && parent_) showHint_ = parent_->ShowHint();
  HintChanged();
}

LRESULT TControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam) {
  TMessage m{msg, wParam, lParam, 0};
  TWndMethod proc = WindowProc;
  if (proc) proc(m);
  else WndProc(m);
  return m.Result;
}

void TControl::Invalidate() {
  if (parent_ && parent_->HandleAllocated()) {
    RECT r = BoundsRect();
    InvalidateRect(parent_->HandleIfAllocated(), &r, TRUE);
  }
}

void TControl::Repaint() {
  Invalidate();
  if (parent_ && parent_->HandleAllocated()) UpdateWindow(parent_->HandleIfAllocated());
}

void TControl::BringToFront() {
  if (auto* wc = dynamic_cast<TWinControl*>(this); wc && wc->HandleAllocated())
    SetWindowPos(wc->HandleIfAllocated(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TControl::Click() {
  if (OnClick) OnClick(this);
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseUp) OnMouseUp(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y) {
  if (OnMouseMove) OnMouseMove(this, shift, x, y);
}

void TControl::MouseEntered() {
  if (mouseInControl_) return;
  mouseInControl_ = true;
  Perform(CM_MOUSEENTER);
}

void TControl::MouseLeft() {
  if (!mouseInControl_) return;
  mouseInControl_ = false;
  Perform(CM_MOUSELEAVE);
}

TCustomForm* TControl::ParentForm() const { return GetParentForm(this); }

void TControl::Loaded() { TComponent::Loaded(); }

void TControl::WndProc(TMessage& msg) {
  // Windowless controls get their mouse messages from the parent, in their own coordinates.
  const int x = GET_X_LPARAM(msg.LParam), y = GET_Y_LPARAM(msg.LParam);
  switch (msg.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      MouseDown(TMouseButton::mbLeft, KeysToShiftState(msg.WParam), x, y);
      return;
    case WM_RBUTTONDOWN:
      MouseDown(TMouseButton::mbRight, KeysToShiftState(msg.WParam), x, y);
      return;
    case WM_LBUTTONUP: {
      MouseUp(TMouseButton::mbLeft, KeysToShiftState(msg.WParam), x, y);
      if (x >= 0 && y >= 0 && x < width_ && y < height_) Click();
      return;
    }
    case WM_RBUTTONUP:
      MouseUp(TMouseButton::mbRight, KeysToShiftState(msg.WParam), x, y);
      return;
    case WM_MOUSEMOVE:
      MouseMove(KeysToShiftState(msg.WParam), x, y);
      return;
    default:
      DefaultHandler(msg);
  }
}

void TControl::DefaultHandler(TMessage& msg) {}

// ---------------------------------------------------------------------------------------------
// TWinControl

const TClassInfo& TWinControl::StaticClass() {
  static const TClassInfo info = [] {
    TClassInfo c("TWinControl", &TControl::StaticClass());
    c.Property("TabOrder", &TWinControl::TabOrder, &TWinControl::SetTabOrder);
    c.Property("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop);
    c.Event("OnKeyDown", &TWinControl::OnKeyDown);
    c.Event("OnKeyUp", &TWinControl::OnKeyUp);
    c.Event("OnKeyPress", &TWinControl::OnKeyPress);
    c.Event("OnEnter", &TWinControl::OnEnter);
    c.Event("OnExit", &TWinControl::OnExit);
    return c;
  }();
  return info;
}

ATOM TWinControl::ControlAtom() {
  static const ATOM atom = GlobalAddAtomW((L"TolvaneControl" + std::to_wstring(GetCurrentProcessId())).c_str());
  return atom;
}

TWinControl* TWinControl::FromHandle(HWND wnd) {
  if (!wnd) return nullptr;
  return static_cast<TWinControl*>(GetPropW(wnd, MAKEINTATOM(ControlAtom())));
}

TWinControl* FindControl(HWND wnd) { return TWinControl::FromHandle(wnd); }

TWinControl::TWinControl(TComponent* owner) : TControl(owner) { brush_.SetColor(color_); }

TWinControl::~TWinControl() {
  // Watchers let go first, while the window and WindowProc are still there (see ~TControl).
  SendFreeNotifications();
  // By ~TControl this is no longer a windowed control, so the parent's tab list is left here.
  if (parent_) std::erase(parent_->tabList_, this);
  // Children go with their parent, whoever owns them.
  while (!controls_.empty()) TComponent::Free(controls_.back());
  DestroyHandle();
}

void TWinControl::InsertControl(TControl* control) {
  control->parent_ = this;
  controls_.push_back(control);
  if (auto* wc = dynamic_cast<TWinControl*>(control)) tabList_.push_back(wc);
  if (control->parentFont_) {
    control->updatingFont_ = true;
    control->font_.Assign(font_);
    control->updatingFont_ = false;
  }
  if (control->parentColor_) control->color_ = color_;
  if (control->parentShowHint_) control->showHint_ = showHint_;
  if (auto* wc = dynamic_cast<TWinControl*>(control)) {
    if (handle_ && wc->visible_) wc->Handle();
  } else {
    control->Invalidate();
  }
  Realign();
}

void TWinControl::RemoveControl(TControl* control) {
  auto it = std::find(controls_.begin(), controls_.end(), control);
  if (it == controls_.end()) return;
  if (captureControl_ == control) captureControl_ = nullptr;
  if (hoverControl_ == control) hoverControl_ = nullptr;
  if (auto* wc = dynamic_cast<TWinControl*>(control)) {
    std::erase(tabList_, wc);
    wc->DestroyHandle();
  } else {
    control->Invalidate();
  }
  controls_.erase(it);
  control->parent_ = nullptr;
  Realign();
}

bool TWinControl::ContainsControl(const TControl* control) const {
  for (const TControl* c = control; c; c = c->Parent())
    if (c == this) return true;
  return false;
}

void TWinControl::CreateParams(TCreateParams& params) {
  params.caption = GbkToWide(text_);
  params.style = WS_CHILD | WS_CLIPSIBLINGS;
  if (visible_) params.style |= WS_VISIBLE;
  if (!enabled_) params.style |= WS_DISABLED;
  if (tabStop_) params.style |= WS_TABSTOP;
  params.x = left_;
  params.y = top_;
  params.width = width_;
  params.height = height_;
  params.wndParent = parent_ ? parent_->Handle() : nullptr;
  params.winClassName = GbkToWide(ClassName());
}

HWND TWinControl::Handle() {
  if (!handle_) CreateHandle();
  return handle_;
}

void TWinControl::CreateHandle() {
  if (handle_) return;
  if (parent_) parent_->Handle();
  if (handle_) return;  // the parent's creation made ours
  CreateWnd();
  InitializeWnd();
  // Visible children appear with their parent; hidden ones get their window when first needed.
  for (TControl* c : controls_)
    if (auto* wc = dynamic_cast<TWinControl*>(c); wc && wc->visible_) wc->CreateHandle();
  Realign();
}

void TWinControl::CreateWnd() {
  TCreateParams params;
  CreateParams(params);
  defWndProc_ = RegisterToolkitClass(params);
  static int nextId = 100;
  HMENU id = (params.style & WS_CHILD) ? reinterpret_cast<HMENU>(static_cast<INT_PTR>(nextId++)) : nullptr;
  t_creatingControl = this;
  HWND wnd = nullptr;
  try {
    wnd = CreateWindowHandle(params, id);
  } catch (...) {
    t_creatingControl = nullptr;
    throw;
  }
  t_creatingControl = nullptr;
  if (!wnd) throw std::runtime_error("Error creating window " + Name() + " (" + ClassName() + ")");
  handle_ = wnd;
  if (!GetPropW(wnd, MAKEINTATOM(ControlAtom()))) SetPropW(wnd, MAKEINTATOM(ControlAtom()), this);
}

HWND TWinControl::CreateWindowHandle(const TCreateParams& params, HMENU id) {
  return CreateWindowExW(params.exStyle, params.winClassName.c_str(), params.caption.c_str(), params.style, params.x,
                         params.y, params.width, params.height, params.wndParent, id, GetModuleHandleW(nullptr),
                         params.param);
}

void TWinControl::BindCreatingWindow(HWND wnd) {
  TWinControl* control = t_creatingControl;
  if (!control || !wnd) return;
  t_creatingControl = nullptr;
  control->handle_ = wnd;
  SetPropW(wnd, MAKEINTATOM(ControlAtom()), control);
}

void TWinControl::InitializeWnd() {
  SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Handle()), FALSE);
  SyncToolTip();
}

void TWinControl::DestroyHandle() {
  if (!handle_ || destroyingHandle_) return;
  destroyingHandle_ = true;
  for (TControl* c : controls_)
    if (auto* wc = dynamic_cast<TWinControl*>(c)) wc->DestroyHandle();
  if (handle_) {
    SaveWndState();
    if (Application) Application->RemoveToolTip(handle_);
    HWND wnd = handle_;
    DestroyWindowHandle(wnd);
    if (handle_ == wnd) {
      // The window went without WM_NCDESTROY reaching us (another thread's window): forget it.
      RemovePropW(wnd, MAKEINTATOM(ControlAtom()));
      handle_ = nullptr;
    }
  }
  destroyingHandle_ = false;
}

void TWinControl::RecreateWnd() {
  // Through the control's message handler, so that whoever took the control over sees it.
  if (handle_) Perform(CM_RECREATEWND);
}

void TWinControl::DoRecreateWnd() {
  if (!handle_) return;
  const bool hadFocus = Focused();
  // A shown form is shown again (its window is not made visible by its style), active if it was.
  const bool wasShown = IsWindowVisible(handle_) != FALSE;
  const bool wasActive = GetActiveWindow() == handle_;
  DestroyHandle();
  CreateHandle();
  if (wasShown && handle_ && !IsWindowVisible(handle_)) ShowWindow(handle_, wasActive ? SW_SHOW : SW_SHOWNA);
  if (hadFocus) SetFocus();
}

int TWinControl::TabOrder() const {
  if (!parent_) return -1;
  const auto& list = parent_->tabList_;
  auto it = std::find(list.begin(), list.end(), this);
  return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TWinControl::SetTabOrder(int order) {
  if (!parent_) return;
  auto& list = parent_->tabList_;
  std::erase(list, this);
  order = std::clamp(order, 0, static_cast<int>(list.size()));
  list.insert(list.begin() + order, this);
}

void TWinControl::SetTabStop(bool v) {
  tabStop_ = v;
  if (handle_) {
    LONG_PTR style = GetWindowLongPtrW(handle_, GWL_STYLE);
    SetWindowLongPtrW(handle_, GWL_STYLE, v ? (style | WS_TABSTOP) : (style & ~static_cast<LONG_PTR>(WS_TABSTOP)));
  }
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& list) {
  for (TWinControl* c : tabList_) {
    list.push_back(c);
    c->GetTabOrderList(list);
  }
}

bool TWinControl::CanFocus() const {
  for (const TControl* c = this; c; c = c->Parent())
    if (!c->Visible() || !c->Enabled()) return false;
  return true;
}

bool TWinControl::Focused() const { return handle_ && GetFocus() == handle_; }

void TWinControl::SetFocus() {
  if (TCustomForm* form = ParentForm()) form->FocusControl(this);
  else ::SetFocus(Handle());
}

TWinControl* TWinControl::FindNextControl(TWinControl* current, bool forward, bool checkTabStop, bool checkParent) {
  std::vector<TWinControl*> list;
  GetTabOrderList(list);
  if (list.empty()) return nullptr;
  auto it = std::find(list.begin(), list.end(), current);
  size_t start = it == list.end() ? (forward ? list.size() - 1 : 0) : static_cast<size_t>(it - list.begin());
  size_t i = start;
  for (size_t n = 0; n < list.size(); ++n) {
    i = forward ? (i + 1) % list.size() : (i + list.size() - 1) % list.size();
    TWinControl* c = list[i];
    if ((!checkTabStop || c->TabStop()) && (!checkParent || c->Parent() == this) && c->CanFocus()) return c;
  }
  return nullptr;
}

void TWinControl::SelectNext(TWinControl* current, bool forward, bool checkTabStop) {
  if (TWinControl* next = FindNextControl(current, forward, checkTabStop, false)) next->SetFocus();
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  left_ = left;
  top_ = top;
  width_ = std::max(width, 0);
  height_ = std::max(height, 0);
  if (handle_) SetWindowPos(handle_, nullptr, left_, top_, width_, height_, SWP_NOZORDER | SWP_NOACTIVATE);
  if (align_ != TAlign::alNone) RequestAlign();
  Realign();
}

RECT TWinControl::ClientRect() const {
  RECT r{0, 0, width_, height_};
  if (handle_) GetClientRect(handle_, &r);
  return r;
}

void TWinControl::SetClientSize(int width, int height) {
  RECT client = ClientRect();
  SetBounds(left_, top_, width_ + width - (client.right - client.left), height_ + height - (client.bottom - client.top));
}

POINT TWinControl::ClientOrigin() const {
  POINT p{0, 0};
  if (handle_) {
    ::ClientToScreen(handle_, &p);
    return p;
  }
  return TControl::ClientOrigin();
}

bool TWinControl::Showing() const {
  if (!visible_) return false;
  if (parent_) return parent_->Showing();
  return handle_ && IsWindowVisible(handle_);
}

void TWinControl::Invalidate() {
  if (handle_) InvalidateRect(handle_, nullptr, TRUE);
}

void TWinControl::Repaint() {
  Invalidate();
  Update();
}

void TWinControl::Update() {
  if (handle_) UpdateWindow(handle_);
}

std::string TWinControl::GetText() const {
  if (!handle_) return text_;
  const int n = GetWindowTextLengthW(handle_);
  std::wstring w(static_cast<size_t>(n) + 1, L'\0');
  const int got = GetWindowTextW(handle_, w.data(), n + 1);
  w.resize(static_cast<size_t>(std::max(got, 0)));
  return WideToGbk(w);
}

void TWinControl::SetText(const std::string& s) {
  text_ = s;
  if (handle_) SetWindowTextW(handle_, GbkToWide(s).c_str());
  TextChanged();
  Perform(CM_TEXTCHANGED);
}

void TWinControl::EnableAlign() {
  if (alignDisabled_ > 0 && --alignDisabled_ == 0 && alignPending_) Realign();
}

void TWinControl::Realign() {
  if (alignDisabled_ > 0 || Reading() || realigning_) {
    alignPending_ = true;
    return;
  }
  alignPending_ = false;
  realigning_ = true;
  RECT r = ClientRect();
  try {
    AlignControls(r);
  } catch (...) {
    realigning_ = false;
    throw;
  }
  realigning_ = false;
}

void TWinControl::RequestAlign() {
  TControl::RequestAlign();
}

void TWinControl::AlignControls(RECT& rect) {
  // Groups in this order, each in list order: top, bottom, left, right, then the client area.
  const TAlign order[] = {TAlign::alTop, TAlign::alBottom, TAlign::alLeft, TAlign::alRight, TAlign::alClient};
  for (TAlign a : order) {
    for (TControl* c : controls_) {
      if (c->align_ != a || !c->visible_) continue;
      const int w = rect.right - rect.left, h = rect.bottom - rect.top;
      switch (a) {
        case TAlign::alTop:
          c->SetBounds(rect.left, rect.top, w, c->height_);
          rect.top += c->height_;
          break;
        case TAlign::alBottom:
          c->SetBounds(rect.left, rect.bottom - c->height_, w, c->height_);
          rect.bottom -= c->height_;
          break;
        case TAlign::alLeft:
          c->SetBounds(rect.left, rect.top, c->width_, h);
          rect.left += c->width_;
          break;
        case TAlign::alRight:
          c->SetBounds(rect.right - c->width_, rect.top, c->width_, h);
          rect.right -= c->width_;
          break;
        default:
          c->SetBounds(rect.left, rect.top, std::max(w, 0), std::max(h, 0));
      }
    }
  }
}

void TWinControl::Loaded() {
  TControl::Loaded();
  if (alignPending_) Realign();
}

void TWinControl::FontChanged() {
  TControl::FontChanged();
  if (handle_) SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Handle()), TRUE);
  for (TControl* c : controls_) {
    if (c->parentFont_) {
      c->updatingFont_ = true;
      c->font_.Assign(font_);
      c->updatingFont_ = false;
      c->FontChanged();
    }
  }
}

void TWinControl::ColorChanged() {
  brush_.SetColor(color_);
  TControl::ColorChanged();
  for (TControl* c : controls_)
    if (c->parentColor_) {
      c->color_ = color_;
      c->ColorChanged();
    }
}

HBRUSH TWinControl::ControlBrush() {
  if (brush_.Color() != color_) brush_.SetColor(color_);
  return brush_.Handle();
}

void TWinControl::HintChanged() {
  SyncToolTip();
  for (TControl* c : controls_)
    if (c->parentShowHint_) {
      c->showHint_ = showHint_;
      c->HintChanged();
    }
}

void TWinControl::SyncToolTip() {
  if (!handle_ || !Application) return;
  if (showHint_ && !hint_.empty()) Application->SetToolTip(handle_, hint_);
  else Application->RemoveToolTip(handle_);
}

TControl* TWinControl::ControlAtPos(POINT p) const {
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    TControl* c = *it;
    if (dynamic_cast<TWinControl*>(c) || !c->visible_ || !c->enabled_) continue;
    if (p.x >= c->left_ && p.y >= c->top_ && p.x < c->left_ + c->width_ && p.y < c->top_ + c->height_) return c;
  }
  return nullptr;
}

bool TWinControl::IsControlMouseMsg(TMessage& msg) {
  POINT p{GET_X_LPARAM(msg.LParam), GET_Y_LPARAM(msg.LParam)};
  TControl* target = captureControl_ ? captureControl_ : ControlAtPos(p);
  if (!target) return false;
  if (msg.Msg == WM_LBUTTONDOWN || msg.Msg == WM_RBUTTONDOWN) {
    captureControl_ = target;
    SetCapture(handle_);
  }
  LPARAM local = MAKELPARAM(static_cast<short>(p.x - target->left_), static_cast<short>(p.y - target->top_));
  const UINT message = msg.Msg;
  msg.Result = target->Perform(message, msg.WParam, local);
  if ((message == WM_LBUTTONUP || message == WM_RBUTTONUP) && captureControl_) {
    captureControl_ = nullptr;
    if (GetCapture() == handle_) ReleaseCapture();
  }
  return true;
}

void TWinControl::PaintWindow(HDC dc) {}

void TWinControl::PaintControls(HDC dc) {
  for (TControl* c : controls_) {
    auto* g = dynamic_cast<TGraphicControl*>(c);
    if (!g || !g->visible_ || g->width_ <= 0 || g->height_ <= 0) continue;
    SavedDC saved(dc);
    SetViewportOrgEx(dc, g->left_, g->top_, nullptr);
    IntersectClipRect(dc, 0, 0, g->width_, g->height_);
    // Through the control's WindowProc, so that a painter that took the control over paints it.
    g->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
  }
}

void TWinControl::TrackHoverControl(const TMessage& msg) {
  TControl* now = nullptr;
  if (msg.Msg == WM_MOUSEMOVE) {
    POINT p{GET_X_LPARAM(msg.LParam), GET_Y_LPARAM(msg.LParam)};
    now = captureControl_ ? captureControl_ : ControlAtPos(p);
    const RECT bounds = now ? now->BoundsRect() : RECT{};
    if (now && captureControl_ && !PtInRect(&bounds, p)) now = nullptr;
  }
  if (now == hoverControl_) return;
  TControl* previous = hoverControl_;
  hoverControl_ = now;
  if (previous) previous->MouseLeft();
  if (now) now->MouseEntered();
}

bool TWinControl::DoKeyDown(TMessage& msg) {
  TCustomForm* form = ParentForm();
  if (form && form != this && form->KeyPreview() && form->DoKeyDown(msg)) return true;
  if (!OnKeyDown) return false;
  WORD key = static_cast<WORD>(msg.WParam);
  OnKeyDown(this, key, KeyDataToShiftState(msg.LParam));
  if (key == 0) return true;
  msg.WParam = key;
  return false;
}

bool TWinControl::DoKeyUp(TMessage& msg) {
  if (!OnKeyUp) return false;
  WORD key = static_cast<WORD>(msg.WParam);
  OnKeyUp(this, key, KeyDataToShiftState(msg.LParam));
  if (key == 0) return true;
  msg.WParam = key;
  return false;
}

bool TWinControl::DoKeyPress(TMessage& msg) {
  if (!OnKeyPress || msg.WParam > 0x7F) return false;
  char key = static_cast<char>(msg.WParam);
  OnKeyPress(this, key);
  if (key == 0) return true;
  msg.WParam = static_cast<unsigned char>(key);
  return false;
}

void TWinControl::WndProc(TMessage& msg) {
  if (handle_ && (msg.Msg == WM_MOUSEMOVE || msg.Msg == WM_MOUSELEAVE)) {
    if (msg.Msg == WM_MOUSEMOVE && !mouseInControl_) {
      // Asked here, before a windowless child takes the move: the leave notice ends its hover too.
      TRACKMOUSEEVENT tme{sizeof tme, TME_LEAVE, handle_, 0};
      TrackMouseEvent(&tme);
      MouseEntered();
    }
    TrackHoverControl(msg);
  }
  if (handle_ && IsMouseMessage(msg.Msg) && msg.Msg != WM_MOUSEWHEEL && IsControlMouseMsg(msg)) return;
  switch (msg.Msg) {
    case WM_SETFOCUS:
      DefaultHandler(msg);
      if (!imeName_.empty() && IsEastAsianSystem()) ActivateInputMethod(imeName_);
      if (TCustomForm* form = ParentForm(); form && form != this) form->SetFocusedControl(this);
      return;
    case WM_KILLFOCUS:
      DefaultHandler(msg);
      if (!imeName_.empty() && IsEastAsianSystem()) RestoreStartupKeyboardLayout();
      return;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      if (DoKeyDown(msg)) return;
      break;
    case WM_KEYUP:
    case WM_SYSKEYUP:
      if (DoKeyUp(msg)) return;
      break;
    case WM_CHAR:
      if (DoKeyPress(msg)) return;
      break;
    case CN_KEYDOWN:
    case CN_SYSKEYDOWN: {
      // Keys a control does not want go to its form as dialog keys (Tab moves the focus).
      msg.Result = 0;
      const WPARAM key = msg.WParam;
      LRESULT mask = 0;
      switch (key) {
        case VK_TAB: mask = DLGC_WANTTAB; break;
        case VK_LEFT: case VK_RIGHT: case VK_UP: case VK_DOWN: mask = DLGC_WANTARROWS; break;
        case VK_RETURN: case VK_EXECUTE: case VK_ESCAPE: case VK_CANCEL: mask = DLGC_WANTALLKEYS; break;
        default: return;
      }
      if (Perform(WM_GETDLGCODE) & (mask | DLGC_WANTMESSAGE)) return;
      if (TCustomForm* form = ParentForm(); form && form->Perform(CM_DIALOGKEY, key, msg.LParam) != 0) msg.Result = 1;
      return;
    }
    case CN_SYSCHAR:
      // Alt+character goes to the form first (mnemonics, the menu bar); taken, it ends here.
      msg.Result = 0;
      if (msg.WParam != VK_SPACE)
        if (TCustomForm* form = ParentForm()) msg.Result = form->Perform(CM_DIALOGCHAR, msg.WParam, msg.LParam);
      return;
    case WM_COMMAND:
      if (msg.LParam) {
        if (TWinControl* child = FindControl(reinterpret_cast<HWND>(msg.LParam))) {
          msg.Result = child->Perform(CN_COMMAND, msg.WParam, msg.LParam);
          return;
        }
      }
      break;
    case WM_NOTIFY: {
      const auto* hdr = reinterpret_cast<const NMHDR*>(msg.LParam);
      if (TWinControl* child = hdr ? FindControl(hdr->hwndFrom) : nullptr; child && child != this) {
        msg.Result = child->Perform(CN_NOTIFY, msg.WParam, msg.LParam);
        return;
      }
      break;
    }
    case WM_HSCROLL:
    case WM_VSCROLL:
      if (TWinControl* child = msg.LParam ? FindControl(reinterpret_cast<HWND>(msg.LParam)) : nullptr) {
        msg.Result = child->Perform(CN_BASE + msg.Msg, msg.WParam, msg.LParam);
        return;
      }
      break;
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
      if (TWinControl* child = FindControl(reinterpret_cast<HWND>(msg.LParam))) {
        msg.Result = child->Perform(CN_BASE + msg.Msg, msg.WParam, msg.LParam);
        return;
      }
      break;
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_DELETEITEM:
    case WM_COMPAREITEM:
      if (msg.WParam != 0) {
        if (TWinControl* child = FindControl(GetDlgItem(handle_, static_cast<int>(msg.WParam)))) {
          msg.Result = child->Perform(CN_BASE + msg.Msg, msg.WParam, msg.LParam);
          return;
        }
      }
      break;
    case CN_CTLCOLORBTN:
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORLISTBOX:
    case CN_CTLCOLORSCROLLBAR:
    case CN_CTLCOLORSTATIC: {
      HDC dc = reinterpret_cast<HDC>(msg.WParam);
      SetTextColor(dc, ColorToRGB(font_.Color()));
      SetBkColor(dc, ColorToRGB(color_));
      msg.Result = reinterpret_cast<LRESULT>(ControlBrush());
      return;
    }
    case WM_SIZE:
      DefaultHandler(msg);
      Realign();
      return;
    case WM_WINDOWPOSCHANGED: {
      DefaultHandler(msg);
      const auto* wp = reinterpret_cast<const WINDOWPOS*>(msg.LParam);
      if (!(wp->flags & SWP_NOMOVE) || !(wp->flags & SWP_NOSIZE)) {
        RECT r;
        GetWindowRect(handle_, &r);
        HWND parentWnd = GetParent(handle_);
        if (parentWnd && (GetWindowLongPtrW(handle_, GWL_STYLE) & WS_CHILD)) MapWindowPoints(nullptr, parentWnd, reinterpret_cast<POINT*>(&r), 2);
        const bool resized = (r.right - r.left) != width_ || (r.bottom - r.top) != height_;
        left_ = r.left;
        top_ = r.top;
        width_ = r.right - r.left;
        height_ = r.bottom - r.top;
        if (resized) Realign();
      }
      return;
    }
    case WM_MOUSEMOVE:
      if (!mouseInControl_) {
        TRACKMOUSEEVENT tme{sizeof tme, TME_LEAVE, handle_, 0};
        TrackMouseEvent(&tme);
        MouseEntered();
      }
      MouseMove(KeysToShiftState(msg.WParam), GET_X_LPARAM(msg.LParam), GET_Y_LPARAM(msg.LParam));
      break;
    case WM_MOUSELEAVE:
      MouseLeft();
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      MouseDown(TMouseButton::mbLeft, KeysToShiftState(msg.WParam), GET_X_LPARAM(msg.LParam), GET_Y_LPARAM(msg.LParam));
      break;
    case WM_RBUTTONDOWN:
      MouseDown(TMouseButton::mbRight, KeysToShiftState(msg.WParam), GET_X_LPARAM(msg.LParam), GET_Y_LPARAM(msg.LParam));
      break;
    case WM_LBUTTONUP:
      MouseUp(TMouseButton::mbLeft, KeysToShiftState(msg.WParam), GET_X_LPARAM(msg.LParam), GET_Y_LPARAM(msg.LParam));
      break;
    case WM_RBUTTONUP:
      MouseUp(TMouseButton::mbRight, KeysToShiftState(msg.WParam), GET_X_LPARAM(msg.LParam), GET_Y_LPARAM(msg.LParam));
      break;
    case WM_SETCURSOR:
      if (LOWORD(msg.LParam) == HTCLIENT && reinterpret_cast<HWND>(msg.WParam) == handle_) {
        POINT p;
        GetCursorPos(&p);
        ::ScreenToClient(handle_, &p);
        TControl* c = captureControl_ ? captureControl_ : ControlAtPos(p);
        if (!c) c = this;
        if (c->Cursor() != crDefault) {
          ::SetCursor(CursorHandle(c->Cursor()));
          msg.Result = 1;
          return;
        }
      }
      break;
    case WM_ERASEBKGND:
      if (OwnPainting()) {
        RECT r;
        GetClientRect(handle_, &r);
        ::FillRect(reinterpret_cast<HDC>(msg.WParam), &r, ControlBrush());
        msg.Result = 1;
        return;
      }
      break;
    case WM_PAINT: {
      const bool hasGraphicChildren = std::any_of(controls_.begin(), controls_.end(), [](TControl* c) {
        return c->visible_ && dynamic_cast<TGraphicControl*>(c) != nullptr;
      });
      if (OwnPainting()) {
        if (msg.WParam) {
          PaintWindow(reinterpret_cast<HDC>(msg.WParam));
          PaintControls(reinterpret_cast<HDC>(msg.WParam));
        } else {
          PAINTSTRUCT ps;
          HDC dc = BeginPaint(handle_, &ps);
          try {
            PaintWindow(dc);
            PaintControls(dc);
          } catch (...) {
            EndPaint(handle_, &ps);
            throw;
          }
          EndPaint(handle_, &ps);
        }
        msg.Result = 0;
        return;
      }
      DefaultHandler(msg);
      if (hasGraphicChildren) {
        if (msg.WParam) {
          PaintControls(reinterpret_cast<HDC>(msg.WParam));
        } else {
          WindowDC dc(handle_);
          PaintControls(dc.Get());
        }
      }
      return;
    }
    case CM_ENABLEDCHANGED:
      if (handle_) EnableWindow(handle_, enabled_);
      break;
    case CM_VISIBLECHANGED:
      if (msg.WParam) {
        if (parent_ && parent_->HandleAllocated()) Handle();
        if (handle_) ShowWindow(handle_, SW_SHOWNA);
      } else if (handle_) {
        if (Focused() && parent_) {
          if (TCustomForm* form = ParentForm()) form->SelectNext(this, true, true);
        }
        ShowWindow(handle_, SW_HIDE);
      }
      break;
    case CM_RECREATEWND:
      DoRecreateWnd();
      return;
    case WM_CONTEXTMENU:
      if (ContextPopup(msg)) {
        msg.Result = 0;
        return;
      }
      break;
    default:
      break;
  }
  DefaultHandler(msg);
}

bool TWinControl::ContextPopup(const TMessage& msg) {
  POINT screen{GET_X_LPARAM(msg.LParam), GET_Y_LPARAM(msg.LParam)};
  const bool fromKeyboard = screen.x == -1 && screen.y == -1;
  // A windowless child under the mouse offers its own menu first.
  if (!fromKeyboard && handle_) {
    POINT client = screen;
    ::ScreenToClient(handle_, &client);
    if (TControl* child = ControlAtPos(client); child && child->PopupMenu())
      return child->ShowPopupMenu(screen);
  }
  return ShowPopupMenu(screen);
}

void TWinControl::DefaultHandler(TMessage& msg) {
  if (handle_) msg.Result = CallWindowProcW(defWndProc_, handle_, msg.Msg, msg.WParam, msg.LParam);
}

// ---------------------------------------------------------------------------------------------
// TGraphicControl, TCustomControl

const TClassInfo& TGraphicControl::StaticClass() {
  static const TClassInfo info("TGraphicControl", &TControl::StaticClass());
  return info;
}

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner) {}

void TGraphicControl::Invalidate() { TControl::Invalidate(); }

void TGraphicControl::Repaint() { TControl::Repaint(); }

void TGraphicControl::WndProc(TMessage& msg) {
  if (msg.Msg != WM_PAINT || !msg.WParam) {
    TControl::WndProc(msg);
    return;
  }
  canvas_.SetHandle(reinterpret_cast<HDC>(msg.WParam));
  try {
    Paint();
  } catch (...) {
    canvas_.SetHandle(nullptr);
    throw;
  }
  canvas_.SetHandle(nullptr);
  msg.Result = 0;
}

const TClassInfo& TCustomControl::StaticClass() {
  static const TClassInfo info("TCustomControl", &TWinControl::StaticClass());
  return info;
}

TCustomControl::TCustomControl(TComponent* owner) : TWinControl(owner) {}

void TCustomControl::PaintWindow(HDC dc) {
  canvas_.SetHandle(dc);
  try {
    Paint();
  } catch (...) {
    canvas_.SetHandle(nullptr);
    throw;
  }
  canvas_.SetHandle(nullptr);
}

TCustomForm* GetParentForm(const TControl* control) {
  const TControl* c = control;
  while (c && c->Parent()) c = c->Parent();
  return const_cast<TCustomForm*>(dynamic_cast<const TCustomForm*>(c));
}

}  // namespace tk
