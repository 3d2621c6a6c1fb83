// The scroll bar elements of the solid test skin: every frame one distinct colour, so that a pixel
// of a cover tells which picture and which frame was drawn there.
#pragma once

#include <windows.h>

#include "SolidSkin.h"

namespace scroll_test {

// Arrow-and-grip strip frames 1..23 (square frames of the arrow size).
COLORREF StripColour(int frame);
// Tracks, frames 1..4.
COLORREF HorzTrackColour(int frame);
COLORREF VertTrackColour(int frame);
// Thumbs, frames 1..3.
COLORREF HorzThumbColour(int frame);
COLORREF VertThumbColour(int frame);

// The solid skin with the scroll bar elements added.
skin_test::SolidSkinOptions ScrollSkinOptions();

}  // namespace scroll_test
