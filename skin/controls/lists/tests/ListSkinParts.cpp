#include "ListSkinParts.h"

#include <sstream>

namespace lists_test {

COLORREF HeaderColour(int frame) { return RGB(20 + 40 * frame, 90, 170); }
COLORREF VertButtonColour(int frame) { return RGB(150, 20 * frame, 60); }
COLORREF VertGlyphColour(int frame) { return RGB(20 * frame, 210, 120); }
COLORREF HorzButtonColour(int frame) { return RGB(60, 150, 20 * frame); }
COLORREF HorzGlyphColour(int frame) { return RGB(240, 20 * frame, 200); }

skin_test::SolidSkinOptions ListSkin(const ListPartsOptions& parts) {
  skin_test::SolidSkinOptions options;
  std::ostringstream d;
  if (parts.headerbar)
    d << "[Headerbar]\nImage=header.bmp\nFrame=5\nLeftWidth=3\nRightWidth=3\nTopHeight=3\nBottomHeight=3\n";
  if (parts.upDownVert) d << "[UpDown.Vert]\nImage=udvert.bmp\nGlyphImage=udvertglyph.bmp\n";
  if (parts.upDownHorz) d << "[UpDown.Horz]\nImage=udhorz.bmp\nGlyphImage=udhorzglyph.bmp\n";
  options.extraDescription = d.str();
  if (parts.headerbar)
    options.extraMembers.emplace_back("header.bmp", skin_test::SolidStrip(HeaderFrameSize, HeaderFrameSize, 5, false, HeaderColour));
  if (parts.upDownVert) {
    options.extraMembers.emplace_back("udvert.bmp", skin_test::SolidStrip(ButtonFrameSize, ButtonFrameSize, 8, false, VertButtonColour));
    options.extraMembers.emplace_back("udvertglyph.bmp", skin_test::SolidStrip(GlyphSize, GlyphSize, 8, false, VertGlyphColour));
  }
  if (parts.upDownHorz) {
    options.extraMembers.emplace_back("udhorz.bmp", skin_test::SolidStrip(ButtonFrameSize, ButtonFrameSize, 8, false, HorzButtonColour));
    options.extraMembers.emplace_back("udhorzglyph.bmp", skin_test::SolidStrip(GlyphSize, GlyphSize, 8, false, HorzGlyphColour));
  }
  return options;
}

}  // namespace lists_test
