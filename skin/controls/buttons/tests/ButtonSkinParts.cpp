#include "ButtonSkinParts.h"

namespace button_test {

COLORREF ButtonFrameColour(int frame) {
  switch (frame) {
    case 1: return RGB(180, 30, 30);
    case 2: return RGB(30, 160, 30);
    case 3: return RGB(30, 30, 170);
    case 4: return RGB(190, 170, 20);
    case 5: return RGB(20, 150, 160);
    default: return RGB(0, 0, 0);
  }
}

skin_test::SolidSkinOptions ButtonSkinOptions() {
  skin_test::SolidSkinOptions options;
  options.extraDescription =
      "[Buttons]\nBitmap=buttons.bmp\nLeftWidth=2\nRightWidth=2\nTopHeight=2\nBottomHeight=2\nTrans=0\nTile=0\n";
  options.extraMembers.push_back({"buttons.bmp", skin_test::SolidStrip(12, 12, 5, false, ButtonFrameColour)});
  return options;
}

}  // namespace button_test
