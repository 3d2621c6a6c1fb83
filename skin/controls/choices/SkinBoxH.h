// Bare panel-like windows: erased with the skin's face colour, and so is a scroll bar they host.
#pragma once

#include "WinSubClass.h"

class TSkinBoxH : public TSkinControl {
  TK_CLASS(TSkinBoxH)
 public:
  using TSkinControl::TSkinControl;
  bool BeforeMessage(tk::TMessage& msg) override;
};
