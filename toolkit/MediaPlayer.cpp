#include "MediaPlayer.h"

#include <windowsx.h>

#include <string>

namespace tk {

namespace {

constexpr TButtonSet AllButtons{TMPBtnType::btPlay,  TMPBtnType::btPause, TMPBtnType::btStop,
                                TMPBtnType::btNext,  TMPBtnType::btPrev,  TMPBtnType::btStep,
                                TMPBtnType::btBack,  TMPBtnType::btRecord, TMPBtnType::btEject};

// Plain marks, one per button, for the control's own painting.
const wchar_t* const ButtonMarks[MediaButtonCount] = {L"\x25B6", L"||", L"\x25A0", L">|", L"|<", L">>", L"<<", L"\x25CF", L"^"};

}  // namespace

const TClassInfo& TMediaPlayer::StaticClass() {
  static const TClassInfo info = [] {
    TClassInfo c("TMediaPlayer", &TCustomControl::StaticClass());
    c.Property("VisibleButtons", &TMediaPlayer::VisibleButtons, &TMediaPlayer::SetVisibleButtons);
    c.Property("EnabledButtons", &TMediaPlayer::EnabledButtons, &TMediaPlayer::SetEnabledButtons);
    c.Property("ColoredButtons", &TMediaPlayer::ColoredButtons, &TMediaPlayer::SetColoredButtons);
    c.Event("OnClick", &TMediaPlayer::OnClick);
    c.SetFactory([](TComponent* owner) { return new TMediaPlayer(owner); });
    return c;
  }();
  return info;
}

TMediaPlayer::TMediaPlayer(TComponent* owner)
    : TCustomControl(owner), visibleButtons_(AllButtons), enabledButtons_(AllButtons), coloredButtons_(AllButtons) {
  width_ = 253;
  height_ = 30;
  color_ = clBtnFace;
}

void TMediaPlayer::SetVisibleButtons(TButtonSet v) {
  visibleButtons_ = v;
  Invalidate();
}

void TMediaPlayer::SetEnabledButtons(TButtonSet v) {
  enabledButtons_ = v;
  Invalidate();
}

void TMediaPlayer::SetColoredButtons(TButtonSet v) {
  coloredButtons_ = v;
  Invalidate();
}

int TMediaPlayer::ShownCount() const {
  int n = 0;
  for (int b = 0; b < MediaButtonCount; ++b) n += visibleButtons_.Contains(static_cast<TMPBtnType>(b)) ? 1 : 0;
  return n;
}

TMPBtnType TMediaPlayer::ShownButton(int column) const {
  for (int b = 0; b < MediaButtonCount; ++b) {
    if (!visibleButtons_.Contains(static_cast<TMPBtnType>(b))) continue;
    if (column-- == 0) return static_cast<TMPBtnType>(b);
  }
  return TMPBtnType::btPlay;
}

int TMediaPlayer::ButtonAt(int x) const {
  const int shown = ShownCount();
  if (shown == 0 || x < 0) return -1;
  const int w = width_ / shown;
  if (w <= 0) return -1;
  const int column = x / w;
  return column < shown ? column : -1;
}

void TMediaPlayer::Paint() {
  canvas_.Brush().SetColor(color_);
  canvas_.FillRect(RECT{0, 0, width_, height_});
  const int shown = ShownCount();
  if (shown == 0) return;
  const int w = width_ / shown;
  HDC dc = canvas_.Handle();
  SetBkMode(dc, TRANSPARENT);
  for (int column = 0; column < shown; ++column) {
    const TMPBtnType button = ShownButton(column);
    RECT r{column * w, 0, (column + 1) * w, height_};
    DrawEdge(dc, &r, column == pressed_ ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    const bool on = enabledButtons_.Contains(button) && Enabled();
    COLORREF ink = !on ? GetSysColor(COLOR_GRAYTEXT)
                       : coloredButtons_.Contains(button) ? RGB(0, 128, 0) : GetSysColor(COLOR_BTNTEXT);
    SetTextColor(dc, ink);
    const wchar_t* mark = ButtonMarks[static_cast<int>(button)];
    DrawTextW(dc, mark, -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  }
}

void TMediaPlayer::WndProc(TMessage& msg) {
  switch (msg.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      pressed_ = ButtonAt(GET_X_LPARAM(msg.LParam));
      Invalidate();
      break;
    case WM_LBUTTONUP: {
      const int column = pressed_;
      pressed_ = -1;
      Invalidate();
      if (column >= 0 && column == ButtonAt(GET_X_LPARAM(msg.LParam))) {
        const TMPBtnType button = ShownButton(column);
        if (enabledButtons_.Contains(button) && OnClick) {
          auto handler = OnClick;  // a copy: the handler may replace itself
          handler(this, button);
        }
      }
      break;
    }
    default:
      break;
  }
  TCustomControl::WndProc(msg);
}

}  // namespace tk
