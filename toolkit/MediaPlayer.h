// A bar of media buttons (play, pause, stop, ...). It plays nothing itself: a click on a button
// raises OnClick with that button, and the program does the rest. Which buttons are shown,
// enabled and coloured are published sets.
#pragma once

#include <functional>

#include "Controls.h"

namespace tk {

enum class TMPBtnType { btPlay, btPause, btStop, btNext, btPrev, btStep, btBack, btRecord, btEject };
TK_ENUM(TMPBtnType, "btPlay", "btPause", "btStop", "btNext", "btPrev", "btStep", "btBack", "btRecord", "btEject");
using TButtonSet = TSet<TMPBtnType>;
constexpr int MediaButtonCount = 9;

class TMediaPlayer;
using TMPBtnClickEvent = std::function<void(TMediaPlayer* Sender, TMPBtnType Button)>;

class TMediaPlayer : public TCustomControl {
  TK_CLASS(TMediaPlayer)
 public:
  explicit TMediaPlayer(TComponent* owner);
  TButtonSet VisibleButtons() const { return visibleButtons_; }
  void SetVisibleButtons(TButtonSet v);
  TButtonSet EnabledButtons() const { return enabledButtons_; }
  void SetEnabledButtons(TButtonSet v);
  TButtonSet ColoredButtons() const { return coloredButtons_; }
  void SetColoredButtons(TButtonSet v);

  // The shown button whose column holds client x; -1 for none.
  int ButtonAt(int x) const;

  TMPBtnClickEvent OnClick;

 protected:
  void Paint() override;
  void WndProc(TMessage& msg) override;

 private:
  int ShownCount() const;
  TMPBtnType ShownButton(int column) const;
  TButtonSet visibleButtons_;
  TButtonSet enabledButtons_;
  TButtonSet coloredButtons_;
  int pressed_ = -1;  // the column pressed, until the release
};

}  // namespace tk
