#include "StdCtrls.h"
#include "WindowTextLines.h"

#include <commctrl.h>

#include <algorithm>

#include "Encoding.h"

namespace tk {

// ---------------------------------------------------------------------------------------------
// TLabel

const TClassInfo& TLabel::StaticClass() {
  static const TClassInfo info = [] {
    TClassInfo c("TLabel", &TGraphicControl::StaticClass());
    c.Property("Alignment", &TLabel::Alignment, &TLabel::SetAlignment);
    c.Property("AutoSize", &TLabel::AutoSize, &TLabel::SetAutoSize);
    c.Property("Layout", &TLabel::Layout, &TLabel::SetLayout);
    c.Property("Transparent", &TLabel::Transparent, &TLabel::SetTransparent);
    c.Property("WordWrap", &TLabel::WordWrap, &TLabel::SetWordWrap);
    c.SetFactory([](TComponent* owner) { return new TLabel(owner); });
    return c;
  }();
  return info;
}

TLabel::TLabel(TComponent* owner) : TGraphicControl(owner) {
  parentColor_ = true;
  width_ = 65;
  height_ = 17;
}

void TLabel::SetAutoSize(bool v) {
  autoSize_ = v;
  AdjustBounds();
}

void TLabel::TextChanged() {
  AdjustBounds();
  Invalidate();
}

void TLabel::FontChanged() {
  TGraphicControl::FontChanged();
  AdjustBounds();
}

void TLabel::Loaded() {
  TGraphicControl::Loaded();
  AdjustBounds();
}

UINT TLabel::TextFormat() const {
  UINT format = DT_EXPANDTABS | (wordWrap_ ? DT_WORDBREAK : DT_SINGLELINE);
  if (alignment_ == TAlignment::taRightJustify) format |= DT_RIGHT;
  else if (alignment_ == TAlignment::taCenter) format |= DT_CENTER;
  if (!wordWrap_) {
    if (layout_ == TTextLayout::tlCenter) format |= DT_VCENTER;
    else if (layout_ == TTextLayout::tlBottom) format |= DT_BOTTOM;
  }
  return format;
}

void TLabel::AdjustBounds() {
  if (!autoSize_ || Reading()) return;
  UniqueDC dc(CreateCompatibleDC(nullptr));
  SelectGuard font(dc.Get(), font_.Handle());
  std::wstring text = GbkToWide(text_.empty() ? std::string(" ") : text_);
  RECT r{0, 0, wordWrap_ ? width_ : 0, 0};
  DrawTextW(dc.Get(), text.c_str(), static_cast<int>(text.size()), &r, (TextFormat() & ~static_cast<UINT>(DT_VCENTER | DT_BOTTOM)) | DT_CALCRECT);
  int left = left_;
  if (alignment_ == TAlignment::taRightJustify) left = left_ + width_ - r.right;
  else if (alignment_ == TAlignment::taCenter) left = left_ + (width_ - r.right) / 2;
  SetBounds(left, top_, r.right, r.bottom);
}

void TLabel::Paint() {
  RECT r{0, 0, width_, height_};
  if (!transparent_) {
    canvas_.Brush().SetColor(color_);
    canvas_.FillRect(r);
  }
  canvas_.Brush().SetStyle(TBrushStyle::bsClear);
  canvas_.Font().Assign(font_);
  if (!enabled_) canvas_.Font().SetColor(clGrayText);
  canvas_.DrawTextIn(text_, r, TextFormat());
}

// ---------------------------------------------------------------------------------------------
// TButton

const TClassInfo& TButton::StaticClass() {
  static const TClassInfo info = [] {
    TClassInfo c("TButton", &TWinControl::StaticClass());
    c.Property("Cancel", &TButton::Cancel, &TButton::SetCancel);
    c.Property("Default", &TButton::Default, &TButton::SetDefault);
    c.Property("ModalResult", &TButton::ModalResult, &TButton::SetModalResult);
    c.SetFactory([](TComponent* owner) { return new TButton(owner); });
    return c;
  }();
  return info;
}

TButton::TButton(TComponent* owner) : TWinControl(owner) {
  width_ = 75;
  height_ = 25;
  tabStop_ = true;
  color_ = clBtnFace;
}

void TButton::SetDefault(bool v) {
  default_ = v;
  if (HandleAllocated()) SendMessageW(handle_, BM_SETSTYLE, v ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

void TButton::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.systemClassName = L"BUTTON";
  params.style |= default_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
}

void TButton::WndProc(TMessage& msg) {
  if (msg.Msg == CN_COMMAND && HIWORD(msg.WParam) == BN_CLICKED) {
    Click();
    return;
  }
  TWinControl::WndProc(msg);
}

// ---------------------------------------------------------------------------------------------
// TEdit

const TClassInfo& TEdit::StaticClass() {
  static const TClassInfo info = [] {
    TClassInfo c("TEdit", &TWinControl::StaticClass());
    c.Property("ImeName", &TEdit::ImeName, &TEdit::SetImeName);
    c.Property("BorderStyle", &TEdit::BorderStyle, &TEdit::SetBorderStyle);
    c.Property("MaxLength", &TEdit::MaxLength, &TEdit::SetMaxLength);
    c.Property("ReadOnly", &TEdit::ReadOnly, &TEdit::SetReadOnly);
    c.Event("OnChange", &TEdit::OnChange);
    c.SetFactory([](TComponent* owner) { return new TEdit(owner); });
    return c;
  }();
  return info;
}

TEdit::TEdit(TComponent* owner) : TWinControl(owner) {
  width_ = 121;
  height_ = 21;
  tabStop_ = true;
}

void TEdit::SetReadOnly(bool v) {
  readOnly_ = v;
  if (HandleAllocated()) SendMessageW(handle_, EM_SETREADONLY, v, 0);
}

void TEdit::SetMaxLength(int v) {
  maxLength_ = v;
  if (HandleAllocated()) SendMessageW(handle_, EM_LIMITTEXT, static_cast<WPARAM>(v), 0);
}

void TEdit::SetBorderStyle(TBorderStyle v) {
  if (v == borderStyle_) return;
  borderStyle_ = v;
  RecreateWnd();
}

void TEdit::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.systemClassName = L"EDIT";
  params.style |= ES_AUTOHSCROLL | ES_LEFT;
  if (readOnly_) params.style |= ES_READONLY;
  if (borderStyle_ == TBorderStyle::bsSingle) params.exStyle |= WS_EX_CLIENTEDGE;
}

void TEdit::InitializeWnd() {
  TWinControl::InitializeWnd();
  if (maxLength_) SendMessageW(handle_, EM_LIMITTEXT, static_cast<WPARAM>(maxLength_), 0);
}

void TEdit::WndProc(TMessage& msg) {
  if (msg.Msg == CN_COMMAND && HIWORD(msg.WParam) == EN_CHANGE) {
    if (OnChange) OnChange(this);
    return;
  }
  TWinControl::WndProc(msg);
}

// ---------------------------------------------------------------------------------------------
// TComboBox

// The items of a combo box: kept in the list box of the window while it exists.
class TComboBox::ComboStrings : public TStrings {
 public:
  explicit ComboStrings(TComboBox& owner) : owner_(owner) {}
  void Sync() {
    if (!owner_.HandleAllocated()) return;
    HWND wnd = owner_.HandleIfAllocated();
    SendMessageW(wnd, CB_RESETCONTENT, 0, 0);
    for (const std::string& s : items_) SendMessageW(wnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(GbkToWide(s).c_str()));
  }

