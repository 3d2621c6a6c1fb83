// Status bars in the skin's look: panels framed by the StatusBarEdges element (or plain bevels),
// their texts, and the size grip from ExtraImages. Composed off screen in one bitmap that all
// status bar painters share, then copied in one go.
#pragma once

#include <string>

#include "WinSubClass.h"

class TSkinStatusBar : public TSkinControl {
  TK_CLASS(TSkinStatusBar)
 public:
  using TSkinControl::TSkinControl;

  bool BeforeMessage(tk::TMessage& msg) override;
  void Draw(HDC dc, const RECT& rect) override;

  // Panel frames: the element's frames 1..3, or the bevel drawn without it.
  enum TPanelFrame { pfLowered = 1, pfRaised = 2, pfFlat = 3 };
  enum TTextAlign { taLeft, taRight, taCentre };
  // Frame of a bevel identifier (pbLowered, pbRaised, pbNone).
  static int FrameOfBevel(const std::string& bevel);

  // The size of the bitmap the painters share (0 x 0 before the first paint).
  static SIZE SharedBitmapSize();

 protected:
  // Draws one text into the composing DC. Every panel's text passes here, a single space for an
  // empty one.
  virtual void DrawPanelText(HDC dc, const std::wstring& text, const RECT& rect, TTextAlign align, bool rightToLeft);

 private:
  void DrawPanelBack(HDC dc, const RECT& rect, int frame);
  void DrawPanels(HDC dc, const RECT& rect);
  void DrawSizeGrip(HDC dc, const RECT& rect);
  void CallDrawPanelHandler();
};
