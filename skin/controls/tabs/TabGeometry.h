// Shared pieces of the tab painters: the display area a tab control reports, its font, the
// captions of its tabs, and margins turned with an image.
#pragma once

#include <windows.h>

#include <string>

#include "ElementDrawing.h"

namespace tab_geometry {

// The control's display area inside rect, inflated by 4 as the pane is drawn around it.
RECT PaneArea(HWND tabs, const RECT& rect);
// The window's font, or the default GUI font.
HFONT WindowFont(HWND wnd);
// Tab index's caption (at most maxLength characters) and image index; false when it has none.
bool TabItem(HWND tabs, bool unicode, int index, int maxLength, std::wstring& caption, int& imageIndex);
// Margins of an image laid for the top, after it is flipped (side 1) or turned for a left (2) or
// right (3) strip.
TElementMargins TurnedMargins(const TElementMargins& top, int side);

}  // namespace tab_geometry
