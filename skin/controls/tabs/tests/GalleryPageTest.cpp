// The gallery's tabs page on a form skinned before its controls are visited: the mapping gives
// every tab control, page control, sheet and tab set its painter.
#include <windows.h>

#include "GalleryPages.h"
#include "TabFixture.h"
#include "TabSet.h"

namespace {

class TabsGalleryPageTest : public TabTest {};

TEST_F(TabsGalleryPageTest, EveryControlOfThePageIsSkinned) {
  beforeSkin = [](tk::TForm& f) { gallery::BuildTabsPage(&f, &f); };
  Start();
  int strips = 0, sheets = 0, sets = 0;
  for (int i = 0; i < form->ComponentCount(); ++i) {
    auto* control = dynamic_cast<tk::TWinControl*>(form->Components(i));
    if (!control) continue;
    const bool strip = dynamic_cast<tk::TCustomTabControl*>(control) != nullptr;
    const bool sheet = dynamic_cast<tk::TTabSheet*>(control) != nullptr;
    const bool set = dynamic_cast<tk::TTabSet*>(control) != nullptr;
    if (!strip && !sheet && !set) continue;
    strips += strip;
    sheets += sheet;
    sets += set;
    EXPECT_EQ(SendMessageW(control->Handle(), SKM_ISSKINNED, 0, 0), 1) << control->ClassName();
  }
  EXPECT_EQ(strips, 10);
  EXPECT_EQ(sheets, 25);
  EXPECT_EQ(sets, 2);
}

}  // namespace
