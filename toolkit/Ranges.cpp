#include "Ranges.h"

#include <commctrl.h>

#include <algorithm>

#include "Messages.h"

namespace tk {

// ---------------------------------------------------------------------------------------------
// TTrackBar

const TClassInfo& TTrackBar::StaticClass() {
  static const TClassInfo info = [] {
    TClassInfo c("TTrackBar", &TWinControl::StaticClass());
    c.Property("Min", &TTrackBar::Min, &TTrackBar::SetMin);
    c.Property("Max", &TTrackBar::Max, &TTrackBar::SetMax);
    c.Property("Position", &TTrackBar::Position, &TTrackBar::SetPosition);
    c.Property("Frequency", &TTrackBar::Frequency, &TTrackBar::SetFrequency);
    c.Property("Orientation", &TTrackBar::Orientation, &TTrackBar::SetOrientation);
    c.Property("TickMarks", &TTrackBar::TickMarks, &TTrackBar::SetTickMarks);
    c.Property("TickStyle", &TTrackBar::TickStyle, &TTrackBar::SetTickStyle);
    c.Event("OnChange", &TTrackBar::OnChange);
    c.SetFactory([](TComponent* owner) { return new TTrackBar(owner); });
    return c;
  }();
  return info;
}

TTrackBar::TTrackBar(TComponent* owner) : TWinControl(owner) {
  width_ = 150;
  height_ = 45;
  tabStop_ = true;
  color_ = clBtnFace;
}

void TTrackBar::SetMin(int v) {
  min_ = v;
  if (HandleAllocated()) SendMessageW(handle_, TBM_SETRANGEMIN, TRUE, v);
}

void TTrackBar::SetMax(int v) {
  max_ = v;
  if (HandleAllocated()) SendMessageW(handle_, TBM_SETRANGEMAX, TRUE, v);
}

int TTrackBar::Position() const {
  if (handle_) return static_cast<int>(SendMessageW(handle_, TBM_GETPOS, 0, 0));
  return position_;
}

void TTrackBar::SetPosition(int v) {
  const int old = Position();
  position_ = std::clamp(v, min_, std::max(min_, max_));
  if (HandleAllocated()) SendMessageW(handle_, TBM_SETPOS, TRUE, position_);
  if (old != position_) PositionChanged();
}

void TTrackBar::SetFrequency(int v) {
  frequency_ = v;
  if (HandleAllocated()) SendMessageW(handle_, TBM_SETTICFREQ, v, 0);
}

void TTrackBar::SetOrientation(TTrackBarOrientation v) {
  if (v == orientation_) return;
  orientation_ = v;
  if (HandleAllocated()) RecreateWnd();
}

void TTrackBar::SetTickMarks(TTickMark v) {
  if (v == tickMarks_) return;
  tickMarks_ = v;
  if (HandleAllocated()) RecreateWnd();
}

void TTrackBar::SetTickStyle(TTickStyle v) {
  if (v == tickStyle_) return;
  tickStyle_ = v;
  if (HandleAllocated()) RecreateWnd();
}

void TTrackBar::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.systemClassName = TRACKBAR_CLASSW;
  params.style |= orientation_ == TTrackBarOrientation::trVertical ? TBS_VERT : TBS_HORZ;
  switch (tickStyle_) {
    case TTickStyle::tsNone: params.style |= TBS_NOTICKS; break;
    case TTickStyle::tsAuto: params.style |= TBS_AUTOTICKS; break;
    case TTickStyle::tsManual: break;
  }
  switch (tickMarks_) {
    case TTickMark::tmBottomRight: params.style |= TBS_BOTTOM; break;  // TBS_RIGHT for vertical bars
    case TTickMark::tmTopLeft: params.style |= TBS_TOP; break;         // TBS_LEFT likewise
    case TTickMark::tmBoth: params.style |= TBS_BOTH; break;
  }
}

void TTrackBar::InitializeWnd() {
  TWinControl::InitializeWnd();
  SendMessageW(handle_, TBM_SETRANGEMIN, FALSE, min_);
  SendMessageW(handle_, TBM_SETRANGEMAX, FALSE, max_);
  SendMessageW(handle_, TBM_SETTICFREQ, frequency_, 0);
  SendMessageW(handle_, TBM_SETPOS, TRUE, position_);
}

