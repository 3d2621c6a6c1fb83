// The elements the tab painters draw from, for the solid test skin. Each Tabs frame has an outer
// half (the rows away from the pane: the top half of the picture) and an inner half, each of its
// own colour, so a pixel tells the frame and whether the picture was flipped or turned. The pane
// picture's top rows (the edge facing the tabs) have a colour of their own too.
#pragma once

#include <windows.h>

#include "SolidSkin.h"

namespace tab_test {

constexpr int TabFrameSize = 20;
constexpr int PaneSize = 30;
constexpr int PaneEdgeRows = 5;  // the pane's fixed top rows when the Tabs Style is 0

struct TabPartsOptions {
  bool tabs = true;
  bool buttons = true;
};

COLORREF TabOuterColour(int frame);
COLORREF TabInnerColour(int frame);
COLORREF PaneEdgeColour();
COLORREF PaneColour();
COLORREF ButtonColour(int frame);
constexpr COLORREF TabTextColour = RGB(250, 250, 0);
constexpr COLORREF FocusedTabTextColour = RGB(0, 250, 250);

skin_test::SolidSkinOptions TabSkin(const TabPartsOptions& parts = {});

}  // namespace tab_test
