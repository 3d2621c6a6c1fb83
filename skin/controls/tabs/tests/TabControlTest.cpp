// Page and tab controls: tabs from the Tabs element on each side (flipped for the bottom, turned
// for left and right), the focused tab in frame 2, the pane around the display area, bare tab
// windows, the scroll arrows of a crowded strip, and a skin without a Tabs element.
#include <windows.h>
#include <commctrl.h>

#include "SkinTab.h"
#include "StdCtrls.h"
#include "TabFixture.h"

using namespace tab_test;

namespace {

class TabControlTest : public TabTest {};

TEST_F(TabControlTest, TopTabsShowTheirFramesAndThePaneAroundTheSheet) {
  Start();
  auto* pages = Pages(3);
  ASSERT_NE(SkinAs(TPainterKind::pkPageControl, pages), nullptr);
  HWND wnd = pages->Handle();
  RepaintNow(wnd);
  const RECT tab1 = ItemRect(wnd, 1);
  EXPECT_EQ(At(wnd, tab1.left + 3, tab1.top + 3), TabOuterColour(1));
  EXPECT_EQ(At(wnd, tab1.left + 3, tab1.bottom - 3), TabInnerColour(1));
  // The selected (focused) tab takes frame 2.
  const RECT tab0 = ItemRect(wnd, 0);
  EXPECT_EQ(At(wnd, tab0.left + 3, tab0.top + 3), TabOuterColour(2));
  const RECT area = Adjusted(wnd);
  const int midY = (area.top + area.bottom) / 2, midX = (area.left + area.right) / 2;
  EXPECT_EQ(At(wnd, midX, area.top - 2), PaneEdgeColour());
  EXPECT_EQ(At(wnd, area.left - 2, midY), PaneColour());
  EXPECT_EQ(At(wnd, area.right + 1, midY), PaneColour());
}

TEST_F(TabControlTest, BottomTabsAndPaneAreFlipped) {
  Start();
  auto* pages = Pages(3, tk::TTabPosition::tpBottom);
  auto* painter = dynamic_cast<TSkinTab*>(SkinAs(TPainterKind::pkPageControl, pages));
  ASSERT_NE(painter, nullptr);
  EXPECT_EQ(painter->TabSide, TSkinTab::tsBottom);
  HWND wnd = pages->Handle();
  RepaintNow(wnd);
  const RECT tab1 = ItemRect(wnd, 1);
  ASSERT_GT(tab1.top, Adjusted(wnd).bottom - 4);
  EXPECT_EQ(At(wnd, tab1.left + 3, tab1.bottom - 3), TabOuterColour(1));
  EXPECT_EQ(At(wnd, tab1.left + 3, tab1.top + 3), TabInnerColour(1));
  const RECT area = Adjusted(wnd);
  EXPECT_EQ(At(wnd, (area.left + area.right) / 2, area.bottom + 1), PaneEdgeColour());
  EXPECT_EQ(At(wnd, (area.left + area.right) / 2, area.top - 2), PaneColour());
}

TEST_F(TabControlTest, LeftTabsAndPaneAreTurnedForALeftStrip) {
  Start();
  auto* pages = Pages(3, tk::TTabPosition::tpLeft);
  auto* painter = dynamic_cast<TSkinTab*>(SkinAs(TPainterKind::pkPageControl, pages));
  ASSERT_NE(painter, nullptr);
  EXPECT_EQ(painter->TabSide, TSkinTab::tsLeft);
  HWND wnd = pages->Handle();
  RepaintNow(wnd);
  const RECT tab1 = ItemRect(wnd, 1);
  EXPECT_EQ(At(wnd, tab1.left + 3, tab1.top + 4), TabOuterColour(1));
  EXPECT_EQ(At(wnd, tab1.right - 4, tab1.top + 4), TabInnerColour(1));
  const RECT area = Adjusted(wnd);
  EXPECT_EQ(At(wnd, area.left - 2, (area.top + area.bottom) / 2), PaneEdgeColour());
  EXPECT_EQ(At(wnd, area.right + 1, (area.top + area.bottom) / 2), PaneColour());
}

TEST_F(TabControlTest, RightTabsAndPaneAreTurnedForARightStrip) {
  Start();
  auto* pages = Pages(3, tk::TTabPosition::tpRight);
  auto* painter = dynamic_cast<TSkinTab*>(SkinAs(TPainterKind::pkPageControl, pages));
  ASSERT_NE(painter, nullptr);
  EXPECT_EQ(painter->TabSide, TSkinTab::tsRight);
  HWND wnd = pages->Handle();
  RepaintNow(wnd);
  const RECT tab1 = ItemRect(wnd, 1);
  EXPECT_EQ(At(wnd, tab1.right - 4, tab1.top + 4), TabOuterColour(1));
  EXPECT_EQ(At(wnd, tab1.left + 3, tab1.top + 4), TabInnerColour(1));
  const RECT area = Adjusted(wnd);
  EXPECT_EQ(At(wnd, area.right + 1, (area.top + area.bottom) / 2), PaneEdgeColour());
  EXPECT_EQ(At(wnd, area.left - 2, (area.top + area.bottom) / 2), PaneColour());
}

TEST_F(TabControlTest, SelectingAnotherTabMovesFrameTwo) {
  Start();
  auto* pages = Pages(3);
  ASSERT_NE(SkinAs(TPainterKind::pkPageControl, pages), nullptr);
  HWND wnd = pages->Handle();
  pages->SetActivePageIndex(2);
  RepaintNow(wnd);
  const RECT tab0 = ItemRect(wnd, 0), tab2 = ItemRect(wnd, 2);
  EXPECT_EQ(At(wnd, tab0.left + 3, tab0.top + 3), TabOuterColour(1));
  EXPECT_EQ(At(wnd, tab2.left + 3, tab2.top + 3), TabOuterColour(2));
  EXPECT_TRUE(pages->Pages(2)->Visible());
  EXPECT_FALSE(pages->Pages(0)->Visible());
}

TEST_F(TabControlTest, BareTabWindowIsPaintedByHandle) {
  Start();
  HWND wnd = CreateWindowExW(0, WC_TABCONTROLW, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 10, 250, 300, 120, Wnd(),
                             nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(wnd, nullptr);
  for (int i = 0; i < 3; ++i) {
    wchar_t text[] = L"Tab";
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    SendMessageW(wnd, TCM_INSERTITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
  }
  ASSERT_NE(SkinWindow(TPainterKind::pkTab, wnd), nullptr);
  RepaintNow(wnd);
  const RECT tab1 = ItemRect(wnd, 1);
  EXPECT_EQ(At(wnd, tab1.left + 3, tab1.top + 3), TabOuterColour(1));
  EXPECT_EQ(SendMessageW(wnd, SKM_ISSKINNED, 0, 0), 1);
  DestroyWindow(wnd);
}

TEST_F(TabControlTest, CrowdedStripKeepsItsScrollArrowsAndPaintsTheTabs) {
  Start();
  auto* tabs = new tk::TTabControl(form);
  tabs->SetParent(form);
  tabs->SetBounds(10, 10, 200, 120);
  for (int i = 0; i < 12; ++i) tabs->Tabs().Add("Crowded tab " + std::to_string(i));
  HWND wnd = tabs->Handle();
  ASSERT_NE(SkinAs(TPainterKind::pkTab, tabs), nullptr);
  RepaintNow(wnd);
  HWND arrows = FindWindowExW(wnd, nullptr, UPDOWN_CLASSW, nullptr);
  ASSERT_NE(arrows, nullptr);
  EXPECT_TRUE(IsWindowVisible(arrows));
  const RECT tab1 = ItemRect(wnd, 1);
  EXPECT_EQ(At(wnd, tab1.left + 3, tab1.top + 3), TabOuterColour(1));
  // The arrows are not covered by the strip.
  RECT r{};
  GetWindowRect(arrows, &r);
  MapWindowPoints(nullptr, wnd, reinterpret_cast<POINT*>(&r), 2);
  const COLORREF underArrows = At(wnd, r.left + 2, (r.top + r.bottom) / 2);
  EXPECT_NE(underArrows, TabOuterColour(1));
  EXPECT_NE(underArrows, TabInnerColour(1));
}

TEST_F(TabControlTest, WithoutTabsElementNoPainterAndTheControlPaintsItself) {
  Start(TabPartsOptions{false, true});
  auto* pages = Pages(3);
  EXPECT_EQ(SkinAs(TPainterKind::pkPageControl, pages), nullptr);
  auto* tabs = new tk::TTabControl(form);
  tabs->SetParent(form);
  tabs->Tabs().Add("One");
  EXPECT_EQ(SkinAs(TPainterKind::pkTab, tabs), nullptr);
  HWND wnd = pages->Handle();
  RepaintNow(wnd);
  const RECT tab1 = ItemRect(wnd, 1);
  const COLORREF c = At(wnd, tab1.left + 3, tab1.top + 3);
  for (int frame = 1; frame <= 5; ++frame) EXPECT_NE(c, TabOuterColour(frame));
  EXPECT_EQ(SendMessageW(wnd, SKM_ISSKINNED, 0, 0), 0);
}

}  // namespace

namespace {

TEST_F(TabControlTest, RepaintsAndTabSwitchesLeaveHandleCountsFlat) {
  Start();
  tk::TPageControl* sides[] = {Pages(3, tk::TTabPosition::tpTop, 10, 10, 240, 180),
                               Pages(3, tk::TTabPosition::tpBottom, 260, 10, 240, 180),
                               Pages(3, tk::TTabPosition::tpLeft, 10, 200, 240, 180),
                               Pages(3, tk::TTabPosition::tpRight, 260, 200, 240, 180)};
  for (tk::TPageControl* pages : sides) {
    pages->SetTag(TSkinTab::CloseMarksTag);
    ASSERT_NE(SkinAs(TPainterKind::pkPageControl, pages), nullptr);
  }
  auto cycle = [&](int i) {
    for (tk::TPageControl* pages : sides) {
      pages->SetActivePageIndex(i % 3);
      RedrawWindow(pages->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    }
  };
  // Every page shown once first: each sheet makes its own window objects when first painted.
  for (int i = 0; i < 3; ++i) cycle(i);
  tk::testing::PumpMessages(20);
  const int gdi = tk::testing::GdiObjectCount();
  const DWORD user = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
  for (int i = 3; i <= 1000; ++i) cycle(i);
  tk::testing::PumpMessages(20);
  EXPECT_EQ(tk::testing::GdiObjectCount(), gdi);
  EXPECT_EQ(GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS), user);
  // 1000 is 1 modulo 3: the second tab is selected everywhere.
  const RECT tab1 = ItemRect(sides[0]->Handle(), 1);
  EXPECT_EQ(At(sides[0]->Handle(), tab1.left + 3, tab1.top + 3), TabOuterColour(2));
}

}  // namespace

namespace {

TEST_F(TabControlTest, PageControlPaintsItsWindowlessChildrenTabControlDoesNot) {
  Start();
  constexpr COLORREF labelColour = RGB(10, 220, 60);
  auto label = [this, labelColour](tk::TWinControl* parent) {
    auto* l = new tk::TLabel(form);
    l->SetParent(parent);
    l->SetTransparent(false);
    l->SetColor(labelColour);
    l->SetCaption("");
    l->SetBounds(parent->Width() - 40, 2, 30, 8);  // in the strip, right of the tabs
    return l;
  };
  auto* pages = Pages(2);
  label(pages);
  ASSERT_NE(SkinAs(TPainterKind::pkPageControl, pages), nullptr);
  auto* tabs = new tk::TTabControl(form);
  tabs->SetParent(form);
  tabs->SetBounds(10, 250, 320, 120);
  tabs->Tabs().Add("One");
  label(tabs);
  ASSERT_NE(SkinAs(TPainterKind::pkTab, tabs), nullptr);
  RepaintNow(pages->Handle());
  RepaintNow(tabs->Handle());
  EXPECT_EQ(At(pages->Handle(), pages->Width() - 30, 5), labelColour);
  EXPECT_EQ(At(tabs->Handle(), tabs->Width() - 30, 5), Face());
}

}  // namespace
