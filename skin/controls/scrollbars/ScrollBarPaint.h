// Composing one scroll bar from the skin: track, two arrows, thumb and grip. Shared by the cover
// windows and the drop-down list's bar, which draw the same pictures in different places.
#pragma once

#include <windows.h>

#include "Graphics.h"

class TSkinData;

struct TBarLooks {
  bool Vertical = false;
  int Length = 0;     // along the axis
  int ArrowSize = 0;
  bool Available = true;
  int ThumbStart = 0;
  int ThumbEnd = 0;
  int HotPart = -1;   // a TScrollPart
  bool Pressed = false;
};

// Whether the skin has the pictures a bar is drawn from.
bool SkinHasScrollBars(const TSkinData& skin);
// The bar's thickness: the strip's height, unless it is far from the arrow size.
int BarThickness(const TSkinData& skin, int arrowSize);
// Draws the bar's parts into dc, whose (0, 0) is the bar's start; `limit` is the room along the
// axis (a thumb reaching past it is left out).
void DrawBarParts(HDC dc, TSkinData& skin, const TBarLooks& looks, int thickness, int limit);
// Fills the cell between a window's two bars (dc: the whole window) with the colour.
void FillBarCorner(HDC dc, HWND wnd, tk::TColor colour);
// A bitmap of the given size filled with the skin's face colour, ready for DrawBarParts.
void PrepareBarBitmap(tk::TBitmap& bitmap, const TSkinData& skin, int width, int height);
