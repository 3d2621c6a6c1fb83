// Tab controls whose tabs are buttons: each tab drawn from the Buttons element, frame 2 for the
// focused tab, over the strip above the display area.
#pragma once

#include "WinSubClass.h"

class TSkinTabBtn : public TSkinControl {
  TK_CLASS(TSkinTabBtn)
 public:
  using TSkinControl::TSkinControl;
  static constexpr int MaxTabCaption = 80;

  bool BeforeMessage(tk::TMessage& msg) override;
  void Draw(HDC dc, const RECT& rect) override;

 private:
  tk::TBitmap Strip;
};
