// The painter of a toolkit control with system scroll bars (memo, list box, rich edit and the
// like): a cover over each bar kept in place as the control moves, sizes, shows and hides, and a
// thin skin-coloured border in place of the control's sunken edge.
#pragma once

#include <memory>

#include "TWScrollbar.h"
#include "WinSubClass.h"

class TSkinScrollbar : public TSkinControl {
  TK_CLASS(TSkinScrollbar)
 public:
  explicit TSkinScrollbar(tk::TComponent* owner);
  ~TSkinScrollbar() override;

  void Attach(TWinSkinForm* form, TSkinData* skin, bool recolour, tk::TCanvas* canvas) override;
  // Takes over the control and covers its bars. Mode 1 (one bar, no border) is set before.
  virtual void AttachScrollbars(tk::TControl* control, TSkinData* skin, TWinSkinForm* form, tk::TCanvas* canvas);
  void Unskin() override;
  bool BeforeMessage(tk::TMessage& msg) override;
  void AfterMessage(tk::TMessage& msg) override;
  void Draw(HDC dc, const RECT& rect) override;
  void SkinChanged() override;

  std::unique_ptr<TWScrollbar> HorzBar;
  std::unique_ptr<TWScrollbar> VertBar;
  bool DrawBorder = false;

 protected:
  void RepositionBars();
  void HideBars();
  // Draws the thin border into a DC of the whole window.
  void PaintBorder(HDC dc);
  void ApplyFixedColor();
  // The cell between two shown bars, in window coordinates.
  void FillCorner(HDC dc);

 private:
  void OnNCPaint(tk::TMessage& msg);
  void OnScroll(TWScrollbar* bar, const tk::TMessage& msg);
  void OnVisibleChanged(const tk::TMessage& msg);
  void OnEnabledChanged();
  void OnRecreateWnd();
  void OnBorderRequest(tk::TMessage& msg);
};
