#include "ListViews.h"

#include <commctrl.h>

#include "Encoding.h"

namespace tk {

namespace {

void EnsureListClasses() {
  static const bool registered = [] {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_LISTVIEW_CLASSES};
    return InitCommonControlsEx(&icc) != FALSE;
  }();
  (void)registered;
}

int HeaderFormat(TAlignment alignment) {
  switch (alignment) {
    case TAlignment::taRightJustify: return HDF_RIGHT;
    case TAlignment::taCenter: return HDF_CENTER;
    default: return HDF_LEFT;
  }
}

int ColumnFormat(TAlignment alignment) {
  switch (alignment) {
    case TAlignment::taRightJustify: return LVCFMT_RIGHT;
    case TAlignment::taCenter: return LVCFMT_CENTER;
    default: return LVCFMT_LEFT;
  }
}

const DWORD ViewStyles[] = {LVS_ICON, LVS_SMALLICON, LVS_LIST, LVS_REPORT};

}  // namespace

// ---------------------------------------------------------------------------------------------
// THeaderControl

const TClassInfo& THeaderSection::StaticClass() {
  static const TClassInfo info = [] {
    TClassInfo c("THeaderSection", &TCollectionItem::StaticClass());
    c.Property("Alignment", &THeaderSection::Alignment, &THeaderSection::SetAlignment);
    c.Property("Text", &THeaderSection::Text, &THeaderSection::SetText);
    c.Property("Width", &THeaderSection::Width, &THeaderSection::SetWidth);
    return c;
  }();
  return info;
}

const TClassInfo& THeaderControl::StaticClass() {
  static const TClassInfo info = [] {
    TClassInfo c("THeaderControl", &TWinControl::StaticClass());
    c.Property("HotTrack", &THeaderControl::HotTrack, &THeaderControl::SetHotTrack);
    c.Property("Sections", &THeaderControl::SectionsObject);
    c.SetFactory([](TComponent* owner) { return new THeaderControl(owner); });
    return c;
  }();
  return info;
}

THeaderControl::THeaderControl(TComponent* owner)
    : TWinControl(owner), sections_([](TCollection* c) { return std::make_unique<THeaderSection>(c); }) {
  align_ = TAlign::alTop;
  width_ = 200;
  height_ = 20;
  sections_.OnUpdate = [this](TCollectionItem*) { UpdateSections(); };
}

THeaderControl::~THeaderControl() { DestroyHandle(); }

THeaderSection* THeaderControl::AddSection(const std::string& text, int width, TAlignment alignment) {
  auto* section = static_cast<THeaderSection*>(sections_.Add());
  section->SetText(text);
  section->SetWidth(width);
  section->SetAlignment(alignment);
  return section;
}

void THeaderControl::SetHotTrack(bool v) {
  if (v == hotTrack_) return;
  hotTrack_ = v;
  RecreateWnd();
}

void THeaderControl::CreateParams(TCreateParams& params) {
  EnsureListClasses();
  TWinControl::CreateParams(params);
  params.systemClassName = WC_HEADERW;
  params.style |= HDS_HORZ | HDS_BUTTONS | (hotTrack_ ? HDS_HOTTRACK : 0);
}

void THeaderControl::InitializeWnd() {
  TWinControl::InitializeWnd();
  UpdateSections();
}

