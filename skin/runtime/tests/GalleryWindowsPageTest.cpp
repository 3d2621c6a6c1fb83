// The gallery's Windows page under a component serving every form: its MDI window comes up skinned
// with its two children, and the page's controls carry their pop-up menu.
#include "ExtCtrls.h"
#include "MainFormProgram.h"
#include "Menus.h"
#include "WindowsPage.h"
#include "GalleryPages.h"
#include "ToolkitWindowsSkin.h"

using namespace skin_test;

TEST_F(MainFormProgram, TheGallerysMdiWindowOpensSkinnedWithTwoSkinnedChildren) {
  tk::TForm* main = NewForm("Gallery", 20, 20, 760, 440);
  AddSkinData(main, TSkinFormType::sfMainform, true, WindowsSkinOptions());
  ShowForm(main);
  ASSERT_TRUE(WaitAttached(main->Handle()));
  tk::TForm* frame = gallery::OpenMdiWindow(main);
  ASSERT_NE(frame, nullptr);
  ASSERT_TRUE(WaitAttached(frame->Handle()));
  EXPECT_EQ(PainterOf(frame->Handle())->FormKind, fkMDIFrame);
  EXPECT_TRUE(PainterOf(frame->Handle())->HasMenuBand());
  ASSERT_EQ(frame->MDIChildCount(), 2);
  for (int i = 0; i < 2; ++i) {
    HWND child = frame->MDIChildren(i)->Handle();
    ASSERT_TRUE(WaitAttached(child)) << i;
    EXPECT_TRUE(HasSkinMetrics(child)) << i;
  }
  // Exactly one of them can be maximised.
  const bool first = (GetWindowLongPtrW(frame->MDIChildren(0)->Handle(), GWL_STYLE) & WS_MAXIMIZEBOX) != 0;
  const bool second = (GetWindowLongPtrW(frame->MDIChildren(1)->Handle(), GWL_STYLE) & WS_MAXIMIZEBOX) != 0;
  EXPECT_NE(first, second);
  tk::TComponent::Free(frame);
  tk::testing::PumpMessages(20);
}

TEST_F(MainFormProgram, TheGallerysWindowsPageGivesItsPanelAndMemoAPopupMenu) {
  tk::TForm* main = NewForm("Gallery", 20, 20, 760, 440);
  gallery::BuildWindowsPage(main, main);
  int withMenu = 0;
  for (tk::TControl* control : main->ControlList())
    if (control->PopupMenu()) ++withMenu;
  EXPECT_EQ(withMenu, 2);
}
