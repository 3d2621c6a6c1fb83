// The elements the choice painters draw from, for the solid test skin: check and radio images of
// 4, 12 or 8 frames, status bar edges and extra images, each frame one distinct colour.
#pragma once

#include <windows.h>

#include "SolidSkin.h"

namespace choice_test {

constexpr int BoxSize = 13;  // every check and radio frame is a 13 x 13 square

struct ChoicePartsOptions {
  int checkFrames = 4;   // 0: no check image
  int radioFrames = 4;   // 0: no radio image
  bool statusBarEdges = true;
  bool extraImages = true;
};

COLORREF CheckColour(int frame);
COLORREF RadioColour(int frame);
COLORREF EdgeColour(int frame);
COLORREF ExtraColour(int frame);
// The text colour the StatusBarEdges section gives.
constexpr COLORREF EdgeTextColour = RGB(250, 40, 40);

// The solid skin's options with these parts added.
skin_test::SolidSkinOptions ChoiceSkin(const ChoicePartsOptions& parts = {});

}  // namespace choice_test
