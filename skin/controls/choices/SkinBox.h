// Panels: only recoloured to the skin's face colour. The panel paints itself; nothing of its
// messages is taken over.
#pragma once

#include "WinSubClass.h"

// TSkinControl::State values of a panel painter.
enum TBoxState { bsUnskinned = 2, bsLeft = 4 };

class TSkinBox : public TSkinControl {
  TK_CLASS(TSkinBox)
 public:
  using TSkinControl::TSkinControl;

  void Attach(TWinSkinForm* form, TSkinData* skin, bool recolour, tk::TCanvas* canvas) override;
  void Unskin() override;
  void AfterMessage(tk::TMessage&) override {}
};