 protected:
  void Changed() override {
    const int keep = owner_.ItemIndex();
    Sync();
    owner_.itemIndex_ = -1;
    if (owner_.HandleAllocated() && keep >= 0 && keep < Count()) SendMessageW(owner_.HandleIfAllocated(), CB_SETCURSEL, static_cast<WPARAM>(keep), 0);
    else if (keep >= 0 && keep < Count()) owner_.itemIndex_ = keep;
    TStrings::Changed();
  }

 private:
  TComboBox& owner_;
};

const TClassInfo& TComboBox::StaticClass() {
  static const TClassInfo info = [] {
    TClassInfo c("TComboBox", &TWinControl::StaticClass());
    c.Property("ImeName", &TComboBox::ImeName, &TComboBox::SetImeName);
    c.Property("DropDownCount", &TComboBox::DropDownCount, &TComboBox::SetDropDownCount);
    c.Property("ItemHeight", &TComboBox::ItemHeight, &TComboBox::SetItemHeight);
    c.Property("ItemIndex", &TComboBox::ItemIndex, &TComboBox::SetItemIndex);
    c.Property("Items", &TComboBox::ItemsObject);
    c.Property("Style", &TComboBox::Style, &TComboBox::SetStyle);
    c.Event("OnChange", &TComboBox::OnChange);
    c.Event("OnDropDown", &TComboBox::OnDropDown);
    c.Event("OnCloseUp", &TComboBox::OnCloseUp);
    c.SetFactory([](TComponent* owner) { return new TComboBox(owner); });
    return c;
  }();
  return info;
}

TComboBox::TComboBox(TComponent* owner) : TWinControl(owner), items_(std::make_unique<ComboStrings>(*this)) {
  width_ = 145;
  height_ = 21;
  tabStop_ = true;
}

TComboBox::~TComboBox() { DestroyHandle(); }

int TComboBox::DroppedHeight() const {
  return height_ + std::max(dropDownCount_, 1) * itemHeight_ + 2;
}

void TComboBox::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.systemClassName = L"COMBOBOX";
  params.style |= WS_VSCROLL | CBS_AUTOHSCROLL;
  switch (style_) {
    case TComboBoxStyle::csSimple: params.style |= CBS_SIMPLE; break;
    case TComboBoxStyle::csDropDownList: params.style |= CBS_DROPDOWNLIST; break;
    case TComboBoxStyle::csOwnerDrawFixed: params.style |= CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS; break;
    case TComboBoxStyle::csOwnerDrawVariable: params.style |= CBS_DROPDOWNLIST | CBS_OWNERDRAWVARIABLE | CBS_HASSTRINGS; break;
    default: params.style |= CBS_DROPDOWN; break;
  }
  requestedHeight_ = height_;  // the window reports its own height from the first message on
  params.height = DroppedHeight();
}

