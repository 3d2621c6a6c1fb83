// Covers over the system bars of a memo: placed exactly over them, following the memo, forwarding
// clicks so that the memo scrolls, painted from the skin frame by frame.
#include "ScrollFormFixture.h"

namespace {

using scroll_test::StripColour;
using scroll_test::VertThumbColour;
using scroll_test::VertTrackColour;

class ScrollCoverTest : public ScrollFormTest {};

TEST_F(ScrollCoverTest, CoversSitExactlyOverTheSystemBars) {
  MakeScrollForm();
  tk::TMemo* memo = AddMemo(*form, tk::TScrollStyle::ssBoth, RECT{10, 10, 260, 210});
  TSkinScrollbar* painter = SkinScroll(memo);
  ASSERT_NE(painter, nullptr);
  HWND edit = memo->Handle();
  ASSERT_TRUE(painter->VertBar->Shown);
  ASSERT_TRUE(painter->HorzBar->Shown);
  EXPECT_EQ(ScreenRect(painter->VertBar->Window()), SystemBar(edit, OBJID_VSCROLL));
  EXPECT_EQ(ScreenRect(painter->HorzBar->Window()), SystemBar(edit, OBJID_HSCROLL));
  for (HWND cover : {painter->VertBar->Window(), painter->HorzBar->Window()}) {
    EXPECT_TRUE(IsWindowVisible(cover));
    EXPECT_EQ(GetWindowLongPtrW(cover, GWL_EXSTYLE), WS_EX_TOOLWINDOW);
    EXPECT_EQ(GetWindowLongPtrW(cover, GWL_STYLE) & WS_TABSTOP, 0);
    EXPECT_EQ(GetParent(cover), form->Handle());
  }
  // Right above the memo: the two covers, then the memo.
  HWND above = GetWindow(edit, GW_HWNDPREV);
  EXPECT_TRUE(above == painter->VertBar->Window() || above == painter->HorzBar->Window());
  EXPECT_EQ(SendMessageW(painter->VertBar->Window(), SKM_ISSKINNED, 0, 0), 1);
}

TEST_F(ScrollCoverTest, CoversFollowTheMemoWhenItMovesAndSizes) {
  MakeScrollForm();
  tk::TMemo* memo = AddMemo(*form, tk::TScrollStyle::ssBoth, RECT{10, 10, 260, 210});
  TSkinScrollbar* painter = SkinScroll(memo);
  ASSERT_NE(painter, nullptr);
  memo->SetBounds(30, 40, 300, 250);
  tk::testing::PumpMessages(30);
  EXPECT_EQ(ScreenRect(painter->VertBar->Window()), SystemBar(memo->Handle(), OBJID_VSCROLL));
  EXPECT_EQ(ScreenRect(painter->HorzBar->Window()), SystemBar(memo->Handle(), OBJID_HSCROLL));
}

TEST_F(ScrollCoverTest, HidingTheMemoHidesBothCoversAndShowingPlacesThemAgain) {
  MakeScrollForm();
  tk::TMemo* memo = AddMemo(*form, tk::TScrollStyle::ssBoth, RECT{10, 10, 260, 210});
  TSkinScrollbar* painter = SkinScroll(memo);
  ASSERT_NE(painter, nullptr);
  memo->SetVisible(false);
  tk::testing::PumpMessages(20);
  EXPECT_FALSE(IsWindowVisible(painter->VertBar->Window()));
  EXPECT_FALSE(IsWindowVisible(painter->HorzBar->Window()));
  EXPECT_FALSE(painter->VertBar->Shown);
  memo->SetBounds(50, 30, 260, 220);  // moved while hidden
  memo->SetVisible(true);
  tk::testing::PumpMessages(30);
  ASSERT_TRUE(IsWindowVisible(painter->VertBar->Window()));
  ASSERT_TRUE(IsWindowVisible(painter->HorzBar->Window()));
  EXPECT_EQ(ScreenRect(painter->VertBar->Window()), SystemBar(memo->Handle(), OBJID_VSCROLL));
  EXPECT_EQ(ScreenRect(painter->HorzBar->Window()), SystemBar(memo->Handle(), OBJID_HSCROLL));
}

TEST_F(ScrollCoverTest, AMemoWithoutABarGetsNoCoverForIt) {
  MakeScrollForm();
  tk::TMemo* memo = AddMemo(*form, tk::TScrollStyle::ssVertical, RECT{10, 10, 260, 210});
  TSkinScrollbar* painter = SkinScroll(memo);
  ASSERT_NE(painter, nullptr);
  EXPECT_TRUE(painter->VertBar->Shown);
  EXPECT_FALSE(painter->HorzBar->Shown);
  EXPECT_FALSE(painter->HorzBar->Window() && IsWindowVisible(painter->HorzBar->Window()));
}

TEST_F(ScrollCoverTest, ClickOnTheDownArrowScrollsTheMemoByALine) {
  MakeScrollForm();
  tk::TMemo* memo = AddMemo(*form, tk::TScrollStyle::ssBoth, RECT{10, 10, 260, 210});
  TSkinScrollbar* painter = SkinScroll(memo);
  ASSERT_NE(painter, nullptr);
  HWND edit = memo->Handle();
  ASSERT_EQ(FirstVisibleLine(edit), 0);
  const RECT cover = ScreenRect(painter->VertBar->Window());
  const POINT arrow{(cover.left + cover.right) / 2, cover.bottom - ArrowSize() / 2};
  skin_test::MoveMouse(arrow);
  skin_test::LeftDown(arrow);
  skin_test::LeftUp(arrow);
  EXPECT_TRUE(tk::testing::PumpUntil([&] { return FirstVisibleLine(edit) > 0; }, 2000));
  tk::testing::PumpMessages(30);
  EXPECT_GE(FirstVisibleLine(edit), 1);
  EXPECT_LT(FirstVisibleLine(edit), 10);  // a line (or a few of auto-repeat), not a page
  EXPECT_FALSE(painter->VertBar->Pressed);
}

TEST_F(ScrollCoverTest, ClickOnTheTrackScrollsTheMemoByAPage) {
  MakeScrollForm();
  tk::TMemo* memo = AddMemo(*form, tk::TScrollStyle::ssBoth, RECT{10, 10, 260, 210});
  TSkinScrollbar* painter = SkinScroll(memo);
  ASSERT_NE(painter, nullptr);
  HWND edit = memo->Handle();
  const RECT cover = ScreenRect(painter->VertBar->Window());
  const POINT track{(cover.left + cover.right) / 2, cover.bottom - ArrowSize() - 4};
  skin_test::MoveMouse(track);
  skin_test::LeftDown(track);
  skin_test::LeftUp(track);
  EXPECT_TRUE(tk::testing::PumpUntil([&] { return FirstVisibleLine(edit) > 0; }, 2000));
  tk::testing::PumpMessages(30);
  EXPECT_GE(FirstVisibleLine(edit), 5);  // a page of the 200-pixel memo
}

TEST_F(ScrollCoverTest, ClickOnTheRightArrowScrollsSideways) {
  MakeScrollForm();
  tk::TMemo* memo = AddMemo(*form, tk::TScrollStyle::ssBoth, RECT{10, 10, 260, 210});
  TSkinScrollbar* painter = SkinScroll(memo);
  ASSERT_NE(painter, nullptr);
  HWND edit = memo->Handle();
  const RECT cover = ScreenRect(painter->HorzBar->Window());
  const POINT arrow{cover.right - ArrowSize() / 2, (cover.top + cover.bottom) / 2};
  skin_test::MoveMouse(arrow);
  skin_test::LeftDown(arrow);
  skin_test::LeftUp(arrow);
  EXPECT_TRUE(tk::testing::PumpUntil([&] { return GetScrollPos(edit, SB_HORZ) > 0; }, 2000));
}

TEST_F(ScrollCoverTest, ArrowsTrackAndThumbShowTheirFrames) {
  MakeScrollForm();
  tk::TMemo* memo = AddMemo(*form, tk::TScrollStyle::ssBoth, RECT{10, 10, 260, 210});
  TSkinScrollbar* painter = SkinScroll(memo);
  ASSERT_NE(painter, nullptr);
  tk::testing::PumpMessages(30);
  const RECT cover = ScreenRect(painter->VertBar->Window());
  const int a = ArrowSize();
  const int x = cover.left + a / 2;
  EXPECT_EQ(Pixel(POINT{x, cover.top + a / 2}), StripColour(9));
  EXPECT_EQ(Pixel(POINT{x, cover.bottom - a / 2}), StripColour(13));
  EXPECT_EQ(Pixel(POINT{x, cover.bottom - a - 2}), VertTrackColour(1));
  const int thumbStart = painter->VertBar->ThumbStart, thumbEnd = painter->VertBar->ThumbEnd;
  ASSERT_GT(thumbEnd, thumbStart);
  EXPECT_EQ(Pixel(POINT{x, cover.top + thumbStart}), VertThumbColour(1));
  if (thumbEnd - thumbStart >= a + 2) {
    EXPECT_EQ(Pixel(POINT{x, cover.top + (thumbStart + thumbEnd) / 2}), StripColour(20));  // the grip
  }
  const RECT horz = ScreenRect(painter->HorzBar->Window());
  const int y = horz.top + a / 2;
  EXPECT_EQ(Pixel(POINT{horz.left + a / 2, y}), StripColour(1));
  EXPECT_EQ(Pixel(POINT{horz.right - a / 2, y}), StripColour(5));
  EXPECT_EQ(Pixel(POINT{horz.right - a - 2, y}), scroll_test::HorzTrackColour(1));
  // The cell between the two bars in the face colour.
  EXPECT_EQ(Pixel(POINT{cover.left + 2, horz.top + 2}), skin_test::TableColour(scButtonFace));
}

TEST_F(ScrollCoverTest, ArrowUnderTheMouseIsHot) {
  MakeScrollForm();
  tk::TMemo* memo = AddMemo(*form, tk::TScrollStyle::ssBoth, RECT{10, 10, 260, 210});
  TSkinScrollbar* painter = SkinScroll(memo);
  ASSERT_NE(painter, nullptr);
  const RECT cover = ScreenRect(painter->VertBar->Window());
  const POINT arrow{cover.left + ArrowSize() / 2, cover.bottom - ArrowSize() / 2};
  skin_test::MoveMouse(arrow);
  EXPECT_TRUE(tk::testing::PumpUntil([&] { return painter->VertBar->HotPart == spSecondArrow; }, 2000));
  tk::testing::PumpMessages(30);
  EXPECT_EQ(Pixel(arrow), StripColour(16));
  EXPECT_EQ(Pixel(POINT{arrow.x, cover.top + ArrowSize() / 2}), StripColour(9));
  skin_test::MoveMouse(POINT{2, 2});
  EXPECT_TRUE(tk::testing::PumpUntil([&] { return painter->VertBar->HotPart == spNone; }, 2000));
  tk::testing::PumpMessages(30);
  EXPECT_EQ(Pixel(arrow), StripColour(13));
}

TEST_F(ScrollCoverTest, UnavailableBarShowsTheDisabledTrackAndNoThumb) {
  MakeScrollForm();
  tk::TMemo* memo = AddMemo(*form, tk::TScrollStyle::ssBoth, RECT{10, 10, 260, 210});
  TSkinScrollbar* painter = SkinScroll(memo);
  ASSERT_NE(painter, nullptr);
  EnableScrollBar(memo->Handle(), SB_VERT, ESB_DISABLE_BOTH);
  painter->VertBar->Invalidate();
  tk::testing::PumpMessages(30);
  const RECT cover = ScreenRect(painter->VertBar->Window());
  const int x = cover.left + ArrowSize() / 2;
  EXPECT_EQ(Pixel(POINT{x, cover.bottom - ArrowSize() - 2}), VertTrackColour(3));
  EXPECT_EQ(Pixel(POINT{x, cover.top + ArrowSize() + 1}), VertTrackColour(3));  // where the thumb was
}

TEST_F(ScrollCoverTest, BarShorterThanTwoArrowsSharesItBetweenThem) {
  MakeScrollForm();
  const int a = ArrowSize();
  // Border 2 + bar (2a - 6) + border 2.
  tk::TMemo* memo = AddMemo(*form, tk::TScrollStyle::ssVertical, RECT{10, 10, 200, 10 + 2 * a - 2});
  TSkinScrollbar* painter = SkinScroll(memo);
  ASSERT_NE(painter, nullptr);
  ASSERT_TRUE(painter->VertBar->Shown);
  const RECT cover = ScreenRect(painter->VertBar->Window());
  const int length = cover.bottom - cover.top;
  ASSERT_LT(length, 2 * a);
  const int x = cover.left + a / 2;
  for (int y = 0; y < length / 2; ++y) EXPECT_EQ(Pixel(POINT{x, cover.top + y}), StripColour(9)) << "at " << y;
  for (int y = length - length / 2; y < length; ++y) EXPECT_EQ(Pixel(POINT{x, cover.top + y}), StripColour(13)) << "at " << y;
}

TEST_F(ScrollCoverTest, NewWindowOfTheMemoGetsANewPainterWithCovers) {
  MakeScrollForm();
  tk::TMemo* memo = AddMemo(*form, tk::TScrollStyle::ssBoth, RECT{10, 10, 260, 210});
  TSkinScrollbar* painter = SkinScroll(memo);
  ASSERT_NE(painter, nullptr);
  HWND oldWindow = memo->Handle();
  memo->SetScrollBars(tk::TScrollStyle::ssVertical);  // makes a new window
  tk::testing::PumpMessages(50);
  HWND newWindow = memo->Handle();
  ASSERT_NE(newWindow, oldWindow);
  auto* again = dynamic_cast<TSkinScrollbar*>(Painter()->PainterOf(newWindow));
  ASSERT_NE(again, nullptr);
  EXPECT_TRUE(again->VertBar->Shown);
  EXPECT_FALSE(again->HorzBar->Shown);
  EXPECT_EQ(ScreenRect(again->VertBar->Window()), SystemBar(newWindow, OBJID_VSCROLL));
  // The old covers went with the old painter.
  int covers = 0;
  for (HWND child = GetWindow(form->Handle(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    wchar_t name[64] = {};
    GetClassNameW(child, name, 64);
    if (std::wstring(name) == L"TolvaneScrollCover") ++covers;
  }
  EXPECT_LE(covers, 2);
  int scrollPainters = 0;
  for (TSkinControl* p : Painter()->PainterList())
    if (dynamic_cast<TSkinScrollbar*>(p)) ++scrollPainters;
  EXPECT_EQ(scrollPainters, 1);
}

TEST_F(ScrollCoverTest, BorderIsDrawnInSkinColours) {
  MakeScrollForm();
  tk::TMemo* memo = AddMemo(*form, tk::TScrollStyle::ssBoth, RECT{10, 10, 260, 210});
  TSkinScrollbar* painter = SkinScroll(memo);
  ASSERT_NE(painter, nullptr);
  EXPECT_TRUE(painter->DrawBorder);
  RedrawWindow(memo->Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  tk::testing::PumpMessages(30);
  const RECT r = ScreenRect(memo->Handle());
  EXPECT_EQ(Pixel(POINT{r.left + 40, r.top}), skin_test::TableColour(scButtonShadow));
  EXPECT_EQ(Pixel(POINT{r.left + 40, r.top + 1}), skin_test::TableColour(scButtonFace));
}

TEST_F(ScrollCoverTest, SingleModeDrawsNoBorder) {
  MakeScrollForm();
  tk::TMemo* memo = AddMemo(*form, tk::TScrollStyle::ssBoth, RECT{10, 10, 260, 210});
  TSkinScrollbar* painter = SkinScroll(memo, TPainterKind::pkScrollbarSingle);
  ASSERT_NE(painter, nullptr);
  EXPECT_EQ(painter->Mode, 1);
  EXPECT_FALSE(painter->DrawBorder);
}

TEST_F(ScrollCoverTest, ThousandRepaintsLeaveHandleCountsFlat) {
  MakeScrollForm();
  tk::TMemo* memo = AddMemo(*form, tk::TScrollStyle::ssBoth, RECT{10, 10, 260, 210});
  TSkinScrollbar* painter = SkinScroll(memo);
  ASSERT_NE(painter, nullptr);
  for (int i = 0; i < 20; ++i) RedrawWindow(memo->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
  tk::testing::PumpMessages(20);
  const int gdi = tk::testing::GdiObjectCount();
  const int windows = tk::testing::ThreadWindowCount();
  const int64_t paintsBefore = TWScrollbar::PaintCount;
  for (int i = 0; i < 1000; ++i) {
    RedrawWindow(memo->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
    UpdateWindow(painter->VertBar->Window());
    UpdateWindow(painter->HorzBar->Window());
  }
  tk::testing::PumpMessages(20);
  EXPECT_GE(TWScrollbar::PaintCount - paintsBefore, 1000);
  EXPECT_EQ(tk::testing::GdiObjectCount(), gdi);
  EXPECT_EQ(tk::testing::ThreadWindowCount(), windows);
}

TEST_F(ScrollCoverTest, FreeingThePainterTakesItsCoversAndLeavesTheMemoWorking) {
  MakeScrollForm();
  tk::TMemo* memo = AddMemo(*form, tk::TScrollStyle::ssBoth, RECT{10, 10, 260, 210});
  const int windows = tk::testing::ThreadWindowCount();
  TSkinScrollbar* painter = SkinScroll(memo);
  ASSERT_NE(painter, nullptr);
  EXPECT_EQ(tk::testing::ThreadWindowCount(), windows + 2);
  tk::TComponent::Free(painter);
  tk::testing::PumpMessages(20);
  EXPECT_EQ(tk::testing::ThreadWindowCount(), windows);
  SendMessageW(memo->Handle(), WM_VSCROLL, SB_LINEDOWN, 0);
  EXPECT_EQ(FirstVisibleLine(memo->Handle()), 1);
}

TEST_F(ScrollCoverTest, FreeingTheMemoTakesThePainterAndItsCovers) {
  MakeScrollForm();
  const int windows = tk::testing::ThreadWindowCount();
  tk::TMemo* memo = AddMemo(*form, tk::TScrollStyle::ssBoth, RECT{10, 10, 260, 210});
  ASSERT_NE(SkinScroll(memo), nullptr);
  tk::TComponent::Free(memo);
  tk::testing::PumpMessages(20);
  EXPECT_EQ(tk::testing::ThreadWindowCount(), windows);
  for (TSkinControl* p : Painter()->PainterList()) EXPECT_EQ(dynamic_cast<TSkinScrollbar*>(p), nullptr);
}

}  // namespace
