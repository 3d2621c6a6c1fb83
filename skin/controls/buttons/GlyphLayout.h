// Where a button puts its glyph and its caption: margins and spacing worked out from the sizes,
// along the axis the layout names. Pure arithmetic, shared by the bit and speed button painters.
#pragma once

#include <windows.h>

#include <string_view>

enum class TGlyphSide { gsLeft, gsRight, gsTop, gsBottom };

// From the control's Layout identifier ("blGlyphRight" ...), any case; anything else is left.
TGlyphSide GlyphSideOf(std::string_view layout);

struct TGlyphLayoutInput {
  int width = 0, height = 0;            // the work rectangle
  int glyphWidth = 0, glyphHeight = 0;  // 0 x 0: no glyph
  int textWidth = 0, textHeight = 0;    // 0 x 0: no caption
  int margin = -1, spacing = -1;        // -1: worked out
  TGlyphSide side = TGlyphSide::gsLeft;
  bool centred = false;                 // the control's Alignment is centred: margin worked out
  bool speedButton = false;             // a given spacing centres one pixel further in
};

struct TGlyphLayout {
  POINT glyph{};
  POINT text{};
  int margin = 0, spacing = 0;
  UINT format = DT_WORDBREAK;  // DrawText flags for the caption
};

TGlyphLayout LayOutGlyphAndText(const TGlyphLayoutInput& in);

// The box a caption is measured in: the client inset by 2, less the glyph's room on its side.
RECT CaptionMeasureBox(int width, int height, int glyphWidth, int glyphHeight, TGlyphSide side);
