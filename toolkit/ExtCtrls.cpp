#include "ExtCtrls.h"

#include <algorithm>

#include "Application.h"

namespace tk {

const TClassInfo& TSplitter::StaticClass() {
  static const TClassInfo info = [] {
    TClassInfo c("TSplitter", &TGraphicControl::StaticClass());
    c.Property("Beveled", &TSplitter::Beveled, &TSplitter::SetBeveled);
    c.Property("MinSize", &TSplitter::MinSize, &TSplitter::SetMinSize);
    c.Property("ResizeStyle", &TSplitter::ResizeStyle, &TSplitter::SetResizeStyle);
    c.Event("OnMoved", &TSplitter::OnMoved);
    c.SetFactory([](TComponent* owner) { return new TSplitter(owner); });
    return c;
  }();
  return info;
}

TSplitter::TSplitter(TComponent* owner) : TGraphicControl(owner) {
  align_ = TAlign::alLeft;
  width_ = 3;
  height_ = 100;
  cursor_ = crHSplit;
  parentColor_ = true;
}

TControl* TSplitter::ResizedControl() const {
  if (!parent_) return nullptr;
  TControl* found = nullptr;
  for (TControl* c : parent_->ControlList()) {
    if (c == this) break;
    if (c->Visible() && c->Align() == align_) found = c;
  }
  return found;
}

void TSplitter::Paint() {
  RECT r{0, 0, width_, height_};
  canvas_.Brush().SetColor(color_);
  canvas_.FillRect(r);
  if (beveled_) DrawEdge(canvas_.Handle(), &r, BDR_RAISEDINNER, BF_RECT);
}

int TSplitter::ClampedSize(int wanted) const {
  // Keep MinSize for the resized control and for what is left after it.
  int space = 0;
  if (parent_) {
    RECT client = parent_->ClientRect();
    int used = 0;
    for (TControl* c : parent_->ControlList())
      if (c != dragging_ && c != this && c->Visible() && (c->Align() == TAlign::alTop || c->Align() == TAlign::alBottom) && !Vertical())
        used += c->Height();
      else if (c != dragging_ && c != this && c->Visible() && (c->Align() == TAlign::alLeft || c->Align() == TAlign::alRight) && Vertical())
        used += c->Width();
    space = (Vertical() ? client.right - client.left : client.bottom - client.top) - used - (Vertical() ? width_ : height_);
  }
  return std::clamp(wanted, minSize_, std::max(minSize_, space - minSize_));
}

void TSplitter::DrawLine() {
  if (!parent_ || !parent_->HandleAllocated()) return;
  WindowDC dc(parent_->HandleIfAllocated());
  RECT r = Vertical() ? RECT{linePos_, top_, linePos_ + width_, top_ + height_} : RECT{left_, linePos_, left_ + width_, linePos_ + height_};
  PatBlt(dc.Get(), r.left, r.top, r.right - r.left, r.bottom - r.top, PATINVERT);
  lineVisible_ = !lineVisible_;
}

void TSplitter::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TGraphicControl::MouseDown(button, shift, x, y);
  if (button != TMouseButton::mbLeft) return;
  dragging_ = ResizedControl();
  if (!dragging_) return;
  downAt_ = POINT{x, y};
  startSize_ = Vertical() ? dragging_->Width() : dragging_->Height();
  newSize_ = startSize_;
  linePos_ = Vertical() ? left_ : top_;
  if (resizeStyle_ == TResizeStyle::rsLine || resizeStyle_ == TResizeStyle::rsPattern) DrawLine();
}

void TSplitter::MouseMove(TShiftState shift, int x, int y) {
  TGraphicControl::MouseMove(shift, x, y);
  if (!dragging_) return;
  const int delta = Vertical() ? x - downAt_.x : y - downAt_.y;
  const int sign = (align_ == TAlign::alBottom || align_ == TAlign::alRight) ? -1 : 1;
  newSize_ = ClampedSize(startSize_ + sign * delta);
  if (resizeStyle_ == TResizeStyle::rsUpdate) {
    if (Vertical()) dragging_->SetWidth(newSize_);
    else dragging_->SetHeight(newSize_);
    return;
  }
  if (lineVisible_) DrawLine();
  linePos_ = (Vertical() ? left_ : top_) + sign * (newSize_ - startSize_);
  if (resizeStyle_ != TResizeStyle::rsNone) DrawLine();
}

