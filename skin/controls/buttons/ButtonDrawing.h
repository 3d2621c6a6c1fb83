// What every button painter draws with: the frame of a state, the caption colour of a state, the
// caption itself, one frame of a glyph strip and the embossed look of a disabled glyph.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "Graphics.h"

class TDataSkinButton;

// Frames of the skin's Buttons element.
enum TButtonFrame { bfNormal = 1, bfPressed = 2, bfDisabled = 3, bfHot = 4, bfFocused = 5 };
constexpr int ButtonFrameCount = 5;

// Longest caption a button draws; more is cut off (a caption comes from any property or window).
constexpr size_t MaxButtonCaption = 1024;

// Disabled wins, then pressed, hot, focused (or default), normal.
int PushButtonFrame(bool enabled, bool pressed, bool hot, bool focusedOrDefault);

// The caption as drawn: bounded, its first "||" made a line break.
std::wstring PrepareButtonCaption(std::wstring text);

// The caption colour of a frame: the skin's state colours over `base`, the shadow colour when
// disabled. With normalOnlyWhenNormal the skin's normal colour applies to the normal frame only.
COLORREF ButtonTextColour(const TDataSkinButton& element, int frame, COLORREF base, bool normalOnlyWhenNormal);

// A caption centred in rect (or left to right when alignment has no DT_CENTER), with a focus
// rectangle around it when asked. The DC's font and text colour are used.
void DrawButtonCaption(HDC dc, const RECT& rect, UINT alignment, const std::wstring& text, bool focusRect,
                       UINT extraFormat = 0);

// Frame `index` (1-based) of a strip of numGlyphs at position, its bottom-left colour transparent;
// index 2 of a single-frame strip is the embossed disabled look.
void DrawGlyphFrame(HDC dc, POINT position, int numGlyphs, int index, const tk::TBitmap& glyph);

// A grey embossed copy of a single-frame glyph, the size of the glyph.
std::unique_ptr<tk::TBitmap> CreateDisabledGlyph(const tk::TBitmap& glyph);