void TComboBox::InitializeWnd() {
  TWinControl::InitializeWnd();
  // The platform sizes the box from its font; the selection field gives the height asked for.
  // (Field heights are set and measured, not read back: some platforms report them differently.)
  LRESULT field = SendMessageW(handle_, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0);
  for (int attempt = 0; attempt < 3 && requestedHeight_ > 0 && field > 0; ++attempt) {
    SendMessageW(handle_, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), field);
    RECT r;
    GetWindowRect(handle_, &r);
    const int shown = r.bottom - r.top;
    if (shown == requestedHeight_ || field + requestedHeight_ - shown <= 0) break;
    field += requestedHeight_ - shown;
  }
  static_cast<ComboStrings&>(*items_).Sync();
  if (itemIndex_ >= 0) SendMessageW(handle_, CB_SETCURSEL, static_cast<WPARAM>(itemIndex_), 0);
  else if (style_ != TComboBoxStyle::csDropDownList && !text_.empty()) SetWindowTextW(handle_, GbkToWide(text_).c_str());
}

void TComboBox::SaveWndState() {
  itemIndex_ = ItemIndex();
  text_ = GetText();
}

void TComboBox::SetBounds(int left, int top, int width, int height) {
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  left_ = left;
  top_ = top;
  width_ = std::max(width, 0);
  height_ = std::max(height, 0);
  // A combo box's window height includes its dropped-down list.
  if (handle_) SetWindowPos(handle_, nullptr, left_, top_, width_, DroppedHeight(), SWP_NOZORDER | SWP_NOACTIVATE);
  if (align_ != TAlign::alNone) RequestAlign();
}

int TComboBox::ItemIndex() const {
  if (handle_) return static_cast<int>(SendMessageW(handle_, CB_GETCURSEL, 0, 0));
  return itemIndex_;
}