void TSplitter::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TGraphicControl::MouseUp(button, shift, x, y);
  if (!dragging_) return;
  if (lineVisible_) DrawLine();
  TControl* control = dragging_;
  dragging_ = nullptr;
  if (Vertical()) control->SetWidth(newSize_);
  else control->SetHeight(newSize_);
  if (OnMoved) OnMoved(this);
}

// ---------------------------------------------------------------------------------------------

const TClassInfo& TTimer::StaticClass() {
  static const TClassInfo info = [] {
    TClassInfo c("TTimer", &TComponent::StaticClass());
    c.Property("Enabled", &TTimer::Enabled, &TTimer::SetEnabled);
    c.Property("Interval", &TTimer::Interval, &TTimer::SetInterval);
    c.Event("OnTimer", &TTimer::OnTimer);
    c.SetFactory([](TComponent* owner) { return new TTimer(owner); });
    return c;
  }();
  return info;
}

LRESULT CALLBACK TTimer::WndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_TIMER) {
    auto* timer = reinterpret_cast<TTimer*>(GetWindowLongPtrW(wnd, GWLP_USERDATA));
    if (timer && timer->OnTimer) {
      try {
        timer->OnTimer(timer);
      } catch (...) {
        HandleException(std::current_exception());
      }
    }
    return 0;
  }
  return DefWindowProcW(wnd, msg, wParam, lParam);
}

