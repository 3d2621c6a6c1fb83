#include "TabSkinParts.h"

#include <sstream>

#include "SkinPixels.h"

namespace tab_test {

COLORREF TabOuterColour(int frame) { return RGB(20 + 40 * frame, 200, 120); }
COLORREF TabInnerColour(int frame) { return RGB(20 + 40 * frame, 90, 240); }
COLORREF PaneEdgeColour() { return RGB(240, 120, 10); }
COLORREF PaneColour() { return RGB(120, 10, 160); }
COLORREF ButtonColour(int frame) { return RGB(250, 20 + 40 * frame, 180); }

namespace {

std::string Rgb(COLORREF c) {
  std::ostringstream s;
  s << int(GetRValue(c)) << " " << int(GetGValue(c)) << " " << int(GetBValue(c));
  return s.str();
}

}  // namespace

skin_test::SolidSkinOptions TabSkin(const TabPartsOptions& parts) {
  skin_test::SolidSkinOptions options;
  std::ostringstream d;
  if (parts.tabs) {
    d << "[Tabs]\nImage=tabs.bmp\nBorder=pane.bmp\nStyle=0\nLeftWidth=0\nTopHeight=0\nRightWidth=0\nBottomHeight=0\n"
         "Trans=0\nTile=0\nNormalColour2="
      << Rgb(TabTextColour) << "\nMouseOverColour2=" << Rgb(FocusedTabTextColour) << "\n";
    options.extraMembers.emplace_back("tabs.bmp", skin_test::BmpBytes(TabFrameSize * 5, TabFrameSize, [](int x, int y) {
      const int frame = x / TabFrameSize + 1;
      return y < TabFrameSize / 2 ? TabOuterColour(frame) : TabInnerColour(frame);
    }));
    options.extraMembers.emplace_back("pane.bmp", skin_test::BmpBytes(PaneSize, PaneSize, [](int, int y) {
      return y < PaneEdgeRows ? PaneEdgeColour() : PaneColour();
    }));
  }
  if (parts.buttons) {
    d << "[Buttons]\nBitmap=tabbuttons.bmp\nLeftWidth=2\nRightWidth=2\nTopHeight=2\nBottomHeight=2\nTrans=0\nTile=0\n";
    options.extraMembers.emplace_back("tabbuttons.bmp", skin_test::SolidStrip(16, 16, 5, false, ButtonColour));
  }
  options.extraDescription = d.str();
  return options;
}

}  // namespace tab_test
