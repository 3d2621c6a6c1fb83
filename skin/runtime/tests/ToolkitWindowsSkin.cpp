#include "ToolkitWindowsSkin.h"

namespace skin_test {

namespace {
constexpr int MdiButtonSize = 14;
COLORREF MdiStripColour(int frame) { return MdiButtonColour((frame - 1) / 4, (frame - 1) % 4 + 1); }
}  // namespace

COLORREF MdiButtonColour(int button, int frame) { return RGB(40 + 60 * button, 230, 30 + 50 * frame); }

SolidSkinOptions WindowsSkinOptions() {
  SolidSkinOptions options;
  options.menuBar = true;
  options.extraDescription = "[MDICONTROLS]\nImage=mdicontrols.bmp\n";
  options.extraMembers.push_back({"mdicontrols.bmp", SolidStrip(MdiButtonSize, MdiButtonSize, 12, false, MdiStripColour)});
  return options;
}

}  // namespace skin_test