void TComboBox::SetItemIndex(int index) {
  if (index < -1 || index >= items_->Count()) index = -1;
  itemIndex_ = index;
  if (handle_) SendMessageW(handle_, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void TComboBox::SetItemHeight(int v) {
  itemHeight_ = std::max(v, 1);
  if (handle_) SendMessageW(handle_, CB_SETITEMHEIGHT, 0, itemHeight_);
}

void TComboBox::SetStyle(TComboBoxStyle v) {
  if (v == style_) return;
  style_ = v;
  RecreateWnd();
}

bool TComboBox::DroppedDown() const { return handle_ && SendMessageW(handle_, CB_GETDROPPEDSTATE, 0, 0); }

std::string TComboBox::GetText() const {
  if (!handle_) {
    if (style_ == TComboBoxStyle::csDropDownList) return itemIndex_ >= 0 ? (*items_)[itemIndex_] : std::string();
    return text_;
  }
  return TWinControl::GetText();
}

void TComboBox::SetText(const std::string& s) {
  if (style_ == TComboBoxStyle::csDropDownList) {
    // A list-only box shows items only: the text picks the item that has it, if any.
    const int index = items_->IndexOf(s);
    if (index >= 0) SetItemIndex(index);
    return;
  }
  TWinControl::SetText(s);
}

void TComboBox::WndProc(TMessage& msg) {
  if (msg.Msg == CN_COMMAND) {
    switch (HIWORD(msg.WParam)) {
      case CBN_SELCHANGE:
        if (OnChange) OnChange(this);
        return;
      case CBN_EDITCHANGE:
        if (OnChange) OnChange(this);
        return;
      case CBN_DROPDOWN:
        if (OnDropDown) OnDropDown(this);
        return;
      case CBN_CLOSEUP:
        if (OnCloseUp) OnCloseUp(this);
        return;
      default:
        break;
    }
  }
  TWinControl::WndProc(msg);
}

// ---------------------------------------------------------------------------------------------
// TGroupBox

const TClassInfo& TGroupBox::StaticClass() {
  static const TClassInfo info = [] {
    TClassInfo c("TGroupBox", &TCustomControl::StaticClass());
    c.Property("ParentBackground", &TGroupBox::ParentBackground, &TGroupBox::SetParentBackground);
    c.SetFactory([](TComponent* owner) { return new TGroupBox(owner); });
    return c;
  }();
  return info;
}

TGroupBox::TGroupBox(TComponent* owner) : TCustomControl(owner) {
  width_ = 185;
  height_ = 105;
  parentColor_ = true;
  color_ = clBtnFace;
  brush_.SetColor(color_);
}

RECT TGroupBox::ClientRect() const {
  RECT r = TCustomControl::ClientRect();
  InflateRect(&r, -1, -1);
  r.top += std::max(1, -font_.Height());
  return r;
}

void TGroupBox::Paint() {
  canvas_.Font().Assign(font_);
  const SIZE text = canvas_.TextExtent(text_.empty() ? std::string("0") : text_);
  RECT frame{0, text.cy / 2, width_, height_};
  DrawEdge(canvas_.Handle(), &frame, EDGE_ETCHED, BF_RECT);
  if (!text_.empty()) {
    RECT caption{8, 0, 8 + text.cx + 2, text.cy};
    canvas_.Brush().SetColor(color_);
    canvas_.FillRect(caption);
    canvas_.Brush().SetStyle(TBrushStyle::bsClear);
    if (!enabled_) canvas_.Font().SetColor(clGrayText);
    canvas_.TextOutAt(9, 0, text_);
  }
}

// ---------------------------------------------------------------------------------------------
// TScrollBar

const TClassInfo& TScrollBar::StaticClass() {
  static const TClassInfo info = [] {
    TClassInfo c("TScrollBar", &TWinControl::StaticClass());
    c.Property("Kind", &TScrollBar::Kind, &TScrollBar::SetKind);
    c.Property("LargeChange", &TScrollBar::LargeChange, &TScrollBar::SetLargeChange);
    c.Property("Max", &TScrollBar::Max, &TScrollBar::SetMax);
    c.Property("Min", &TScrollBar::Min, &TScrollBar::SetMin);
    c.Property("PageSize", &TScrollBar::PageSize, &TScrollBar::SetPageSize);
    c.Property("Position", &TScrollBar::Position, &TScrollBar::SetPosition);
    c.Property("SmallChange", &TScrollBar::SmallChange, &TScrollBar::SetSmallChange);
    c.Event("OnChange", &TScrollBar::OnChange);
    c.Event("OnScroll", &TScrollBar::OnScroll);
    c.SetFactory([](TComponent* owner) { return new TScrollBar(owner); });
    return c;
  }();
  return info;
}

TScrollBar::TScrollBar(TComponent* owner) : TWinControl(owner) {
  width_ = 121;
  height_ = GetSystemMetrics(SM_CYHSCROLL);
  tabStop_ = true;
}

void TScrollBar::SetKind(TScrollBarKind v) {
  if (v == kind_) return;
  kind_ = v;
  if (!Reading()) SetBounds(left_, top_, height_, width_);
  RecreateWnd();
}

void TScrollBar::SetPageSize(int v) {
  pageSize_ = v;
  ApplyScrollInfo();
}

void TScrollBar::SetParams(int position, int min, int max) {
  if (max < min && !Reading()) throw std::invalid_argument("Scroll bar property out of range");
  min_ = min;
  max_ = max;
  if (!Reading()) position = std::clamp(position, min_, std::max(min_, max_));
  const bool changed = position != position_;
  position_ = position;
  ApplyScrollInfo();
  if (changed && OnChange && !Reading()) OnChange(this);
}

void TScrollBar::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.systemClassName = L"SCROLLBAR";
  params.style |= kind_ == TScrollBarKind::sbVertical ? SBS_VERT : SBS_HORZ;
}

void TScrollBar::InitializeWnd() {
  TWinControl::InitializeWnd();
  ApplyScrollInfo();
}

void TScrollBar::ApplyScrollInfo() {
  if (!handle_) return;
  SCROLLINFO si{sizeof si, SIF_ALL, min_, max_, static_cast<UINT>(std::max(pageSize_, 0)), position_, 0};
  SetScrollInfo(handle_, SB_CTL, &si, TRUE);
}

void TScrollBar::Scroll(int code, int trackPos) {
  int pos = position_;
  TScrollCode scrollCode = TScrollCode::scEndScroll;
  switch (code) {
    case SB_LINEUP: scrollCode = TScrollCode::scLineUp; pos -= smallChange_; break;
    case SB_LINEDOWN: scrollCode = TScrollCode::scLineDown; pos += smallChange_; break;
    case SB_PAGEUP: scrollCode = TScrollCode::scPageUp; pos -= largeChange_; break;
    case SB_PAGEDOWN: scrollCode = TScrollCode::scPageDown; pos += largeChange_; break;
    case SB_THUMBPOSITION: scrollCode = TScrollCode::scPosition; pos = trackPos; break;
    case SB_THUMBTRACK: scrollCode = TScrollCode::scTrack; pos = trackPos; break;
    case SB_TOP: scrollCode = TScrollCode::scTop; pos = min_; break;
    case SB_BOTTOM: scrollCode = TScrollCode::scBottom; pos = max_; break;
    default: break;
  }
  pos = std::clamp(pos, min_, std::max(min_, max_ - std::max(pageSize_ - 1, 0)));
  if (OnScroll) OnScroll(this, scrollCode, pos);
  SetPosition(pos);
}

void TScrollBar::WndProc(TMessage& msg) {
  if (msg.Msg == CN_HSCROLL || msg.Msg == CN_VSCROLL) {
    // The 16-bit thumb position of the message loses range: ask the bar for the 32-bit one.
    int track = HIWORD(msg.WParam);
    if (handle_) {
      SCROLLINFO si{sizeof si, SIF_TRACKPOS, 0, 0, 0, 0, 0};
      if (GetScrollInfo(handle_, SB_CTL, &si)) track = si.nTrackPos;
    }
    Scroll(LOWORD(msg.WParam), track);
    msg.Result = 0;
    return;
  }
  TWinControl::WndProc(msg);
}

// ---------------------------------------------------------------------------------------------
// TMemo

class TMemo::MemoLines : public TWindowTextLines {
 public:
  using TWindowTextLines::TWindowTextLines;
};

const TClassInfo& TMemo::StaticClass() {
  static const TClassInfo info = [] {
    TClassInfo c("TMemo", &TWinControl::StaticClass());
    c.Property("ImeName", &TMemo::ImeName, &TMemo::SetImeName);
    c.Property("BorderStyle", &TMemo::BorderStyle, &TMemo::SetBorderStyle);
    c.Property("Lines", &TMemo::LinesObject);
    c.Property("ReadOnly", &TMemo::ReadOnly, &TMemo::SetReadOnly);
    c.Property("ScrollBars", &TMemo::ScrollBars, &TMemo::SetScrollBars);
    c.Property("WordWrap", &TMemo::WordWrap, &TMemo::SetWordWrap);
    c.Event("OnChange", &TMemo::OnChange);
    c.SetFactory([](TComponent* owner) { return new TMemo(owner); });
    return c;
  }();
  return info;
}

TMemo::TMemo(TComponent* owner) : TWinControl(owner), lines_(std::make_unique<MemoLines>(*this)) {
  width_ = 185;
  height_ = 89;
  tabStop_ = true;
}

TMemo::~TMemo() { DestroyHandle(); }

TStrings& TMemo::Lines() { return *LinesPtr(); }

TStrings* TMemo::LinesPtr() {
  lines_->Refresh();
  return lines_.get();
}

void TMemo::SetScrollBars(TScrollStyle v) {
  if (v == scrollBars_) return;
  scrollBars_ = v;
  RecreateWnd();
}

void TMemo::SetBorderStyle(TBorderStyle v) {
  if (v == borderStyle_) return;
  borderStyle_ = v;
  RecreateWnd();
}

void TMemo::SetReadOnly(bool v) {
  readOnly_ = v;
  if (HandleAllocated()) SendMessageW(handle_, EM_SETREADONLY, v, 0);
}

void TMemo::SetWordWrap(bool v) {
  if (v == wordWrap_) return;
  wordWrap_ = v;
  RecreateWnd();
}

void TMemo::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.systemClassName = L"EDIT";
  params.style |= ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL | ES_LEFT;
  if (readOnly_) params.style |= ES_READONLY;
  if (scrollBars_ == TScrollStyle::ssVertical || scrollBars_ == TScrollStyle::ssBoth) params.style |= WS_VSCROLL;
  if (scrollBars_ == TScrollStyle::ssHorizontal || scrollBars_ == TScrollStyle::ssBoth) params.style |= WS_HSCROLL;
  // Without wrapping (or with a horizontal bar) lines run on to the right.
  if (!wordWrap_ || scrollBars_ == TScrollStyle::ssHorizontal || scrollBars_ == TScrollStyle::ssBoth) params.style |= ES_AUTOHSCROLL;
  if (borderStyle_ == TBorderStyle::bsSingle) params.exStyle |= WS_EX_CLIENTEDGE;
}

