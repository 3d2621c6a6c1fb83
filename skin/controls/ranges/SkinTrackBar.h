// Track bars in the skin's look. The control keeps painting itself (its tic marks stay its own);
// through its custom-draw notices the painter draws the channel from Track / TrackVert and the
// thumb from TrackThumbHorz / TrackThumbVert instead of the platform's.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "WinSubClass.h"

class TSkinTrackBar : public TSkinControl {
  TK_CLASS(TSkinTrackBar)
 public:
  using TSkinControl::TSkinControl;

  void Attach(TWinSkinForm* form, TSkinData* skin, bool recolour, tk::TCanvas* canvas) override;
  void Unskin() override;
  bool BeforeMessage(tk::TMessage& msg) override;
  void SkinChanged() override;

 private:
  // The answer to one custom-draw notice.
  LRESULT CustomDraw(const NMCUSTOMDRAW& draw);
  bool Vertical() const;
  void DrawThumb(HDC dc);
  void DrawChannel(HDC dc);
};
