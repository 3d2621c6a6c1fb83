// Group boxes in the skin's look: a rounded frame in the skin's shadow colour broken by the
// caption. A toolkit group box is painted whole, its windowless children with it; over a bare
// group box window the frame is drawn after the system's, covering it.
#pragma once

#include "WinSubClass.h"

class TSkinGroupBox : public TSkinControl {
  TK_CLASS(TSkinGroupBox)
 public:
  using TSkinControl::TSkinControl;

  void Attach(TWinSkinForm* form, TSkinData* skin, bool recolour, tk::TCanvas* canvas) override;
  bool BeforeMessage(tk::TMessage& msg) override;
  void Draw(HDC dc, const RECT& rect) override;

  // Where the caption starts (or, at the right, ends) from the box's side.
  static constexpr int CaptionIndent = 8;
  static constexpr int CornerSize = 5;

 private:
  void DrawFrameAndCaption(HDC dc, const RECT& rect, tk::TColor face, tk::TColor shadow);
};