void TTrackBar::WndProc(TMessage& msg) {
  if (msg.Msg == CN_HSCROLL || msg.Msg == CN_VSCROLL) {
    const int now = static_cast<int>(SendMessageW(handle_, TBM_GETPOS, 0, 0));
    if (now != position_) {
      position_ = now;
      PositionChanged();
    }
    msg.Result = 0;
    return;
  }
  if (msg.Msg == WM_DESTROY && handle_) position_ = static_cast<int>(SendMessageW(handle_, TBM_GETPOS, 0, 0));
  TWinControl::WndProc(msg);
}

void TTrackBar::PositionChanged() {
  if (auto handler = OnChange) handler(this);
}

// ---------------------------------------------------------------------------------------------
// TProgressBar

const TClassInfo& TProgressBar::StaticClass() {
  static const TClassInfo info = [] {
    TClassInfo c("TProgressBar", &TWinControl::StaticClass());
    c.Property("Min", &TProgressBar::Min, &TProgressBar::SetMin);
    c.Property("Max", &TProgressBar::Max, &TProgressBar::SetMax);
    c.Property("Position", &TProgressBar::Position, &TProgressBar::SetPosition);
    c.Property("Step", &TProgressBar::Step, &TProgressBar::SetStep);
    c.Property("Orientation", &TProgressBar::Orientation, &TProgressBar::SetOrientation);
    c.Property("Smooth", &TProgressBar::Smooth, &TProgressBar::SetSmooth);
    c.Method("StepIt", &TProgressBar::StepIt);
    c.SetFactory([](TComponent* owner) { return new TProgressBar(owner); });
    return c;
  }();
  return info;
}

TProgressBar::TProgressBar(TComponent* owner) : TWinControl(owner) {
  width_ = 150;
  height_ = 16;
}

void TProgressBar::SetMin(int v) {
  min_ = v;
  SendRange();
}

void TProgressBar::SetMax(int v) {
  max_ = v;
  SendRange();
}

void TProgressBar::SendRange() {
  if (HandleAllocated()) SendMessageW(handle_, PBM_SETRANGE32, static_cast<WPARAM>(min_), max_);
}

int TProgressBar::Position() const {
  if (handle_) return static_cast<int>(SendMessageW(handle_, PBM_GETPOS, 0, 0));
  return position_;
}

void TProgressBar::SetPosition(int v) {
  position_ = v;
  if (HandleAllocated()) SendMessageW(handle_, PBM_SETPOS, static_cast<WPARAM>(v), 0);
}

void TProgressBar::SetStep(int v) {
  step_ = v;
  if (HandleAllocated()) SendMessageW(handle_, PBM_SETSTEP, static_cast<WPARAM>(v), 0);
}

void TProgressBar::StepIt() {
  if (HandleAllocated()) {
    SendMessageW(handle_, PBM_STEPIT, 0, 0);
    position_ = Position();
    return;
  }
  position_ += step_;
  if (position_ > max_) position_ = min_ + (position_ - max_);
}

void TProgressBar::SetOrientation(TProgressBarOrientation v) {
  if (v == orientation_) return;
  orientation_ = v;
  if (HandleAllocated()) RecreateWnd();
}

void TProgressBar::SetSmooth(bool v) {
  if (v == smooth_) return;
  smooth_ = v;
  if (HandleAllocated()) RecreateWnd();
}

void TProgressBar::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.systemClassName = PROGRESS_CLASSW;
  if (orientation_ == TProgressBarOrientation::pbVertical) params.style |= PBS_VERTICAL;
  if (smooth_) params.style |= PBS_SMOOTH;
}

void TProgressBar::InitializeWnd() {
  TWinControl::InitializeWnd();
  SendMessageW(handle_, PBM_SETRANGE32, static_cast<WPARAM>(min_), max_);
  SendMessageW(handle_, PBM_SETSTEP, static_cast<WPARAM>(step_), 0);
  SendMessageW(handle_, PBM_SETPOS, static_cast<WPARAM>(position_), 0);
}

}  // namespace tk
