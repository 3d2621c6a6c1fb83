// Media players in the skin's look: a panel of the painter's own (TWMediaPlayer) lies over the
// control, follows its place and visibility, draws the buttons and passes clicks on.
#pragma once

#include "WinSubClass.h"

class TWMediaPlayer;

class TSkinMP : public TSkinControl {
  TK_CLASS(TSkinMP)
 public:
  using TSkinControl::TSkinControl;
  ~TSkinMP() override;

  void Attach(TWinSkinForm* form, TSkinData* skin, bool recolour, tk::TCanvas* canvas) override;
  void Unskin() override;
  void AfterMessage(tk::TMessage& msg) override;
  void SkinChanged() override;

  TWMediaPlayer* Panel() const { return FPanel; }

 protected:
  void Notification(tk::TComponent* component, tk::TOperation operation) override;

 private:
  void FollowControl();
  void FreePanel();
  TWMediaPlayer* FPanel = nullptr;
};
