// The elements the list painters draw from, for the solid test skin: a header bar of 5 frames and
// the two up-down elements with their glyph pictures, each frame one distinct colour.
#pragma once

#include <windows.h>

#include "SolidSkin.h"

namespace lists_test {

constexpr int HeaderFrameSize = 12;   // header bar frames, margins 3
constexpr int ButtonFrameSize = 12;   // up-down button frames
constexpr int GlyphSize = 4;          // up-down glyph frames

struct ListPartsOptions {
  bool headerbar = true;
  bool upDownVert = true;
  bool upDownHorz = true;
};

COLORREF HeaderColour(int frame);
COLORREF VertButtonColour(int frame);
COLORREF VertGlyphColour(int frame);
COLORREF HorzButtonColour(int frame);
COLORREF HorzGlyphColour(int frame);

// The solid skin's options with these parts added.
skin_test::SolidSkinOptions ListSkin(const ListPartsOptions& parts = {});

}  // namespace lists_test
