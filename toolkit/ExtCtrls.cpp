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