TTimer::TTimer(TComponent* owner) : TComponent(owner) {
  static const ATOM cls = [] {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = &TTimer::WndProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"TolvaneTimerWindow";
    return RegisterClassExW(&wc);
  }();
  (void)cls;
  window_.Reset(CreateWindowExW(0, L"TolvaneTimerWindow", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                GetModuleHandleW(nullptr), nullptr));
  SetWindowLongPtrW(window_.Get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

TTimer::~TTimer() {
  if (running_) KillTimer(window_.Get(), 1);
}

void TTimer::SetEnabled(bool v) {
  if (v == enabled_) return;
  enabled_ = v;
  UpdateTimer();
}

void TTimer::SetInterval(int v) {
  if (v == interval_) return;
  interval_ = v;
  UpdateTimer();
}

void TTimer::UpdateTimer() {
  if (running_) KillTimer(window_.Get(), 1);
  running_ = false;
  // The handler may be bound after Enabled was read from a layout: the timer starts anyway and
  // simply calls nothing until there is one.
  if (enabled_ && interval_ > 0 && window_) running_ = SetTimer(window_.Get(), 1, static_cast<UINT>(interval_), nullptr) != 0;
}

}  // namespace tk

// ---------------------------------------------------------------------------------------------
// TPanel and TRadioGroup

namespace tk {

const TClassInfo& TPanel::StaticClass() {
  static const TClassInfo info = [] {
    TClassInfo c("TPanel", &TCustomControl::StaticClass());
    c.Property("Alignment", &TPanel::Alignment, &TPanel::SetAlignment);
    c.Property("BevelInner", &TPanel::BevelInner, &TPanel::SetBevelInner);
    c.Property("BevelOuter", &TPanel::BevelOuter, &TPanel::SetBevelOuter);
    c.Property("BevelWidth", &TPanel::BevelWidth, &TPanel::SetBevelWidth);
    c.Property("ParentBackground", &TPanel::ParentBackground, &TPanel::SetParentBackground);
    c.Property("Transparent", &TPanel::Transparent, &TPanel::SetTransparent);
    c.SetFactory([](TComponent* owner) { return new TPanel(owner); });
    return c;
  }();
  return info;
}

TPanel::TPanel(TComponent* owner) : TCustomControl(owner) {
  width_ = 185;
  height_ = 41;
  color_ = clBtnFace;
  brush_.SetColor(color_);
}

void TPanel::WndProc(TMessage& msg) {
  if (msg.Msg == WM_ERASEBKGND && transparent_) {
    msg.Result = 1;
    return;
  }
  TCustomControl::WndProc(msg);
}

void TPanel::Paint() {
  RECT r{0, 0, width_, height_};
  HDC dc = canvas_.Handle();
  if (!transparent_) {
    canvas_.Brush().SetColor(color_);
    canvas_.FillRect(r);
  }
  auto bevel = [&](TPanelBevel b) {
    if (b == TPanelBevel::bvNone) return;
    for (int i = 0; i < bevelWidth_; ++i) {
      if (b == TPanelBevel::bvLowered) DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT);
      else if (b == TPanelBevel::bvRaised) DrawEdge(dc, &r, BDR_RAISEDINNER, BF_RECT);
      InflateRect(&r, -1, -1);
    }
  };
  bevel(bevelOuter_);
  bevel(bevelInner_);
  if (text_.empty()) return;
  canvas_.Brush().SetStyle(TBrushStyle::bsClear);
  canvas_.Font().Assign(font_);
  if (!enabled_) canvas_.Font().SetColor(clGrayText);
  UINT format = DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS;
  if (alignment_ == TAlignment::taCenter) format |= DT_CENTER;
  else if (alignment_ == TAlignment::taRightJustify) format |= DT_RIGHT;
  canvas_.DrawTextIn(text_, r, format);
}

const TClassInfo& TRadioGroup::StaticClass() {
  static const TClassInfo info = [] {
    TClassInfo c("TRadioGroup", &TGroupBox::StaticClass());
    c.Property("Columns", &TRadioGroup::Columns, &TRadioGroup::SetColumns);
    c.Property("Items", &TRadioGroup::ItemsObject);
    c.Property("ItemIndex", &TRadioGroup::ItemIndex, &TRadioGroup::SetItemIndex);
    c.SetFactory([](TComponent* owner) { return new TRadioGroup(owner); });
    return c;
  }();
  return info;
}

TRadioGroup::TRadioGroup(TComponent* owner) : TGroupBox(owner), items_(std::make_unique<TStrings>()) {
  items_->OnChange = [this] { UpdateButtons(); };
}

TRadioGroup::~TRadioGroup() {
  items_->OnChange = nullptr;
  // The buttons are owned by the group as components and go with it.
  buttons_.clear();
}

void TRadioGroup::SetItemIndex(int v) {
  if (v < -1 || v >= items_->Count()) v = -1;
  itemIndex_ = v;
  if (Reading()) return;
  if (v >= 0 && v < ButtonCount()) buttons_[static_cast<size_t>(v)]->SetChecked(true);
  else
    for (TRadioButton* b : buttons_) b->SetChecked(false);
}

void TRadioGroup::SetColumns(int v) {
  columns_ = std::max(1, std::min(v, 16));
  ArrangeButtons();
}

void TRadioGroup::SetBounds(int left, int top, int width, int height) {
  TGroupBox::SetBounds(left, top, width, height);
  ArrangeButtons();
}

void TRadioGroup::Loaded() {
  TGroupBox::Loaded();
  UpdateButtons();
}

void TRadioGroup::FontChanged() {
  TGroupBox::FontChanged();
  ArrangeButtons();
}

void TRadioGroup::UpdateButtons() {
  if (Reading()) return;
  while (ButtonCount() > items_->Count()) {
    TRadioButton* last = buttons_.back();
    buttons_.pop_back();
    TComponent::Free(last);
  }
  while (ButtonCount() < items_->Count()) {
    auto* button = new TRadioButton(this);
    button->OnClick = [this](TObject* sender) { ButtonClicked(sender); };
    button->SetParent(this);
    buttons_.push_back(button);
  }
  for (int i = 0; i < ButtonCount(); ++i) {
    buttons_[static_cast<size_t>(i)]->SetCaption((*items_)[i]);
    buttons_[static_cast<size_t>(i)]->SetChecked(i == itemIndex_);
  }
  if (itemIndex_ >= items_->Count()) itemIndex_ = -1;
  ArrangeButtons();
}

void TRadioGroup::ArrangeButtons() {
  if (buttons_.empty()) return;
  const RECT client = ClientRect();
  const int rows = (ButtonCount() + columns_ - 1) / columns_;
  const int columnWidth = std::max(1, static_cast<int>(client.right - client.left - 8) / columns_);
  const int rowHeight = std::max(1, static_cast<int>(client.bottom - client.top) / std::max(rows, 1));
  const int buttonHeight = std::min(rowHeight, std::max(17, -font_.Height() + 4));
  for (int i = 0; i < ButtonCount(); ++i) {
    const int column = i / rows, row = i % rows;
    buttons_[static_cast<size_t>(i)]->SetBounds(client.left + 8 + column * columnWidth,
                                                 client.top + row * rowHeight + (rowHeight - buttonHeight) / 2,
                                                 columnWidth - 4, buttonHeight);
  }
}

void TRadioGroup::ButtonClicked(TObject* sender) {
  for (int i = 0; i < ButtonCount(); ++i)
    if (buttons_[static_cast<size_t>(i)] == sender) itemIndex_ = i;
  Click();
}

}  // namespace tk
