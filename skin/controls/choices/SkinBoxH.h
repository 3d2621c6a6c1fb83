// Bare panel-like windows: erased with the skin's face colour, and so are the scroll bars and
// static children they host.
#pragma once

#include "WinSubClass.h"

class TSkinBoxH : public TSkinControl {
  TK_CLASS(TSkinBoxH)
 public:
  using TSkinControl::TSkinControl;
  bool BeforeMessage(tk::TMessage& msg) override;
};
