// Painter of an up-down control: two buttons (up and down, or left and right) from the skin's
// up-down element with their arrow glyphs, or plain buttons with line arrows without it. Inside an
// edit it keeps clear of the edit's frame.
#pragma once

#include <windows.h>

#include "WinSubClass.h"

// The look of one half: frames 1 normal, 2 pressed, 3 disabled, 4 hot.
enum TUpDownHalfState { udsNormal = 1, udsPressed = 2, udsDisabled = 3, udsHot = 4 };

class TSkinUpDown : public TSkinControl {
  TK_CLASS(TSkinUpDown)
 public:
  using TSkinControl::TSkinControl;

  bool BeforeMessage(tk::TMessage& msg) override;
  void Draw(HDC dc, const RECT& rect) override;

  bool Embedded = false;    // inside an edit
  bool Horizontal = false;  // left and right, whatever the style says

  // Left/right halves (by the flag or the control's style), else up/down.
  bool LaysOutHorizontally() const;
  // The buttons' area in a rect of the window (origin 0): inside an edit, kept clear of its frame.
  RECT ButtonArea(const RECT& rect) const;
  // The two halves of an area: up (or left) first.
  static void SplitHalves(const RECT& area, bool horizontal, RECT& first, RECT& second);
  // How a half looks now (rect: the half in window coordinates).
  TUpDownHalfState HalfState(const RECT& half) const;

 private:
  void OnButtonDown(tk::TMessage& msg);
  void OnButtonUp(tk::TMessage& msg);
  void OnMouseMove();
  void OnMouseLeave();
  void OnEraseBackground(tk::TMessage& msg);
  int HalfUnderCursor() const;
  int FHotHalf = -1;
};
