#include "TabSet.h"

#include <commctrl.h>

#include <algorithm>

#include "Encoding.h"
#include "GdiHandle.h"
#include "Messages.h"

namespace tk {

// ---------------------------------------------------------------------------------------------
// TTabScroller

const TClassInfo& TTabScroller::StaticClass() {
  static const TClassInfo info("TTabScroller", &TWinControl::StaticClass());
  return info;
}

TTabScroller::TTabScroller(TTabSet* tabSet) : TWinControl(tabSet), tabSet_(tabSet) {
  width_ = TTabSet::ScrollerWidth;
  height_ = 16;
  visible_ = false;
}

void TTabScroller::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.systemClassName = UPDOWN_CLASSW;
  params.style |= UDS_HORZ;
}

void TTabScroller::WndProc(TMessage& msg) {
  if (msg.Msg == CN_NOTIFY && msg.LParam) {
    const auto* change = reinterpret_cast<const NMUPDOWN*>(msg.LParam);
    if (change->hdr.code == UDN_DELTAPOS) {
      tabSet_->SetFirstIndex(tabSet_->FirstIndex() + (change->iDelta > 0 ? 1 : -1));
      msg.Result = 1;  // the arrows keep no position of their own
      return;
    }
  }
  TWinControl::WndProc(msg);
}

// ---------------------------------------------------------------------------------------------
// TTabSet

const TClassInfo& TTabSet::StaticClass() {
  static const TClassInfo info = [] {
    TClassInfo c("TTabSet", &TCustomControl::StaticClass());
    c.Property("EndMargin", &TTabSet::EndMargin, &TTabSet::SetEndMargin);
    c.Property("FirstIndex", &TTabSet::FirstIndex, &TTabSet::SetFirstIndex);
    c.Property("StartMargin", &TTabSet::StartMargin, &TTabSet::SetStartMargin);
    c.Property("TabIndex", &TTabSet::TabIndex, &TTabSet::SetTabIndex);
    c.Property("Tabs", &TTabSet::TabsObject);
    c.Event("OnChange", &TTabSet::OnChange);
    c.SetFactory([](TComponent* owner) { return new TTabSet(owner); });
    return c;
  }();
  return info;
}

// The scroller is made first, so that it is the tab set's first owned component.
TTabSet::TTabSet(TComponent* owner)
    : TCustomControl(owner), tabs_(std::make_unique<TStrings>()), scroller_(new TTabScroller(this)) {
  width_ = 185;
  height_ = 21;
  color_ = clBtnFace;
  brush_.SetColor(color_);
  scroller_->SetParent(this);
  tabs_->OnChange = [this] {
    if (tabIndex_ >= tabs_->Count()) tabIndex_ = tabs_->Count() - 1;
    if (tabIndex_ < 0 && tabs_->Count() > 0) tabIndex_ = 0;
    firstIndex_ = std::clamp(firstIndex_, 0, std::max(0, tabs_->Count() - 1));
    UpdateScroller();
    Invalidate();
  };
}

void TTabSet::SetTabIndex(int index) {
  if (index < -1 || index >= tabs_->Count() || index == tabIndex_) return;
  tabIndex_ = index;
  Invalidate();
  if (OnChange) OnChange(this);
}

void TTabSet::SetStartMargin(int v) {
  startMargin_ = v;
  UpdateScroller();
  Invalidate();
}

void TTabSet::SetEndMargin(int v) {
  endMargin_ = v;
  UpdateScroller();
  Invalidate();
}

void TTabSet::SetFirstIndex(int v) {
  v = std::clamp(v, 0, std::max(0, tabs_->Count() - 1));
  if (v == firstIndex_) return;
  firstIndex_ = v;
  Invalidate();
}

void TTabSet::SetBounds(int left, int top, int width, int height) {
  TCustomControl::SetBounds(left, top, width, height);
  UpdateScroller();
}

void TTabSet::InitializeWnd() {
  TCustomControl::InitializeWnd();
  UpdateScroller();
}

int TTabSet::TabTextWidth(int index) {
  // Measured on the screen: the canvas has no DC outside painting.
  WindowDC screen(nullptr);
  SelectGuard font(screen.Get(), Font().Handle());
  const std::wstring text = GbkToWide((*tabs_)[index]);
  SIZE size{};
  GetTextExtentPoint32W(screen.Get(), text.c_str(), static_cast<int>(text.size()), &size);
  return size.cx;
}

bool TTabSet::AllFit() {
  int x = startMargin_;
  for (int i = 0; i < tabs_->Count(); ++i) x += TabTextWidth(i) + TabPadding;
  return x <= width_ - endMargin_;
}

void TTabSet::UpdateScroller() {
  if (!HandleAllocated()) return;
  const bool show = !AllFit();
  scroller_->SetBounds(width_ - ScrollerWidth, 0, ScrollerWidth, height_);
  scroller_->SetVisible(show);
  if (!show && firstIndex_ != 0) firstIndex_ = 0;
}

RECT TTabSet::TabRect(int index) {
  const int limit = width_ - endMargin_;
  const int extra = scroller_->Visible() ? ScrollerWidth : 0;
  int x = startMargin_;
  for (int i = firstIndex_; i < tabs_->Count(); ++i) {
    const int w = TabTextWidth(i);
    if (x + w + TabPadding + extra > limit) break;
    if (i == index) return RECT{x, 0, x + w + TabPadding, height_ - 2};
    x += w + TabPadding;
  }
  return RECT{};
}

void TTabSet::Paint() {
  TCanvas& canvas = Canvas();
  canvas.Brush().SetColor(color_);
  canvas.FillRect(ClientRect());
  HDC dc = canvas.Handle();
  // The line the tabs hang from.
  canvas.Pen().SetColor(clBtnShadow);
  canvas.MoveTo(0, 0);
  canvas.LineTo(width_, 0);
  HGDIOBJ oldFont = SelectObject(dc, Font().Handle());
  SetBkMode(dc, TRANSPARENT);
  for (int i = firstIndex_; i < tabs_->Count(); ++i) {
    RECT r = TabRect(i);
    if (r.right <= r.left) break;
    canvas.Brush().SetColor(i == tabIndex_ ? clWindow : color_);
    canvas.Pen().SetColor(clBtnShadow);
    canvas.Rectangle(r.left, r.top - 1, r.right, r.bottom);
    const std::wstring text = GbkToWide((*tabs_)[i]);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  }
  SelectObject(dc, oldFont);
}

void TTabSet::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomControl::MouseDown(button, shift, x, y);
  if (button != TMouseButton::mbLeft) return;
  for (int i = firstIndex_; i < tabs_->Count(); ++i) {
    const RECT r = TabRect(i);
    if (r.right <= r.left) break;
    if (PtInRect(&r, POINT{x, y})) {
      SetTabIndex(i);
      return;
    }
  }
}

}  // namespace tk
