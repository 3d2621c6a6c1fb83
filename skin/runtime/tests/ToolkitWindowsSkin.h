// The solid test skin with what the MDI, dialog and pop-up tests need: a menu bar picture and the
// three buttons of a maximised MDI child (twelve frames: four per button, each a colour of its own).
#pragma once

#include <windows.h>

#include "SolidSkin.h"

namespace skin_test {

SolidSkinOptions WindowsSkinOptions();
// Button 0 minimise, 1 restore, 2 close; frame 1..4.
COLORREF MdiButtonColour(int button, int frame);

}  // namespace skin_test
