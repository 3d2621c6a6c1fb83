#include "ScrollSkinParts.h"

namespace scroll_test {

COLORREF StripColour(int frame) { return RGB(200, 10 * frame, 40); }
COLORREF HorzTrackColour(int frame) { return RGB(10, 200, 40 * frame); }
COLORREF VertTrackColour(int frame) { return RGB(40 * frame, 120, 220); }
COLORREF HorzThumbColour(int frame) { return RGB(60 * frame, 60, 90); }
COLORREF VertThumbColour(int frame) { return RGB(90, 60 * frame, 160); }

skin_test::SolidSkinOptions ScrollSkinOptions() {
  skin_test::SolidSkinOptions options;
  const int arrow = GetSystemMetrics(SM_CXHSCROLL);
  options.extraDescription =
      "[Scrollbar]\nImage=scrollbar.bmp\nTrans=1\n"
      "[HorzScroll]\nImage=hscroll.bmp\nTrans=0\nTile=0\n"
      "[VertScroll]\nImage=vscroll.bmp\nTrans=0\nTile=0\n"
      "[HorzScrollThumb]\nImage=hthumb.bmp\nTrans=0\nFrameCount=3\n"
      "[VertScrollThumb]\nImage=vthumb.bmp\nTrans=0\nFrameCount=3\n";
  options.extraMembers = {
      {"scrollbar.bmp", skin_test::SolidStrip(arrow, arrow, 23, false, StripColour)},
      {"hscroll.bmp", skin_test::SolidStrip(8, 8, 4, false, HorzTrackColour)},
      {"vscroll.bmp", skin_test::SolidStrip(8, 8, 4, false, VertTrackColour)},
      {"hthumb.bmp", skin_test::SolidStrip(8, 8, 3, false, HorzThumbColour)},
      {"vthumb.bmp", skin_test::SolidStrip(8, 8, 3, false, VertThumbColour)},
  };
  return options;
}

}  // namespace scroll_test
