// The Buttons element of the solid test skin: five frames, each one solid colour, so that a pixel
// read back from a button tells which state the painter drew.
#pragma once

#include <windows.h>

#include "SolidSkin.h"

namespace button_test {

// Frame 1 normal, 2 pressed, 3 disabled, 4 hot, 5 focused or default.
COLORREF ButtonFrameColour(int frame);

// The solid skin with the Buttons element added.
skin_test::SolidSkinOptions ButtonSkinOptions();

}  // namespace button_test
