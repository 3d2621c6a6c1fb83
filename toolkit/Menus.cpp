#include "Menus.h"

#include <algorithm>

#include "Encoding.h"
#include "Forms.h"
#include "GdiHandle.h"

namespace tk {

namespace {
UniqueFont MakeMenuFont(bool bold) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  if (bold) metrics.lfMenuFont.lfWeight = FW_BOLD;
  return UniqueFont(CreateFontIndirectW(&metrics.lfMenuFont));
}

UINT NextCommand() {
  // Menu command ids share WM_COMMAND's low word with nothing else of the toolkit's.
  static UINT next = 1;
  if (next >= 0xF000) next = 1;
  return next++;
}
}  // namespace

HFONT MenuFont(bool bold) {
  static const UniqueFont regular = MakeMenuFont(false);
  static const UniqueFont heavy = MakeMenuFont(true);
  return bold ? heavy.Get() : regular.Get();
}

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
  const std::wstring text = GbkToWide(caption_);
  const TMenu* owner = GetParentMenu();
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_STRING | MIIM_DATA;
  info.fType = IsLine() ? MFT_SEPARATOR : MFT_STRING;
  if (radioItem_) info.fType |= MFT_RADIOCHECK;
  // An owner-drawn item keeps its text: menu bars and mnemonics still read it.
  if (ownerDraw_ || (owner && owner->OwnerDraw())) info.fType |= MFT_OWNERDRAW;
  info.fState = (checked_ ? MFS_CHECKED : 0u) | (enabled_ ? 0u : MFS_GRAYED);
  info.wID = command_;
  // The item's address tells owner drawing which item it is; it is only ever compared.
  info.dwItemData = reinterpret_cast<ULONG_PTR>(this);
  info.dwTypeData = const_cast<wchar_t*>(text.c_str());
  handle_ = nullptr;
  if (!items_.empty()) {
    handle_ = CreatePopupMenu();
    for (TMenuItem* child : items_) child->AppendTo(handle_);
    info.fMask |= MIIM_SUBMENU;
    info.hSubMenu = handle_;
  }
  InsertMenuItemW(menu, static_cast<UINT>(GetMenuItemCount(menu)), TRUE, &info);
  if (default_) SetMenuDefaultItem(menu, command_, FALSE);
}

std::wstring TMenuItem::CaptionText() const {
  const std::wstring text = GbkToWide(caption_);
  return text.substr(0, text.find(L'\t'));
}

std::wstring TMenuItem::ShortCutText() const {
  const std::wstring text = GbkToWide(caption_);
  const size_t tab = text.find(L'\t');
  return tab == std::wstring::npos ? std::wstring() : text.substr(tab + 1);
}

void TMenuItem::DefaultMeasure(HDC dc, int& width, int& height) const {
  if (IsLine()) {
    width = 0;
    height = 8;
    return;
  }
  SelectGuard font(dc, MenuFont(default_));
  RECT caption{};
  const std::wstring text = CaptionText();
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &caption, DT_CALCRECT | DT_SINGLELINE);
  width = caption.right - caption.left;
  const std::wstring shortCut = ShortCutText();
  if (!shortCut.empty()) {
    RECT r{};
    DrawTextW(dc, shortCut.c_str(), static_cast<int>(shortCut.size()), &r, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    width += (r.right - r.left) + 16;
  }
  height = std::max<int>(caption.bottom - caption.top + 4, GetSystemMetrics(SM_CYMENU) - 1);
}

void TMenuItem::MeasureItem(HDC dc, int& width, int& height) {
  DefaultMeasure(dc, width, height);
  if (OnMeasureItem) OnMeasureItem(this, dc, width, height);
}

void TMenuItem::DrawItem(const DRAWITEMSTRUCT& item) {
  if (OnDrawItem) {
    OnDrawItem(this, item);
    return;
  }
  // The platform's look, near enough, for an owner-drawn item nobody draws.
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  HDC dc = item.hDC;
  RECT r = item.rcItem;
  FillRect(dc, &r, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_MENU));
  if (IsLine()) {
    RECT line{r.left, r.top + 3, r.right, r.bottom};
    DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
    return;
  }
  SavedDC saved(dc);
  SelectObject(dc, MenuFont(default_));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(!enabled_ ? COLOR_GRAYTEXT : selected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT));
  RECT text{r.left + GetSystemMetrics(SM_CXMENUCHECK) + 4, r.top, r.right - 4, r.bottom};
  const std::wstring caption = CaptionText();
  DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text, DT_SINGLELINE | DT_VCENTER);
  const std::wstring shortCut = ShortCutText();
  DrawTextW(dc, shortCut.c_str(), static_cast<int>(shortCut.size()), &text, DT_SINGLELINE | DT_VCENTER | DT_RIGHT | DT_NOPREFIX);
  if (checked_) {
    RECT mark{r.left, r.top, r.left + GetSystemMetrics(SM_CXMENUCHECK) + 4, r.bottom};
    DrawTextW(dc, radioItem_ ? L"\x25CF" : L"\x221A", 1, &mark, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
  }
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

TMenuItem* TMenu::FindItemByIdentity(ULONG_PTR identity) const {
  if (!identity) return nullptr;
  return FindItem(items_, [identity](TMenuItem* i) { return reinterpret_cast<ULONG_PTR>(i) == identity; });
}

void TMenu::SetOwnerDraw(bool v) {
  if (v == ownerDraw_) return;
  ownerDraw_ = v;
  MenuChanged();
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
