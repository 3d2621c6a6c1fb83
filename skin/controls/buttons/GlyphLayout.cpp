#include "GlyphLayout.h"

#include <algorithm>
#include <cctype>
#include <string>

TGlyphSide GlyphSideOf(std::string_view layout) {
  std::string lower(layout.substr(0, 32));
  std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (lower == "blglyphright") return TGlyphSide::gsRight;
  if (lower == "blglyphtop") return TGlyphSide::gsTop;
  if (lower == "blglyphbottom") return TGlyphSide::gsBottom;
  return TGlyphSide::gsLeft;
}

RECT CaptionMeasureBox(int width, int height, int glyphWidth, int glyphHeight, TGlyphSide side) {
  RECT box{2, 2, width - 2, height - 2};
  if (side == TGlyphSide::gsLeft || side == TGlyphSide::gsRight) box.right -= glyphWidth + 2;
  else box.bottom -= glyphHeight + 2;
  return box;
}

TGlyphLayout LayOutGlyphAndText(const TGlyphLayoutInput& in) {
  TGlyphLayout out;
  const bool horizontal = in.side == TGlyphSide::gsLeft || in.side == TGlyphSide::gsRight;
  const int gw = in.glyphWidth, gh = in.glyphHeight, tw = in.textWidth, th = in.textHeight;
  // Sizes along the main axis (across the glyph and the caption) and across it.
  const int length = horizontal ? in.width : in.height;
  const int glyphLength = horizontal ? gw : gh;
  const int textLength = horizontal ? tw : th;

  int margin = in.margin, spacing = in.spacing;
  if (tw == 0 || gw == 0) spacing = 0;
  if (margin == -1 || in.centred) {
    if (spacing == -1) {
      margin = (length - (glyphLength + textLength)) / 3;
      spacing = margin;
    } else {
      margin = (length - (glyphLength + spacing + textLength)) / 2 + (in.speedButton ? 1 : 0);
    }
  } else if (spacing == -1) {
    spacing = ((length - (margin + glyphLength)) - textLength) / 2;
  }
  out.margin = margin;
  out.spacing = spacing;

  if (horizontal) {
    out.glyph.y = (in.height - gh + 1) / 2;
    out.text.y = (in.height - th + 1) / 2;
  } else {
    out.glyph.x = (in.width - gw + 1) / 2;
    out.text.x = (in.width - tw + 1) / 2;
  }
  switch (in.side) {
    case TGlyphSide::gsLeft:
      out.glyph.x = margin;
      out.text.x = margin + gw + spacing;
      break;
    case TGlyphSide::gsRight:
      out.glyph.x = in.width - margin - gw;
      out.text.x = out.glyph.x - spacing - tw;
      out.format |= DT_RIGHT;
      break;
    case TGlyphSide::gsTop:
      out.glyph.y = margin;
      out.text.y = margin + gh + spacing;
      out.format |= DT_CENTER;
      break;
    case TGlyphSide::gsBottom:
      out.glyph.y = in.height - margin - gh;
      out.text.y = out.glyph.y - spacing - th;
      out.format |= DT_CENTER;
      break;
  }
  return out;
}
