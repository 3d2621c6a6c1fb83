#include "Tabs.h"

#include <algorithm>

#include "Encoding.h"
#include "Messages.h"

namespace tk {

namespace {

// The side bits the skin painters read back from the style.
DWORD SideStyle(TTabPosition position) {
  switch (position) {
    case TTabPosition::tpBottom: return TCS_BOTTOM;
    case TTabPosition::tpLeft: return TCS_VERTICAL;
    case TTabPosition::tpRight: return TCS_VERTICAL | TCS_BOTTOM;
    default: return 0;
  }
}

DWORD StripStyle(TTabStyle style) {
  switch (style) {
    case TTabStyle::tsButtons: return TCS_BUTTONS;
    case TTabStyle::tsFlatButtons: return TCS_BUTTONS | TCS_FLATBUTTONS;
    default: return TCS_TABS;
  }
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// TCustomTabControl

const TClassInfo& TCustomTabControl::StaticClass() {
  static const TClassInfo info = [] {
    TClassInfo c("TCustomTabControl", &TWinControl::StaticClass());
    c.Property("MultiLine", &TCustomTabControl::MultiLine, &TCustomTabControl::SetMultiLine);
    c.Property("Style", &TCustomTabControl::Style, &TCustomTabControl::SetStyle);
    c.Property("TabIndex", &TCustomTabControl::TabIndex, &TCustomTabControl::SetTabIndex);
    c.Property("TabPosition", &TCustomTabControl::TabPosition, &TCustomTabControl::SetTabPosition);
    c.Event("OnChange", &TCustomTabControl::OnChange);
    return c;
  }();
  return info;
}

TCustomTabControl::TCustomTabControl(TComponent* owner) : TWinControl(owner) {
  width_ = 289;
  height_ = 193;
  color_ = clBtnFace;
  brush_.SetColor(color_);
  tabStop_ = true;
}

TCustomTabControl::~TCustomTabControl() = default;

void TCustomTabControl::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.systemClassName = WC_TABCONTROLW;
  params.style |= WS_CLIPCHILDREN | StripStyle(style_) | SideStyle(tabPosition_);
  // Vertical strips only come in several rows.
  if (multiLine_ || tabPosition_ == TTabPosition::tpLeft || tabPosition_ == TTabPosition::tpRight)
    params.style |= TCS_MULTILINE;
}

void TCustomTabControl::InitializeWnd() {
  TWinControl::InitializeWnd();
  if (images_) SendMessageW(handle_, TCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images_));
  SyncTabs();
}

void TCustomTabControl::SaveWndState() { tabIndex_ = TabIndex(); }

void TCustomTabControl::SyncTabs() {
  if (!HandleAllocated()) return;
  const std::vector<std::string> captions = TabCaptions();
  SendMessageW(handle_, TCM_DELETEALLITEMS, 0, 0);
  for (size_t i = 0; i < captions.size(); ++i) {
    std::wstring text = GbkToWide(captions[i]);
    TCITEMW item{};
    item.mask = TCIF_TEXT | TCIF_IMAGE;
    item.pszText = text.data();
    item.iImage = TabImage(static_cast<int>(i));
    SendMessageW(handle_, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
  }
  if (tabIndex_ >= static_cast<int>(captions.size())) tabIndex_ = static_cast<int>(captions.size()) - 1;
  SendMessageW(handle_, TCM_SETCURSEL, static_cast<WPARAM>(tabIndex_), 0);
  Invalidate();
}

int TCustomTabControl::TabIndex() const {
  if (!handle_) return tabIndex_;
  return static_cast<int>(SendMessageW(handle_, TCM_GETCURSEL, 0, 0));
}

void TCustomTabControl::SetTabIndex(int index) {
  tabIndex_ = index;
  if (handle_) SendMessageW(handle_, TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void TCustomTabControl::SetStyle(TTabStyle v) {
  if (v == style_) return;
  style_ = v;
  if (HandleAllocated()) RecreateWnd();
}

void TCustomTabControl::SetTabPosition(TTabPosition v) {
  if (v == tabPosition_) return;
  tabPosition_ = v;
  if (HandleAllocated()) RecreateWnd();
}

void TCustomTabControl::SetMultiLine(bool v) {
  if (v == multiLine_) return;
  multiLine_ = v;
  if (HandleAllocated()) RecreateWnd();
}

void TCustomTabControl::SetImages(HIMAGELIST images) {
  images_ = images;
  if (handle_) SendMessageW(handle_, TCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images_));
}

RECT TCustomTabControl::DisplayRect() {
  RECT r = ClientRect();
  if (HandleAllocated()) SendMessageW(handle_, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&r));
  return r;
}

void TCustomTabControl::Change() {
  if (OnChange) OnChange(this);
}

void TCustomTabControl::WndProc(TMessage& msg) {
  if (msg.Msg == CN_NOTIFY && msg.LParam) {
    const auto* hdr = reinterpret_cast<const NMHDR*>(msg.LParam);
    if (hdr->code == TCN_SELCHANGE) {
      tabIndex_ = TabIndex();
      Change();
      msg.Result = 0;
      return;
    }
  }
  TWinControl::WndProc(msg);
}

// ---------------------------------------------------------------------------------------------
// TTabControl

const TClassInfo& TTabControl::StaticClass() {
  static const TClassInfo info = [] {
    TClassInfo c("TTabControl", &TCustomTabControl::StaticClass());
    c.Property("Tabs", &TTabControl::TabsObject);
    c.SetFactory([](TComponent* owner) { return new TTabControl(owner); });
    return c;
  }();
  return info;
}

TTabControl::TTabControl(TComponent* owner) : TCustomTabControl(owner), tabs_(std::make_unique<TStrings>()) {
  tabs_->OnChange = [this] {
    if (tabIndex_ < 0 && tabs_->Count() > 0) tabIndex_ = 0;
    SyncTabs();
  };
}

// ---------------------------------------------------------------------------------------------
// TTabSheet

const TClassInfo& TTabSheet::StaticClass() {
  static const TClassInfo info = [] {
    TClassInfo c("TTabSheet", &TCustomControl::StaticClass());
    c.Property("ImageIndex", &TTabSheet::ImageIndex, &TTabSheet::SetImageIndex);
    c.Property("PageControl", &TTabSheet::PageControl, &TTabSheet::SetPageControl);
    c.Property("PageIndex", &TTabSheet::PageIndex, &TTabSheet::SetPageIndex);
    c.Property("TabVisible", &TTabSheet::TabVisible, &TTabSheet::SetTabVisible);
    c.SetFactory([](TComponent* owner) { return new TTabSheet(owner); });
    return c;
  }();
  return info;
}

TTabSheet::TTabSheet(TComponent* owner) : TCustomControl(owner) {
  color_ = clBtnFace;
  brush_.SetColor(color_);
  visible_ = false;
  width_ = 100;
  height_ = 100;
}

TTabSheet::~TTabSheet() {
  if (pageControl_) pageControl_->RemovePage(this);
}

void TTabSheet::SetPageControl(TPageControl* control) {
  if (control == pageControl_) return;
  if (pageControl_) pageControl_->RemovePage(this);
  SetParent(control);
  if (control) control->InsertPage(this);
}

int TTabSheet::PageIndex() const {
  if (!pageControl_) return -1;
  const auto& pages = pageControl_->pages_;
  return static_cast<int>(std::find(pages.begin(), pages.end(), this) - pages.begin());
}

void TTabSheet::SetPageIndex(int index) {
  if (pageControl_) pageControl_->MovePage(this, index);
}

void TTabSheet::SetImageIndex(int v) {
  imageIndex_ = v;
  if (pageControl_) pageControl_->PagesChanged();
}

void TTabSheet::SetTabVisible(bool v) {
  if (v == tabVisible_) return;
  tabVisible_ = v;
  if (pageControl_) pageControl_->PagesChanged();
}

int TTabSheet::TabIndex() const {
  if (!pageControl_ || !tabVisible_) return -1;
  int index = 0;
  for (TTabSheet* page : pageControl_->pages_) {
    if (page == this) return index;
    if (page->tabVisible_) ++index;
  }
  return -1;
}

void TTabSheet::Paint() {
  Canvas().Brush().SetColor(color_);
  Canvas().FillRect(ClientRect());
}

void TTabSheet::TextChanged() {
  TCustomControl::TextChanged();
  if (pageControl_) pageControl_->PagesChanged();
}

// ---------------------------------------------------------------------------------------------
// TPageControl

const TClassInfo& TPageControl::StaticClass() {
  static const TClassInfo info = [] {
    TClassInfo c("TPageControl", &TCustomTabControl::StaticClass());
    c.Property("ActivePage", &TPageControl::ActivePage, &TPageControl::SetActivePage);
    c.Property("ActivePageIndex", &TPageControl::ActivePageIndex, &TPageControl::SetActivePageIndex);
    c.Property("PageCount", &TPageControl::PageCount);
    c.SetFactory([](TComponent* owner) { return new TPageControl(owner); });
    return c;
  }();
  return info;
}

TPageControl::TPageControl(TComponent* owner) : TCustomTabControl(owner) {}

TPageControl::~TPageControl() {
  // The sheets outlive the strip when their owner is another component: let them go first.
  for (TTabSheet* page : pages_) page->pageControl_ = nullptr;
}

void TPageControl::InsertPage(TTabSheet* page) {
  pages_.push_back(page);
  page->pageControl_ = this;
  if (!activePage_ && page->tabVisible_) activePage_ = page;
  PagesChanged();
}

void TPageControl::RemovePage(TTabSheet* page) {
  auto it = std::find(pages_.begin(), pages_.end(), page);
  if (it == pages_.end()) return;
  const size_t at = static_cast<size_t>(it - pages_.begin());
  pages_.erase(it);
  page->pageControl_ = nullptr;
  if (activePage_ == page) {
    activePage_ = nullptr;
    // The next page takes its place, else the one before.
    for (size_t i = at; i < pages_.size() && !activePage_; ++i)
      if (pages_[i]->tabVisible_) activePage_ = pages_[i];
    for (size_t i = at; i-- > 0 && !activePage_;)
      if (pages_[i]->tabVisible_) activePage_ = pages_[i];
  }
  PagesChanged();
}

void TPageControl::MovePage(TTabSheet* page, int index) {
  auto it = std::find(pages_.begin(), pages_.end(), page);
  if (it == pages_.end()) return;
  pages_.erase(it);
  index = std::clamp(index, 0, static_cast<int>(pages_.size()));
  pages_.insert(pages_.begin() + index, page);
  PagesChanged();
}

void TPageControl::PagesChanged() {
  tabIndex_ = activePage_ ? activePage_->TabIndex() : -1;
  SyncTabs();
  ShowActivePage();
}

std::vector<std::string> TPageControl::TabCaptions() const {
  std::vector<std::string> captions;
  for (TTabSheet* page : pages_)
    if (page->tabVisible_) captions.push_back(page->Caption());
  return captions;
}

int TPageControl::TabImage(int tabIndex) const {
  TTabSheet* page = PageOfTab(tabIndex);
  return page ? page->imageIndex_ : -1;
}

TTabSheet* TPageControl::PageOfTab(int tabIndex) const {
  if (tabIndex < 0) return nullptr;
  for (TTabSheet* page : pages_)
    if (page->tabVisible_ && tabIndex-- == 0) return page;
  return nullptr;
}

void TPageControl::SetActivePage(TTabSheet* page) {
  if (page && page->pageControl_ != this) return;
  activePage_ = page;
  tabIndex_ = page ? page->TabIndex() : -1;
  if (HandleAllocated()) SendMessageW(handle_, TCM_SETCURSEL, static_cast<WPARAM>(tabIndex_), 0);
  ShowActivePage();
}

int TPageControl::ActivePageIndex() const { return activePage_ ? activePage_->PageIndex() : -1; }

void TPageControl::SetActivePageIndex(int index) {
  SetActivePage(index >= 0 && index < PageCount() ? pages_[static_cast<size_t>(index)] : nullptr);
}

void TPageControl::Change() {
  activePage_ = PageOfTab(TabIndex());
  ShowActivePage();
  TCustomTabControl::Change();
}

void TPageControl::InitializeWnd() {
  TCustomTabControl::InitializeWnd();
  ShowActivePage();
}

void TPageControl::SetBounds(int left, int top, int width, int height) {
  TCustomTabControl::SetBounds(left, top, width, height);
  ShowActivePage();
}

void TPageControl::ShowActivePage() {
  if (!HandleAllocated()) return;
  const RECT area = DisplayRect();
  for (TTabSheet* page : pages_) {
    if (page == activePage_) {
      page->SetBounds(area.left, area.top, area.right - area.left, area.bottom - area.top);
      page->SetVisible(true);
      page->BringToFront();
    } else {
      page->SetVisible(false);
    }
  }
}

// ---------------------------------------------------------------------------------------------
// TTabbedNotebook, TAdvPageControl

const TClassInfo& TTabbedNotebook::StaticClass() {
  static const TClassInfo info = [] {
    TClassInfo c("TTabbedNotebook", &TPageControl::StaticClass());
    c.SetFactory([](TComponent* owner) { return new TTabbedNotebook(owner); });
    return c;
  }();
  return info;
}

const TClassInfo& TAdvPageControl::StaticClass() {
  static const TClassInfo info = [] {
    TClassInfo c("TAdvPageControl", &TPageControl::StaticClass());
    c.Property("TabBackGround", &TAdvPageControl::TabBackGround, &TAdvPageControl::SetTabBackGround);
    c.Property("TabBackGroundActive", &TAdvPageControl::TabBackGroundActive, &TAdvPageControl::SetTabBackGroundActive);
    c.SetFactory([](TComponent* owner) { return new TAdvPageControl(owner); });
    return c;
  }();
  return info;
}

TAdvPageControl::TAdvPageControl(TComponent* owner)
    : TPageControl(owner), tabBackGround_(std::make_unique<TBitmap>()), tabBackGroundActive_(std::make_unique<TBitmap>()) {}

void TAdvPageControl::SetTabBackGround(TBitmap* picture) {
  if (picture) tabBackGround_->Assign(*picture);
  else tabBackGround_->Clear();
  Invalidate();
}

void TAdvPageControl::SetTabBackGroundActive(TBitmap* picture) {
  if (picture) tabBackGroundActive_->Assign(*picture);
  else tabBackGroundActive_->Clear();
  Invalidate();
}

void TAdvPageControl::WndProc(TMessage& msg) {
  TPageControl::WndProc(msg);
  if (msg.Msg == WM_PAINT) DrawTabPictures();
}

// The pictures, stretched over each tab, with the caption on top.
void TAdvPageControl::DrawTabPictures() {
  if (!HandleAllocated() || tabBackGround_->Empty()) return;
  HDC dc = GetDC(handle_);
  if (!dc) return;
  const int selected = TabIndex();
  const int count = static_cast<int>(SendMessageW(handle_, TCM_GETITEMCOUNT, 0, 0));
  HGDIOBJ oldFont = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(handle_, WM_GETFONT, 0, 0)));
  SetBkMode(dc, TRANSPARENT);
  for (int i = 0; i < count; ++i) {
    RECT r{};
    if (!SendMessageW(handle_, TCM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&r))) continue;
    TBitmap& picture = i == selected && !tabBackGroundActive_->Empty() ? *tabBackGroundActive_ : *tabBackGround_;
    {
      HDC source = picture.Canvas().Handle();
      StretchBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, source, 0, 0, picture.Width(), picture.Height(),
                 SRCCOPY);
    }
    if (TTabSheet* page = PageOfTab(i)) {
      const std::wstring text = GbkToWide(page->Caption());
      DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
  }
  SelectObject(dc, oldFont);
  ReleaseDC(handle_, dc);
}

}  // namespace tk
