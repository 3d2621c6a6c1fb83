// Radio buttons in the skin's look: the box from the Buttons section's radio image.
#pragma once

#include "SkinChoiceButton.h"

class TSkinRadioButton : public TSkinChoiceButton {
  TK_CLASS(TSkinRadioButton)
 public:
  using TSkinChoiceButton::TSkinChoiceButton;

 protected:
  tk::TBitmap* BoxImage() const override;
  int BoxFrameCount() const override;
  int FrameIndex() const override;
  // The system draws a right-hand radio circle one pixel in from the edge; the skin's box sits there too.
  int RightBoxInset() const override { return 1; }
};
