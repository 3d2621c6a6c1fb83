#include "UpDown.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdlib>

namespace tk {

namespace {

void EnsureUpDownClass() {
  static const bool registered = [] {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_UPDOWN_CLASS};
    return InitCommonControlsEx(&icc) != FALSE;
  }();
  (void)registered;
}

void SetAcceleration(HWND wnd, int increment) {
  UDACCEL accel{0, static_cast<UINT>(std::max(increment, 1))};
  SendMessageW(wnd, UDM_SETACCEL, 1, reinterpret_cast<LPARAM>(&accel));
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// TUpDown

const TClassInfo& TUpDown::StaticClass() {
  static const TClassInfo info = [] {
    TClassInfo c("TUpDown", &TWinControl::StaticClass());
    c.Property("Associate", &TUpDown::Associate, &TUpDown::SetAssociate);
    c.Property("Min", &TUpDown::Min, &TUpDown::SetMin);
    c.Property("Max", &TUpDown::Max, &TUpDown::SetMax);
    c.Property("Increment", &TUpDown::Increment, &TUpDown::SetIncrement);
    c.Property("Orientation", &TUpDown::Orientation, &TUpDown::SetOrientation);
    c.Property("Wrap", &TUpDown::Wrap, &TUpDown::SetWrap);
    c.Property("Position", &TUpDown::Position, &TUpDown::SetPosition);
    c.Event("OnChange", &TUpDown::OnChange);
    c.SetFactory([](TComponent* owner) { return new TUpDown(owner); });
    return c;
  }();
  return info;
}

TUpDown::TUpDown(TComponent* owner) : TWinControl(owner) {
  width_ = 17;
  height_ = 21;
}

TUpDown::~TUpDown() {
  SetAssociate(nullptr);
  DestroyHandle();
}

void TUpDown::CreateParams(TCreateParams& params) {
  EnsureUpDownClass();
  TWinControl::CreateParams(params);
  params.systemClassName = UPDOWN_CLASSW;
  params.style |= UDS_SETBUDDYINT | UDS_ARROWKEYS | UDS_NOTHOUSANDS;
  if (orientation_ == TUDOrientation::udHorizontal) params.style |= UDS_HORZ;
  if (wrap_) params.style |= UDS_WRAP;
}

void TUpDown::InitializeWnd() {
  TWinControl::InitializeWnd();
  PushRange();
  SetAcceleration(handle_, increment_);
  PushBuddy();
  SendMessageW(handle_, UDM_SETPOS32, 0, position_);
}

void TUpDown::SaveWndState() { position_ = Position(); }

void TUpDown::PushRange() {
  if (handle_) SendMessageW(handle_, UDM_SETRANGE32, static_cast<WPARAM>(min_), static_cast<LPARAM>(max_));
}

void TUpDown::PushBuddy() {
  if (!handle_) return;
  HWND buddy = associate_ ? associate_->Handle() : nullptr;
  SendMessageW(handle_, UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy), 0);
  // The buddy shows the position at once.
  if (buddy) SendMessageW(handle_, UDM_SETPOS32, 0, Position());
}

void TUpDown::SetAssociate(TWinControl* control) {
  if (control == associate_ || control == this) return;
  if (associate_) associate_->RemoveFreeNotification(this);
  associate_ = control;
  if (associate_) {
    associate_->FreeNotification(this);
    associate_->SetText(std::to_string(Position()));
  }
  PushBuddy();
}

void TUpDown::Notification(TComponent* component, TOperation operation) {
  TWinControl::Notification(component, operation);
  if (operation == TOperation::opRemove && component == associate_) {
    associate_ = nullptr;
    if (handle_) SendMessageW(handle_, UDM_SETBUDDY, 0, 0);
  }
}

void TUpDown::SetMin(int v) {
  min_ = v;
  PushRange();
}

void TUpDown::SetMax(int v) {
  max_ = v;
  PushRange();
}

int TUpDown::Position() const {
  if (!handle_) return position_;
  BOOL failed = FALSE;
  const int pos = static_cast<int>(SendMessageW(handle_, UDM_GETPOS32, 0, reinterpret_cast<LPARAM>(&failed)));
  return failed ? position_ : pos;
}

void TUpDown::SetPosition(int v) {
  position_ = std::clamp(v, std::min(min_, max_), std::max(min_, max_));
  if (handle_) SendMessageW(handle_, UDM_SETPOS32, 0, position_);
  if (associate_) associate_->SetText(std::to_string(position_));
}

void TUpDown::SetIncrement(int v) {
  increment_ = std::max(v, 1);
  if (handle_) SetAcceleration(handle_, increment_);
}

void TUpDown::SetOrientation(TUDOrientation v) {
  if (v == orientation_) return;
  orientation_ = v;
  RecreateWnd();
}

void TUpDown::SetWrap(bool v) {
  if (v == wrap_) return;
  wrap_ = v;
  RecreateWnd();
}

void TUpDown::WndProc(TMessage& msg) {
  if (msg.Msg == CN_BASE + WM_VSCROLL || msg.Msg == CN_BASE + WM_HSCROLL) {
    position_ = Position();
    if (OnChange) OnChange(this);
    return;
  }
  TWinControl::WndProc(msg);
}

// ---------------------------------------------------------------------------------------------
// TSpinButton

const TClassInfo& TSpinButton::StaticClass() {
  static const TClassInfo info = [] {
    TClassInfo c("TSpinButton", &TUpDown::StaticClass());
    c.SetFactory([](TComponent* owner) { return new TSpinButton(owner); });
    return c;
  }();
  return info;
}

TSpinButton::TSpinButton(TComponent* owner) : TUpDown(owner) {
  width_ = 20;
  height_ = 25;
}

// ---------------------------------------------------------------------------------------------
// TSpinEdit

const TClassInfo& TSpinEdit::StaticClass() {
  static const TClassInfo info = [] {
    TClassInfo c("TSpinEdit", &TEdit::StaticClass());
    c.Property("MinValue", &TSpinEdit::MinValue, &TSpinEdit::SetMinValue);
    c.Property("MaxValue", &TSpinEdit::MaxValue, &TSpinEdit::SetMaxValue);
    c.Property("Increment", &TSpinEdit::Increment, &TSpinEdit::SetIncrement);
    c.Property("Value", &TSpinEdit::Value, &TSpinEdit::SetValue);
    c.SetFactory([](TComponent* owner) { return new TSpinEdit(owner); });
    return c;
  }();
  return info;
}

TSpinEdit::TSpinEdit(TComponent* owner) : TEdit(owner) {
  width_ = 121;
  height_ = 22;
  text_ = "0";
}

TSpinEdit::~TSpinEdit() { DestroyHandle(); }

void TSpinEdit::InitializeWnd() {
  TEdit::InitializeWnd();
  EnsureUpDownClass();
  buttons_ = CreateWindowExW(0, UPDOWN_CLASSW, L"", WS_CHILD | WS_VISIBLE | UDS_SETBUDDYINT | UDS_ARROWKEYS | UDS_NOTHOUSANDS,
                             0, 0, 0, 0, handle_, nullptr, GetModuleHandleW(nullptr), nullptr);
  if (!buttons_) return;
  SendMessageW(buttons_, UDM_SETBUDDY, reinterpret_cast<WPARAM>(handle_), 0);
  PushRange();
  SetAcceleration(buttons_, increment_);
  SendMessageW(buttons_, UDM_SETPOS32, 0, value_);
  EnableWindow(buttons_, Enabled());
  PlaceButtons();
}

void TSpinEdit::SaveWndState() {
  value_ = Value();
  buttons_ = nullptr;
}

void TSpinEdit::PlaceButtons() {
  if (!handle_ || !buttons_) return;
  RECT client{};
  GetClientRect(handle_, &client);
  const int w = GetSystemMetrics(SM_CXVSCROLL);
  MoveWindow(buttons_, client.right - w, 0, w, client.bottom, TRUE);
  // The text stops before the buttons.
  SendMessageW(handle_, EM_SETMARGINS, EC_RIGHTMARGIN, MAKELPARAM(0, w + 1));
}

void TSpinEdit::PushRange() {
  if (buttons_) SendMessageW(buttons_, UDM_SETRANGE32, static_cast<WPARAM>(minValue_), static_cast<LPARAM>(maxValue_));
}

void TSpinEdit::SetMinValue(int v) {
  minValue_ = v;
  PushRange();
}

void TSpinEdit::SetMaxValue(int v) {
  maxValue_ = v;
  PushRange();
}

int TSpinEdit::Value() const {
  const std::string text = GetText();
  char* end = nullptr;
  const long v = std::strtol(text.c_str(), &end, 10);
  if (end == text.c_str()) return value_;
  return static_cast<int>(std::clamp<long>(v, std::min(minValue_, maxValue_), std::max(minValue_, maxValue_)));
}

void TSpinEdit::SetValue(int v) {
  value_ = std::clamp(v, std::min(minValue_, maxValue_), std::max(minValue_, maxValue_));
  if (buttons_) SendMessageW(buttons_, UDM_SETPOS32, 0, value_);
  SetText(std::to_string(value_));
}

void TSpinEdit::SetIncrement(int v) {
  increment_ = std::max(v, 1);
  if (buttons_) SetAcceleration(buttons_, increment_);
}

void TSpinEdit::WndProc(TMessage& msg) {
  TEdit::WndProc(msg);
  if (msg.Msg == WM_SIZE) PlaceButtons();
  // The buttons are no toolkit control: they follow the edit by hand.
  if (msg.Msg == CM_ENABLEDCHANGED && buttons_) EnableWindow(buttons_, Enabled());
}

}  // namespace tk
