// The menu button painter: glyph at the left, caption, and a drop-down arrow at the right. A
// focused menu button looks hot; its Default property means nothing here.
#pragma once

#include "SkinButton.h"

class TSkinMenuButton : public TSkinButton {
  TK_CLASS(TSkinMenuButton)
 public:
  using TSkinButton::TSkinButton;
  void Draw(HDC dc, const RECT& rect) override;
};

// Pressed 2, else hot or focused 4, else normal; disabled 3 wins.
int MenuButtonFrame(bool enabled, bool pressed, bool hot, bool focused);

// Margin and spacing of a menu button: glyph, caption and the 8-pixel arrow box across width.
struct TMenuButtonSpacing {
  int margin = 0, spacing = 0;
};
TMenuButtonSpacing MenuButtonSpacing(int width, int glyphWidth, int textWidth, int margin, int spacing);
