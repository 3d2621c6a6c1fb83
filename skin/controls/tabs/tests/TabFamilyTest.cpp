// The other tab painters: sheets in the skin's face colour, old-style tab sets, button-style
// tabs, and the pictures cut for page controls that draw their own tabs.
#include <windows.h>
#include <commctrl.h>

#include "SkinAdvPage.h"
#include "SkinTab31.h"
#include "TabFixture.h"
#include "TabSet.h"

using namespace tab_test;

namespace {

class TabFamilyTest : public TabTest {};

TEST_F(TabFamilyTest, TabSheetIsFilledWithTheSkinsFace) {
  Start();
  auto* pages = Pages(2);
  tk::TTabSheet* sheet = pages->Pages(0);
  ASSERT_NE(SkinAs(TPainterKind::pkTabSheet, sheet), nullptr);
  HWND wnd = sheet->Handle();
  RepaintNow(wnd);
  EXPECT_EQ(At(wnd, 5, 5), Face());
  EXPECT_EQ(At(wnd, sheet->Width() / 2, sheet->Height() / 2), Face());
}

TEST_F(TabFamilyTest, TabSetDrawsTheSelectedTabInFrameTwoUpsideDown) {
  Start();
  auto* set = new tk::TTabSet(form);
  set->SetParent(form);
  set->SetBounds(10, 300, 300, 24);
  for (const char* caption : {"One", "Two", "Three"}) set->Tabs().Add(caption);
  set->SetTabIndex(1);
  HWND wnd = set->Handle();
  auto* painter = dynamic_cast<TSkinTab31*>(SkinAs(TPainterKind::pkTab31, set));
  ASSERT_NE(painter, nullptr);
  EXPECT_EQ(painter->Scroller, set->Scroller());
  RepaintNow(wnd);
  const RECT tab0 = set->TabRect(0), tab1 = set->TabRect(1);
  ASSERT_GT(tab1.right, tab1.left);
  // Turned upside down: the outer half hangs at the bottom.
  EXPECT_EQ(At(wnd, tab1.left + 2, 2), TabInnerColour(2));
  EXPECT_EQ(At(wnd, tab1.left + 2, set->Height() - 3), TabOuterColour(2));
  EXPECT_EQ(At(wnd, tab0.left + 2, set->Height() - 3), TabOuterColour(1));
  // Left of the first tab: the face.
  EXPECT_EQ(At(wnd, 1, set->Height() / 2), Face());
}

TEST_F(TabFamilyTest, TabSetShowsItsScrollerWhenTabsDoNotFit) {
  Start();
  auto* set = new tk::TTabSet(form);
  set->SetParent(form);
  set->SetBounds(10, 300, 150, 24);
  set->Handle();
  for (int i = 0; i < 10; ++i) set->Tabs().Add("Tab number " + std::to_string(i));
  EXPECT_TRUE(set->Scroller()->Visible());
  ASSERT_NE(SkinAs(TPainterKind::pkTab31, set), nullptr);
  RepaintNow(set->Handle());
  // The arrows move the first visible tab.
  set->SetFirstIndex(2);
  EXPECT_EQ(::GetIntProp(set, "FirstIndex"), 2);
}

TEST_F(TabFamilyTest, ButtonTabsAreDrawnFromTheButtonsElement) {
  Start();
  auto* tabs = new tk::TTabControl(form);
  tabs->SetParent(form);
  tabs->SetBounds(10, 10, 300, 100);
  tabs->SetStyle(tk::TTabStyle::tsButtons);
  for (const char* caption : {"One", "Two", "Three"}) tabs->Tabs().Add(caption);
  HWND wnd = tabs->Handle();
  ASSERT_NE(GetWindowLongW(wnd, GWL_STYLE) & TCS_BUTTONS, 0);
  ASSERT_NE(SkinAs(TPainterKind::pkTabBtn, tabs), nullptr);
  RepaintNow(wnd);
  const RECT tab0 = ItemRect(wnd, 0), tab1 = ItemRect(wnd, 1);
  EXPECT_EQ(At(wnd, tab1.left + 3, tab1.top + 4), ButtonColour(1));
  EXPECT_EQ(At(wnd, tab0.left + 3, tab0.top + 4), ButtonColour(2));
}

TEST_F(TabFamilyTest, ButtonTabsNeedAButtonsPicture) {
  Start(TabPartsOptions{true, false});
  auto* tabs = new tk::TTabControl(form);
  tabs->SetParent(form);
  tabs->SetStyle(tk::TTabStyle::tsButtons);
  tabs->Tabs().Add("One");
  EXPECT_EQ(SkinAs(TPainterKind::pkTabBtn, tabs), nullptr);
}

TEST_F(TabFamilyTest, AdvancedPageControlGetsItsTabPicturesCutAndClearedAgain) {
  Start();
  auto* pages = new tk::TAdvPageControl(form);
  pages->SetParent(form);
  pages->SetBounds(10, 10, 300, 200);
  auto* sheet = new tk::TTabSheet(form);
  sheet->SetCaption("Only");
  sheet->SetPageControl(pages);
  pages->HandleNeeded();
  TSkinControl* painter = SkinAs(TPainterKind::pkAdvPage, pages);
  ASSERT_NE(painter, nullptr);
  EXPECT_EQ(painter->Mode, TSkinAdvPage::PictureStyle);
  ASSERT_EQ(pages->TabBackGround()->Width(), TSkinAdvPage::PictureWidth);
  ASSERT_EQ(pages->TabBackGround()->Height(), TSkinAdvPage::PictureHeight);
  EXPECT_EQ(pages->TabBackGround()->PixelAt(5, 2), TabOuterColour(1));
  EXPECT_EQ(pages->TabBackGround()->PixelAt(5, 18), TabInnerColour(1));
  EXPECT_EQ(pages->TabBackGroundActive()->PixelAt(5, 2), TabOuterColour(2));
  painter->Unskin();
  EXPECT_TRUE(pages->TabBackGround()->Empty());
  EXPECT_TRUE(pages->TabBackGroundActive()->Empty());
}

}  // namespace