void THeaderControl::UpdateSections() {
  if (!handle_) return;
  while (SendMessageW(handle_, HDM_GETITEMCOUNT, 0, 0) > 0) SendMessageW(handle_, HDM_DELETEITEM, 0, 0);
  for (int i = 0; i < sections_.Count(); ++i) {
    const THeaderSection* s = Section(i);
    std::wstring text = GbkToWide(s->Text());
    HDITEMW item{};
    item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
    item.pszText = text.data();
    item.cxy = s->Width();
    item.fmt = HDF_STRING | HeaderFormat(s->Alignment());
    SendMessageW(handle_, HDM_INSERTITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
  }
  InvalidateRect(handle_, nullptr, TRUE);
}

// ---------------------------------------------------------------------------------------------
// TListView

const TClassInfo& TListColumn::StaticClass() {
  static const TClassInfo info = [] {
    TClassInfo c("TListColumn", &TCollectionItem::StaticClass());
    c.Property("Alignment", &TListColumn::Alignment, &TListColumn::SetAlignment);
    c.Property("Caption", &TListColumn::Caption, &TListColumn::SetCaption);
    c.Property("Width", &TListColumn::Width, &TListColumn::SetWidth);
    return c;
  }();
  return info;
}

const TClassInfo& TListItem::StaticClass() {
  static const TClassInfo info = [] {
    TClassInfo c("TListItem", &TCollectionItem::StaticClass());
    c.Property("Caption", &TListItem::Caption, &TListItem::SetCaption);
    c.Property("SubItems", &TListItem::SubItemsObject);
    return c;
  }();
  return info;
}

TListItem::TListItem(TCollection* collection) : TCollectionItem(collection) {
  subItems_.OnChange = [this] { Changed(); };
}

const TClassInfo& TListView::StaticClass() {
  static const TClassInfo info = [] {
    TClassInfo c("TListView", &TWinControl::StaticClass());
    c.Property("BorderStyle", &TListView::BorderStyle, &TListView::SetBorderStyle);
    c.Property("Columns", &TListView::ColumnsObject);
    c.Property("ItemIndex", &TListView::ItemIndex, &TListView::SetItemIndex);
    c.Property("Items", &TListView::ItemsObject);
    c.Property("RowSelect", &TListView::RowSelect, &TListView::SetRowSelect);
    c.Property("ViewStyle", &TListView::ViewStyle, &TListView::SetViewStyle);
    c.SetFactory([](TComponent* owner) { return new TListView(owner); });
    return c;
  }();
  return info;
}

TListView::TListView(TComponent* owner)
    : TWinControl(owner),
      columns_([](TCollection* c) { return std::make_unique<TListColumn>(c); }),
      items_([](TCollection* c) { return std::make_unique<TListItem>(c); }) {
  width_ = 250;
  height_ = 150;
  tabStop_ = true;
  color_ = clWindow;
  columns_.OnUpdate = [this](TCollectionItem*) { UpdateColumns(); };
  items_.OnUpdate = [this](TCollectionItem* item) {
    if (item) UpdateItem(item->Index());
    else UpdateItems();
  };
}

TListView::~TListView() { DestroyHandle(); }

TListColumn* TListView::AddColumn(const std::string& caption, int width, TAlignment alignment) {
  auto* column = static_cast<TListColumn*>(columns_.Add());
  column->SetCaption(caption);
  column->SetWidth(width);
  column->SetAlignment(alignment);
  return column;
}

TListItem* TListView::AddItem(const std::string& caption, const std::vector<std::string>& subItems) {
  auto* item = static_cast<TListItem*>(items_.Add());
  item->SetCaption(caption);
  item->SubItems().SetItems(subItems);
  return item;
}

void TListView::SetViewStyle(TViewStyle v) {
  if (v == viewStyle_) return;
  viewStyle_ = v;
  if (handle_) {
    const LONG_PTR style = GetWindowLongPtrW(handle_, GWL_STYLE);
    SetWindowLongPtrW(handle_, GWL_STYLE, (style & ~LVS_TYPEMASK) | ViewStyles[static_cast<int>(v)]);
    UpdateColumns();
  }
}

void TListView::SetRowSelect(bool v) {
  rowSelect_ = v;
  if (handle_) SendMessageW(handle_, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, v ? LVS_EX_FULLROWSELECT : 0);
}

void TListView::SetBorderStyle(TBorderStyle v) {
  if (v == borderStyle_) return;
  borderStyle_ = v;
  RecreateWnd();
}

int TListView::ItemIndex() const {
  if (handle_) return static_cast<int>(SendMessageW(handle_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
  return itemIndex_;
}

void TListView::SetItemIndex(int index) {
  itemIndex_ = index < 0 || index >= items_.Count() ? -1 : index;
  if (!handle_) return;
  LVITEMW clear{};
  clear.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  SendMessageW(handle_, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&clear));
  if (itemIndex_ < 0) return;
  LVITEMW set{};
  set.stateMask = set.state = LVIS_SELECTED | LVIS_FOCUSED;
  SendMessageW(handle_, LVM_SETITEMSTATE, static_cast<WPARAM>(itemIndex_), reinterpret_cast<LPARAM>(&set));
}

HWND TListView::HeaderHandle() const {
  return handle_ ? reinterpret_cast<HWND>(SendMessageW(handle_, LVM_GETHEADER, 0, 0)) : nullptr;
}

void TListView::CreateParams(TCreateParams& params) {
  EnsureListClasses();
  TWinControl::CreateParams(params);
  params.systemClassName = WC_LISTVIEWW;
  params.style |= ViewStyles[static_cast<int>(viewStyle_)] | LVS_SHOWSELALWAYS | LVS_SINGLESEL;
  if (borderStyle_ == TBorderStyle::bsSingle) params.exStyle |= WS_EX_CLIENTEDGE;
}

void TListView::InitializeWnd() {
  TWinControl::InitializeWnd();
  SetRowSelect(rowSelect_);
  UpdateColumns();
  UpdateItems();
  SetItemIndex(itemIndex_);
}

void TListView::SaveWndState() { itemIndex_ = ItemIndex(); }

void TListView::UpdateColumns() {
  if (!handle_) return;
  while (SendMessageW(handle_, LVM_DELETECOLUMN, 0, 0)) {
  }
  for (int i = 0; i < columns_.Count(); ++i) {
    const auto* column = static_cast<const TListColumn*>(columns_.Items(i));
    std::wstring text = GbkToWide(column->Caption());
    LVCOLUMNW lvc{};
    lvc.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT | LVCF_SUBITEM;
    lvc.fmt = ColumnFormat(column->Alignment());
    lvc.cx = column->Width();
    lvc.pszText = text.data();
    lvc.iSubItem = i;
    SendMessageW(handle_, LVM_INSERTCOLUMNW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&lvc));
  }
}

void TListView::UpdateItems() {
  if (!handle_) return;
  SendMessageW(handle_, WM_SETREDRAW, FALSE, 0);
  SendMessageW(handle_, LVM_DELETEALLITEMS, 0, 0);
  for (int i = 0; i < items_.Count(); ++i) {
    LVITEMW lvi{};
    lvi.mask = LVIF_TEXT;
    lvi.iItem = i;
    std::wstring empty;
    lvi.pszText = empty.data();
    SendMessageW(handle_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&lvi));
    UpdateItem(i);
  }
  SendMessageW(handle_, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(handle_, nullptr, TRUE);
}

void TListView::UpdateItem(int index) {
  if (!handle_ || index < 0 || index >= items_.Count()) return;
  if (index >= SendMessageW(handle_, LVM_GETITEMCOUNT, 0, 0)) {
    UpdateItems();
    return;
  }
  auto* item = static_cast<TListItem*>(items_.Items(index));
  auto setText = [&](int column, const std::string& text) {
    std::wstring wide = GbkToWide(text);
    LVITEMW lvi{};
    lvi.iSubItem = column;
    lvi.pszText = wide.data();
    SendMessageW(handle_, LVM_SETITEMTEXTW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&lvi));
  };
  setText(0, item->Caption());
  for (int s = 0; s < item->SubItems().Count(); ++s) setText(s + 1, item->SubItems()[s]);
}

}  // namespace tk
