// Opening and closing the gallery leaves nothing behind.
#include "ComCtrls.h"
#include "GalleryFixture.h"
#include "Menus.h"

TEST_F(GalleryTest, OpeningAndClosingTheGalleryFiftyTimesKeepsHandleCountsFlat) {
  // One round first, every page shown: what the platform and the manager make once (fonts, window
  // classes, libraries of the common controls, the hook).
  Open();
  ASSERT_TRUE(skinned);
  for (int page = 0; page < form->PageCount(); ++page) {
    form->ShowPage(page);
    tk::testing::PumpMessages(30);
  }
  Close();
  const int gdi = tk::testing::GdiObjectCount();
  const DWORD user = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
  const int windows = tk::testing::ThreadWindowCount();
  for (int i = 0; i < 50; ++i) {
    Open();
    ASSERT_TRUE(skinned) << i;
    form->ShowPage(i % form->PageCount());
    tk::testing::PumpMessages(10);
    Close();
  }
  EXPECT_EQ(tk::testing::GdiObjectCount(), gdi);
  EXPECT_EQ(GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS), user);
  EXPECT_EQ(tk::testing::ThreadWindowCount(), windows);
}

TEST_F(GalleryTest, TheBookShowsOnePageAtATime) {
  Open();
  for (int i = 0; i < form->PageCount(); ++i) {
    form->ShowPage(i);
    int visible = 0;
    for (int p = 0; p < form->PageCount(); ++p) visible += form->Page(p)->Visible();
    EXPECT_EQ(visible, 1);
    EXPECT_TRUE(form->Page(i)->Visible());
    EXPECT_TRUE(IsWindowVisible(form->Page(i)->Handle()));
    EXPECT_EQ(form->StatusBar()->PanelTextShown(0), "Page: " + form->PageTitle(i));
  }
}

TEST_F(GalleryTest, TheViewMenuChoosesThePageAndMarksIt) {
  Open();
  tk::TMenuItem* view = form->Menu()->Items()->Items(1);
  ASSERT_EQ(view->Count(), form->PageCount());
  for (int i = form->PageCount() - 1; i >= 0; --i) {
    view->Items(i)->Click();
    EXPECT_EQ(form->ActivePage(), i);
    for (int k = 0; k < view->Count(); ++k) EXPECT_EQ(view->Items(k)->Checked(), k == i) << i << " " << k;
  }
}
