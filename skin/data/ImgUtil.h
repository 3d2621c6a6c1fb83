// Pixel and colour routines shared by the skin loader and the painters: recolouring, mirroring,
// flipping and turning skin strips, blending colours and filling gradients. Bitmaps are worked on
// through their rows (24 bits per pixel: blue, green, red); colours are red + green * 256 +
// blue * 65536, and a negative value names a system colour.
#pragma once

#include <windows.h>

#include <vector>

#include "Graphics.h"

// Every pixel that is exactly magenta gets the colour, taken as it is (a system colour is not
// resolved). The bitmap becomes 24 bits per pixel first.
void ReplaceKeyColour(tk::TBitmap& bitmap, tk::TColor colour);

// Left-right and top-bottom mirror images, in place. A bitmap of another depth becomes 24-bit first.
void MirrorBitmap(tk::TBitmap& bitmap);
void FlipBitmap(tk::TBitmap& bitmap);

// A quarter turn counter-clockwise / clockwise: width and height swap; the result is 24-bit.
void RotateBitmapLeft(tk::TBitmap& bitmap);
void RotateBitmapRight(tk::TBitmap& bitmap);

// Mixes two colours; amount weights colour1. Below 100 the amount is a percentage, from 100 on it
// is per mille (so 150 is 15 % and 100 is 10 %).
tk::TColor BlendColours(tk::TColor colour1, tk::TColor colour2, int amount);

// How colourful a light colour is, 0..255; 200 for colours with no channel of 160 or more.
int ColourSaturation(tk::TColor colour);

// Index of the gradient cache slot that holds count colours running from start to end. The cache
// has GradientCacheSlots slots, reused in turn; a slot already holding the same gradient is reused.
constexpr int GradientCacheSlots = 16;
int GradientColours(int count, tk::TColor start, tk::TColor end);
const std::vector<tk::TColor>& GradientCacheSlot(int slot);

// Fills rect with one-pixel bands from start to end colour: rows when vertical, else columns.
// Only the bands inside the DC's clip box are drawn; each keeps its place in the whole gradient.
void GradientFill(HDC dc, const RECT& rect, tk::TColor start, bool vertical, tk::TColor end);