void TMemo::SaveWndState() { text_ = GetText(); }

void TMemo::WndProc(TMessage& msg) {
  if (msg.Msg == CN_COMMAND && HIWORD(msg.WParam) == EN_CHANGE) {
    if (OnChange) OnChange(this);
    return;
  }
  TWinControl::WndProc(msg);
}

// ---------------------------------------------------------------------------------------------
// TListBox

// The items of a list box: kept in the window while it exists.
class TListBox::ListStrings : public TStrings {
 public:
  explicit ListStrings(TListBox& owner) : owner_(owner) {}
  void Sync() {
    HWND wnd = owner_.HandleIfAllocated();
    if (!wnd) return;
    SendMessageW(wnd, WM_SETREDRAW, FALSE, 0);
    SendMessageW(wnd, LB_RESETCONTENT, 0, 0);
    for (const std::string& s : items_) SendMessageW(wnd, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(GbkToWide(s).c_str()));
    SendMessageW(wnd, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(wnd, nullptr, TRUE);
  }

 protected:
  void Changed() override {
    const int keep = owner_.ItemIndex();
    Sync();
    owner_.SetItemIndex(keep < Count() ? keep : -1);
    TStrings::Changed();
  }

 private:
  TListBox& owner_;
};

const TClassInfo& TListBox::StaticClass() {
  static const TClassInfo info = [] {
    TClassInfo c("TListBox", &TWinControl::StaticClass());
    c.Property("ImeName", &TListBox::ImeName, &TListBox::SetImeName);
    c.Property("BorderStyle", &TListBox::BorderStyle, &TListBox::SetBorderStyle);
    c.Property("ItemHeight", &TListBox::ItemHeight, &TListBox::SetItemHeight);
    c.Property("ItemIndex", &TListBox::ItemIndex, &TListBox::SetItemIndex);
    c.Property("Items", &TListBox::ItemsObject);
    c.Property("TopIndex", &TListBox::TopIndex, &TListBox::SetTopIndex);
    c.Event("OnClick", &TListBox::OnClick);
    c.SetFactory([](TComponent* owner) { return new TListBox(owner); });
    return c;
  }();
  return info;
}

TListBox::TListBox(TComponent* owner) : TWinControl(owner), items_(std::make_unique<ListStrings>(*this)) {
  width_ = 121;
  height_ = 97;
  tabStop_ = true;
}

TListBox::~TListBox() { DestroyHandle(); }

void TListBox::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.systemClassName = L"LISTBOX";
  params.style |= WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
  if (borderStyle_ == TBorderStyle::bsSingle) params.exStyle |= WS_EX_CLIENTEDGE;
}

