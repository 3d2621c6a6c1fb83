// A tab's image-list icon and caption, laid out together in a rectangle: used by every tab painter.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

class TSkinControl;

enum TCaptionAlignment { caLeft = 0, caCentre = 1, caRight = 2 };

// Draws into dc (text colour and font as selected there). A disabled painter's caption takes the
// skin's button-shadow colour; a right-to-left control reads right to left.
void DrawIconCaption(const TSkinControl& painter, HDC dc, const RECT& rect, int alignment, const std::wstring& text,
                     int imageIndex, HIMAGELIST images);
