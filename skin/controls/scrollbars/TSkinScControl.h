// The painter of a scroll bar control: one cover of the control kind over the whole control.
#pragma once

#include <memory>

#include "TWScrollbar.h"
#include "WinSubClass.h"

class TSkinScControl : public TSkinControl {
  TK_CLASS(TSkinScControl)
 public:
  explicit TSkinScControl(tk::TComponent* owner);
  ~TSkinScControl() override;

  void Attach(TWinSkinForm* form, TSkinData* skin, bool recolour, tk::TCanvas* canvas) override;
  virtual void AttachScrollBarControl(tk::TControl* control, TSkinData* skin, TWinSkinForm* form, tk::TCanvas* canvas);
  void Unskin() override;
  void AfterMessage(tk::TMessage& msg) override;
  void Draw(HDC dc, const RECT& rect) override;

  std::unique_ptr<TWScrollbar> Bar;
};
