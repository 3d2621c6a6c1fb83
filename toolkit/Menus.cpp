#include "Menus.h"

#include <algorithm>

#include "Encoding.h"
#include "Forms.h"

namespace tk {

namespace {
UINT NextCommand() {
  // Menu command ids share WM_COMMAND's low word with nothing else of the toolkit's.
  static UINT next = 1;
  if (next >= 0xF000) next = 1;
  return next++;
}
}  // namespace

const TClassInfo& TMenuItem::StaticClass() {
  static const TClassInfo info = [] {
    TClassInfo c("TMenuItem", &TComponent::StaticClass());
    c.Property("Caption", &TMenuItem::Caption, &TMenuItem::SetCaption);
    c.Property("Checked", &TMenuItem::Checked, &TMenuItem::SetChecked);
    c.Property("Default", &TMenuItem::Default, &TMenuItem::SetDefault);
    c.Property("Enabled", &TMenuItem::Enabled, &TMenuItem::SetEnabled);
    c.Property("GroupIndex", &TMenuItem::GroupIndex, &TMenuItem::SetGroupIndex);
    c.Property("RadioItem", &TMenuItem::RadioItem, &TMenuItem::SetRadioItem);
    c.Property("Visible", &TMenuItem::Visible, &TMenuItem::SetVisible);
    c.Property("ImageIndex", &TMenuItem::ImageIndex, &TMenuItem::SetImageIndex);
    c.Event("OnClick", &TMenuItem::OnClick);
    c.SetFactory([](TComponent* owner) { return new TMenuItem(owner); });
    return c;
  }();
  return info;
}

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner), command_(NextCommand()) {}

TMenuItem::~TMenuItem() {
  // Sub-items go with their item, whoever owns them.
  while (!items_.empty()) TComponent::Free(items_.back());
  if (parent_) parent_->Remove(this);
}

void TMenuItem::SetCaption(const std::string& v) { if (v != caption_) { caption_ = v; Changed(); } }

void TMenuItem::SetChecked(bool v) {
  if (v == checked_) return;
  checked_ = v;
  if (v && radioItem_ && parent_) {
    for (TMenuItem* sibling : parent_->items_)
      if (sibling != this && sibling->radioItem_ && sibling->groupIndex_ == groupIndex_) sibling->checked_ = false;
  }
  Changed();
}

void TMenuItem::SetEnabled(bool v) { if (v != enabled_) { enabled_ = v; Changed(); } }
void TMenuItem::SetVisible(bool v) { if (v != visible_) { visible_ = v; Changed(); } }
void TMenuItem::SetOwnerDraw(bool v) { if (v != ownerDraw_) { ownerDraw_ = v; Changed(); } }

void TMenuItem::Add(TMenuItem* item) { Insert(Count(), item); }

void TMenuItem::Insert(int index, TMenuItem* item) {
  if (!item || item == this) return;
  if (item->parent_) item->parent_->Remove(item);
  index = std::clamp(index, 0, Count());
  items_.insert(items_.begin() + index, item);
  item->parent_ = this;
  Changed();
}

void TMenuItem::Remove(TMenuItem* item) {
  auto it = std::find(items_.begin(), items_.end(), item);
  if (it == items_.end()) return;
  items_.erase(it);
  item->parent_ = nullptr;
  item->DestroyHandle();
  Changed();
}

