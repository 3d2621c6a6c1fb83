// The edit family's elements for the solid test skin: a combo button, the sunk edge and the extra
// images, every frame one distinct solid colour.
#pragma once

#include <windows.h>

#include "SolidSkin.h"

class TSkinData;

namespace edits_test {

struct ComboParts {
  int style = 1;           // the combo button's Style key
  bool sunkEdge = false;   // with it (and the combo button) the load makes the combined images
  bool extraImages = true;
};

// Frame sizes of the strips.
constexpr int ComboButtonFrameWidth = 12, ComboButtonFrameHeight = 20;
constexpr int SunkEdgeFrameSize = 10, SunkEdgeMargin = 2;
constexpr int ExtraImageSize = 6;

COLORREF ComboButtonColour(int frame);  // 1..4
COLORREF ButtonRightHalfColour(int frame);  // the plain button strip's right halves, 1..4
COLORREF SunkEdgeColour(int frame);     // 1..4
COLORREF ExtraImageColour(int frame);   // 1..5
COLORREF ShadowColour();                // the skin's ButtonShadow
COLORREF FaceColour();                  // the skin's ButtonFace

// Adds the sections and pictures to the solid skin's options.
void AddComboParts(skin_test::SolidSkinOptions& options, const ComboParts& parts);

// Replaces the combo images the load made with plain strips and gives the button the style: for the
// drawing that puts the button on the sunk edge, which no loaded skin reaches with both elements.
// ComboButton frames: left half ComboButtonColour, right half ButtonRightHalfColour; its second
// image the strip mirrored, as the load makes it; SunkEdge frames of SunkEdgeColour.
void UsePlainComboImages(TSkinData& skin, int style);

}  // namespace edits_test
