// Check boxes in the skin's look: the box from the Buttons section's check image.
#pragma once

#include "SkinChoiceButton.h"

class TSkinCheckBox : public TSkinChoiceButton {
  TK_CLASS(TSkinCheckBox)
 public:
  using TSkinChoiceButton::TSkinChoiceButton;

  void Attach(TWinSkinForm* form, TSkinData* skin, bool recolour, tk::TCanvas* canvas) override;
  void AfterMessage(tk::TMessage& msg) override;

  // The last BM_SETCHECK value + 1; 0 before any.
  int32_t CheckState = 0;

 protected:
  tk::TBitmap* BoxImage() const override;
  int BoxFrameCount() const override;
  int FrameIndex() const override;
  int RightBoxInset() const override { return 0; }
};
