// Pages of a page control: the button-face colour and the page's windowless children.
#pragma once

#include "WinSubClass.h"

class TSkinTabSheet : public TSkinControl {
  TK_CLASS(TSkinTabSheet)
 public:
  using TSkinControl::TSkinControl;

  bool BeforeMessage(tk::TMessage& msg) override;
  void Draw(HDC dc, const RECT& rect) override;

 private:
  tk::TBitmap Work;
};