int TMenuItem::IndexOf(const TMenuItem* item) const {
  auto it = std::find(items_.begin(), items_.end(), item);
  return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

TMenu* TMenuItem::GetParentMenu() const {
  const TMenuItem* root = this;
  while (root->parent_) root = root->parent_;
  return root->menu_;
}

void TMenuItem::SetParentComponent(TComponent* parent) {
  if (auto* menu = dynamic_cast<TMenu*>(parent)) menu->Items()->Add(this);
  else if (auto* item = dynamic_cast<TMenuItem*>(parent)) item->Add(this);
}

TComponent* TMenuItem::GetParentComponent() const {
  if (parent_ && parent_->menu_) return parent_->menu_;
  return parent_;
}

void TMenuItem::Click() {
  if (OnClick) OnClick(this);
}

void TMenuItem::Changed() {
  if (TMenu* menu = GetParentMenu()) menu->MenuChanged();
}

void TMenuItem::DestroyHandle() {
  handle_ = nullptr;
  for (TMenuItem* child : items_) child->DestroyHandle();
}

void TMenuItem::AppendTo(HMENU menu) {
  if (!visible_) return;
  std::wstring text = GbkToWide(caption_);
  UINT flags = 0;
  if (IsLine()) flags |= MF_SEPARATOR;
  if (checked_) flags |= MF_CHECKED;
  if (!enabled_) flags |= MF_GRAYED;
  if (ownerDraw_) flags |= MF_OWNERDRAW;
  if (!items_.empty()) {
    handle_ = CreatePopupMenu();
    for (TMenuItem* child : items_) child->AppendTo(handle_);
    AppendMenuW(menu, flags | MF_POPUP, reinterpret_cast<UINT_PTR>(handle_),
                ownerDraw_ ? reinterpret_cast<LPCWSTR>(this) : text.c_str());
  } else {
    handle_ = nullptr;
    AppendMenuW(menu, flags | MF_STRING, command_, ownerDraw_ ? reinterpret_cast<LPCWSTR>(this) : text.c_str());
  }
  if (default_) SetMenuDefaultItem(menu, command_, FALSE);
}

// ---------------------------------------------------------------------------------------------

const TClassInfo& TMenu::StaticClass() {
  static const TClassInfo info = [] {
    TClassInfo c("TMenu", &TComponent::StaticClass());
    c.Property("AutoHotkeys", &TMenu::AutoHotkeys, &TMenu::SetAutoHotkeys);
    return c;
  }();
  return info;
}

TMenu::TMenu(TComponent* owner) : TComponent(owner), items_(new TMenuItem(this)) { items_->menu_ = this; }

TMenu::~TMenu() {
  destroying_ = true;
  // The root item is owned by this menu and goes with it; the native menu after it.
  TComponent::Free(items_);
}

HMENU TMenu::Handle() {
  if (!handle_) {
    handle_.Reset(CreateMenuHandle());
    for (TMenuItem* item : items_->items_) item->AppendTo(handle_.Get());
  }
  return handle_.Get();
}

void TMenu::Rebuild() {
  if (!handle_) return;
  items_->DestroyHandle();
  while (GetMenuItemCount(handle_.Get()) > 0) DeleteMenu(handle_.Get(), 0, MF_BYPOSITION);
  for (TMenuItem* item : items_->items_) item->AppendTo(handle_.Get());
}

void TMenu::MenuChanged() {
  if (!destroying_ && !Destroying()) Rebuild();
}

namespace {
TMenuItem* FindItem(TMenuItem* item, const std::function<bool(TMenuItem*)>& match) {
  for (int i = 0; i < item->Count(); ++i) {
    TMenuItem* child = item->Items(i);
    if (match(child)) return child;
    if (TMenuItem* found = FindItem(child, match)) return found;
  }
  return nullptr;
}
}  // namespace

TMenuItem* TMenu::FindItemByCommand(UINT command) const {
  return FindItem(items_, [command](TMenuItem* i) { return i->Count() == 0 && i->Command() == command; });
}

TMenuItem* TMenu::FindItemByHandle(HMENU menu) const {
  if (!menu) return nullptr;
  return FindItem(items_, [menu](TMenuItem* i) { return i->Handle() == menu; });
}

const TClassInfo& TMainMenu::StaticClass() {
  static const TClassInfo info = [] {
    TClassInfo c("TMainMenu", &TMenu::StaticClass());
    c.SetFactory([](TComponent* owner) { return new TMainMenu(owner); });
    return c;
  }();
  return info;
}

TMainMenu::~TMainMenu() {
  // A window destroys the menu it shows: take ours back first.
  if (form_ && form_->HandleAllocated() && handle_ && GetMenu(form_->HandleIfAllocated()) == handle_.Get())
    ::SetMenu(form_->HandleIfAllocated(), nullptr);
}

void TMainMenu::MenuChanged() {
  TMenu::MenuChanged();
  if (!form_ || !form_->HandleAllocated() || !handle_) return;
  HWND wnd = form_->HandleIfAllocated();
  // Whoever draws the window's menu bar learns that the items changed (sub-menu handles too).
  SendMessageW(wnd, CM_MENUCHANGED, 0, reinterpret_cast<LPARAM>(this));
  DrawMenuBar(wnd);
}

const TClassInfo& TPopupMenu::StaticClass() {
  static const TClassInfo info = [] {
    TClassInfo c("TPopupMenu", &TMenu::StaticClass());
    c.SetFactory([](TComponent* owner) { return new TPopupMenu(owner); });
    return c;
  }();
  return info;
}

void TPopupMenu::Popup(int x, int y) {
  HWND owner = nullptr;
  if (auto* form = dynamic_cast<TCustomForm*>(Owner())) owner = form->Handle();
  PopupFor(owner, x, y);
}

void TPopupMenu::PopupFor(HWND owner, int x, int y) {
  const UINT command = TrackPopupMenu(Handle(), TPM_RETURNCMD | TPM_LEFTALIGN | TPM_RIGHTBUTTON, x, y, 0, owner, nullptr);
  if (command)
    if (TMenuItem* item = FindItemByCommand(command)) item->Click();
}

}  // namespace tk
