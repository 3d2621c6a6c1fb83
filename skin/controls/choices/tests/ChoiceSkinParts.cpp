#include "ChoiceSkinParts.h"

#include <sstream>

namespace choice_test {

COLORREF CheckColour(int frame) { return RGB(200, 10 * frame, 30); }
COLORREF RadioColour(int frame) { return RGB(30, 200, 10 * frame); }
COLORREF EdgeColour(int frame) { return RGB(40 + 30 * frame, 60, 220); }
COLORREF ExtraColour(int frame) { return RGB(230, 230, 20 * frame); }

skin_test::SolidSkinOptions ChoiceSkin(const ChoicePartsOptions& parts) {
  skin_test::SolidSkinOptions options;
  std::ostringstream d;
  d << "[Buttons]\n";
  if (parts.checkFrames > 0) d << "CheckButton=check.bmp\nCheckButtonFrame=" << parts.checkFrames << "\n";
  if (parts.radioFrames > 0) d << "RadioButton=radio.bmp\nRadioButtonFrame=" << parts.radioFrames << "\n";
  if (parts.statusBarEdges)
    d << "[StatusBarEdges]\nImage=edges.bmp\nLeftWidth=2\nRightWidth=2\nTopHeight=2\nBottomHeight=2\nNormalColour2="
      << int(GetRValue(EdgeTextColour)) << " " << int(GetGValue(EdgeTextColour)) << " " << int(GetBValue(EdgeTextColour)) << "\n";
  if (parts.extraImages) d << "[ExtraImages]\nImage=extra.bmp\n";
  options.extraDescription = d.str();
  if (parts.checkFrames > 0)
    options.extraMembers.emplace_back("check.bmp", skin_test::SolidStrip(BoxSize, BoxSize, parts.checkFrames, false, CheckColour));
  if (parts.radioFrames > 0)
    options.extraMembers.emplace_back("radio.bmp", skin_test::SolidStrip(BoxSize, BoxSize, parts.radioFrames, false, RadioColour));
  if (parts.statusBarEdges) options.extraMembers.emplace_back("edges.bmp", skin_test::SolidStrip(12, 12, 3, false, EdgeColour));
  if (parts.extraImages) options.extraMembers.emplace_back("extra.bmp", skin_test::SolidStrip(10, 10, 5, false, ExtraColour));
  return options;
}

}  // namespace choice_test
