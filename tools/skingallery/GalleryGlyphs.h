// Small pictures for the gallery's buttons, drawn in code: each on a magenta ground, which the
// buttons take as transparent (the bottom-left pixel).
#pragma once

#include <memory>

namespace tk {
class TBitmap;
}

namespace gallery {

enum class TGlyph { Open, Camera, Back, Forward, Info, Stop, Tick, Bold, Italic, Underline, Left, Centre, Right };

// A 16 x 16 glyph.
std::unique_ptr<tk::TBitmap> MakeGlyph(TGlyph glyph);
// Two 16 x 16 frames side by side: the glyph, then its greyed look for a disabled button.
std::unique_ptr<tk::TBitmap> MakeGlyphStrip(TGlyph glyph);

// Gives a bit button or speed button the glyph with its disabled frame.
template <class Button>
void GiveGlyph(Button& button, TGlyph glyph) {
  button.SetGlyph(MakeGlyphStrip(glyph).get());
  button.SetNumGlyphs(2);
}

}  // namespace gallery