void TListBox::InitializeWnd() {
  TWinControl::InitializeWnd();
  if (itemHeight_ > 0) SendMessageW(handle_, LB_SETITEMHEIGHT, 0, itemHeight_);
  static_cast<ListStrings&>(*items_).Sync();
  if (itemIndex_ >= 0) SendMessageW(handle_, LB_SETCURSEL, static_cast<WPARAM>(itemIndex_), 0);
  if (topIndex_ > 0) SendMessageW(handle_, LB_SETTOPINDEX, static_cast<WPARAM>(topIndex_), 0);
}

void TListBox::SaveWndState() {
  itemIndex_ = ItemIndex();
  topIndex_ = TopIndex();
}

int TListBox::ItemIndex() const {
  if (handle_) return static_cast<int>(SendMessageW(handle_, LB_GETCURSEL, 0, 0));
  return itemIndex_;
}

void TListBox::SetItemIndex(int index) {
  if (index < -1 || index >= items_->Count()) index = -1;
  itemIndex_ = index;
  if (handle_) SendMessageW(handle_, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

int TListBox::TopIndex() const {
  if (handle_) return static_cast<int>(SendMessageW(handle_, LB_GETTOPINDEX, 0, 0));
  return topIndex_;
}

void TListBox::SetTopIndex(int index) {
  topIndex_ = std::max(index, 0);
  if (handle_) SendMessageW(handle_, LB_SETTOPINDEX, static_cast<WPARAM>(topIndex_), 0);
}

void TListBox::SetItemHeight(int v) {
  itemHeight_ = std::max(v, 0);
  if (handle_ && itemHeight_ > 0) SendMessageW(handle_, LB_SETITEMHEIGHT, 0, itemHeight_);
}

void TListBox::SetBorderStyle(TBorderStyle v) {
  if (v == borderStyle_) return;
  borderStyle_ = v;
  RecreateWnd();
}

void TListBox::WndProc(TMessage& msg) {
  if (msg.Msg == CN_COMMAND && HIWORD(msg.WParam) == LBN_SELCHANGE) {
    if (OnClick) OnClick(this);
    return;
  }
  TWinControl::WndProc(msg);
}

}  // namespace tk

// ---------------------------------------------------------------------------------------------
// TCheckBox and TRadioButton

namespace tk {

const TClassInfo& TCheckBox::StaticClass() {
  static const TClassInfo info = [] {
    TClassInfo c("TCheckBox", &TWinControl::StaticClass());
    c.Property("Alignment", &TCheckBox::Alignment, &TCheckBox::SetAlignment);
    c.Property("AllowGrayed", &TCheckBox::AllowGrayed, &TCheckBox::SetAllowGrayed);
    // State before Checked: a layout that gives both means the state.
    c.Property("State", &TCheckBox::State, &TCheckBox::SetState);
    c.Property("Checked", &TCheckBox::Checked, &TCheckBox::SetChecked);
    c.SetFactory([](TComponent* owner) { return new TCheckBox(owner); });
    return c;
  }();
  return info;
}

TCheckBox::TCheckBox(TComponent* owner) : TWinControl(owner) {
  width_ = 97;
  height_ = 17;
  tabStop_ = true;
  color_ = clBtnFace;
}

void TCheckBox::SetState(TCheckBoxState v) {
  if (v == state_) return;
  state_ = v;
  if (HandleAllocated()) SendMessageW(handle_, BM_SETCHECK, static_cast<WPARAM>(v), 0);
}

void TCheckBox::SetAlignment(TAlignment v) {
  if (v == alignment_) return;
  alignment_ = v;
  if (HandleAllocated()) RecreateWnd();
}

void TCheckBox::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.systemClassName = L"BUTTON";
  // Not an automatic box: the control decides the next state, so that AllowGrayed is followed.
  params.style |= BS_3STATE;
  if (alignment_ == TAlignment::taLeftJustify) params.style |= BS_LEFTTEXT;
}

void TCheckBox::InitializeWnd() {
  TWinControl::InitializeWnd();
  SendMessageW(handle_, BM_SETCHECK, static_cast<WPARAM>(state_), 0);
}

void TCheckBox::Toggle() {
  switch (state_) {
    case TCheckBoxState::cbUnchecked:
      SetState(TCheckBoxState::cbChecked);
      break;
    case TCheckBoxState::cbChecked:
      SetState(allowGrayed_ ? TCheckBoxState::cbGrayed : TCheckBoxState::cbUnchecked);
      break;
    case TCheckBoxState::cbGrayed:
      SetState(TCheckBoxState::cbUnchecked);
      break;
  }
}

void TCheckBox::WndProc(TMessage& msg) {
  if (msg.Msg == CN_COMMAND && HIWORD(msg.WParam) == BN_CLICKED) {
    Toggle();
    Click();
    return;
  }
  TWinControl::WndProc(msg);
}

const TClassInfo& TRadioButton::StaticClass() {
  static const TClassInfo info = [] {
    TClassInfo c("TRadioButton", &TWinControl::StaticClass());
    c.Property("Alignment", &TRadioButton::Alignment, &TRadioButton::SetAlignment);
    c.Property("Checked", &TRadioButton::Checked, &TRadioButton::SetChecked);
    c.SetFactory([](TComponent* owner) { return new TRadioButton(owner); });
    return c;
  }();
  return info;
}

TRadioButton::TRadioButton(TComponent* owner) : TWinControl(owner) {
  width_ = 113;
  height_ = 17;
  color_ = clBtnFace;
}

void TRadioButton::SetChecked(bool v) {
  if (v == checked_) return;
  checked_ = v;
  tabStop_ = v;
  if (HandleAllocated()) SendMessageW(handle_, BM_SETCHECK, v ? BST_CHECKED : BST_UNCHECKED, 0);
  if (!v || !parent_) return;
  for (TControl* sibling : parent_->ControlList())
    if (auto* radio = dynamic_cast<TRadioButton*>(sibling); radio && radio != this) radio->SetChecked(false);
}

void TRadioButton::SetAlignment(TAlignment v) {
  if (v == alignment_) return;
  alignment_ = v;
  if (HandleAllocated()) RecreateWnd();
}

void TRadioButton::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.systemClassName = L"BUTTON";
  params.style |= BS_RADIOBUTTON;
  if (alignment_ == TAlignment::taLeftJustify) params.style |= BS_LEFTTEXT;
}

void TRadioButton::InitializeWnd() {
  TWinControl::InitializeWnd();
  SendMessageW(handle_, BM_SETCHECK, checked_ ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TRadioButton::WndProc(TMessage& msg) {
  if (msg.Msg == CN_COMMAND && HIWORD(msg.WParam) == BN_CLICKED) {
    SetChecked(true);
    Click();
    return;
  }
  TWinControl::WndProc(msg);
}

}  // namespace tk
