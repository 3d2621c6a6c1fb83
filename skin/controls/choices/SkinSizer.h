// Size boxes (the square between two scroll bars, or a grip): the skin's face colour.
#pragma once

#include "WinSubClass.h"

class TSkinSizer : public TSkinControl {
  TK_CLASS(TSkinSizer)
 public:
  using TSkinControl::TSkinControl;
  void Draw(HDC dc, const RECT& rect) override { FillBackground(dc, rect); }
};
