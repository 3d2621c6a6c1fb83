// A header item's icon and caption laid out in its rectangle: left, centred or right, the icon
// before the text, the text cut with an ellipsis where it does not fit.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

enum THeaderAlignment { haLeft = 0, haCenter = 1, haRight = 2 };

struct THeaderCaption {
  std::wstring Text;
  int ImageIndex = -1;  // -1: no icon
  HIMAGELIST Images = nullptr;
  THeaderAlignment Alignment = haLeft;
  bool Enabled = true;
  bool RightToLeft = false;
};

// Draws into dc (transparent background, the DC's font and text colour; disabledColour when the
// caption is disabled).
void DrawHeaderCaption(HDC dc, const RECT& rect, const THeaderCaption& caption, COLORREF disabledColour);
