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

}  // namespace gallery
