// One button of an up-down control in one of its states: a frame of the skin's up-down element
// with its arrow glyph, or, when the skin has no such element, a plain button with a line arrow.
#pragma once

#include <windows.h>

#include "SkinUpDown.h"

class TDataSkinBorder;
class TSkinData;

enum TUpDownDirection { udUp = 0, udDown = 1, udLeft = 2, udRight = 3 };

class TUpDownButtons {
 public:
  TUpDownButtons(TSkinData& skin, bool horizontal);
  void DrawHalf(HDC dc, const RECT& half, TUpDownDirection direction, TUpDownHalfState state) const;
  // The frame of the element a half is drawn with: 4 frames per direction, each element counting
  // its own two directions from 0.
  static int FrameOf(TUpDownDirection direction, TUpDownHalfState state);

 private:
  void DrawFromElement(HDC dc, const RECT& half, int frame) const;
  void DrawPlain(HDC dc, const RECT& half, TUpDownDirection direction, TUpDownHalfState state) const;
  TSkinData& FSkin;
  TDataSkinBorder* FElement;
};
