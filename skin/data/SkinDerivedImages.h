// The last steps of a skin load: the frame counts the painters rely on, and the images the load
// makes from others (the combo box pieces, the combo arrow, the tool bar gradient).
#pragma once

#include "SkinElements.h"

// Frame counts fixed by element kind, where the slot holds a record.
void SetFrameCounts(TSkinElements& elements);

// With both SunkEdge and ComboButton: draws the edit frame with its drop-down button for each
// SunkEdge frame into one strip, which becomes ComboButton's image, and its mirror image SunkEdge's.
void MakeComboImages(TSkinElements& elements);

// ComboArrow: the drop-down button squares of those strips, or without SunkEdge the ComboButton
// strip with magenta replaced by the button face.
void MakeComboArrow(TSkinElements& elements);

// ToolbarFace: a 10 x 40 vertical gradient from a light face to a shade of the frame colour.
void MakeToolbarFace(TSkinElements& elements);
