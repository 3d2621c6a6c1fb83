// The scroll bar control's cover, the bare window's covers and the drop-down list's bar.
#include "ScrollFormFixture.h"
#include "TComboxScrollBar.h"
#include "TSkinScControl.h"
#include "TSkinScrollbarH.h"

namespace {

using scroll_test::StripColour;
using scroll_test::VertThumbColour;

class ScrollControlTest : public ScrollFormTest {
 protected:
  tk::TScrollBar* AddScrollBar(int max, int page) {
    auto* bar = new tk::TScrollBar(form);
    bar->SetParent(form);
    bar->SetKind(tk::TScrollBarKind::sbVertical);
    bar->SetBounds(300, 10, GetSystemMetrics(SM_CXVSCROLL), 200);
    bar->SetParams(0, 0, max);
    bar->SetPageSize(page);
    return bar;
  }
  TSkinScControl* SkinControl(tk::TScrollBar* bar) {
    auto* painter = dynamic_cast<TSkinScControl*>(SkinControlAs(TPainterKind::pkScControl, bar, Painter(), skin, false, nullptr));
    tk::testing::PumpMessages(30);
    return painter;
  }
};

TEST_F(ScrollControlTest, CoverLiesOverTheWholeControl) {
  MakeScrollForm();
  tk::TScrollBar* bar = AddScrollBar(100, 0);
  TSkinScControl* painter = SkinControl(bar);
  ASSERT_NE(painter, nullptr);
  ASSERT_TRUE(painter->Bar->Shown);
  EXPECT_EQ(ScreenRect(painter->Bar->Window()), ScreenRect(bar->Handle()));
  EXPECT_EQ(painter->Bar->Vertical, 1);
  EXPECT_EQ(GetWindow(bar->Handle(), GW_HWNDPREV), painter->Bar->Window());
}

TEST_F(ScrollControlTest, OnlyScrollBarControlsGetTheControlPainter) {
  MakeScrollForm();
  tk::TMemo* memo = AddMemo(*form, tk::TScrollStyle::ssBoth, RECT{10, 10, 200, 200});
  EXPECT_EQ(SkinControlAs(TPainterKind::pkScControl, memo, Painter(), skin, false, nullptr), nullptr);
}

TEST_F(ScrollControlTest, ThumbWithoutPageIsArrowLongAndMovesWithThePosition) {
  MakeScrollForm();
  tk::TScrollBar* bar = AddScrollBar(100, 0);
  TSkinScControl* painter = SkinControl(bar);
  ASSERT_NE(painter, nullptr);
  const int a = ArrowSize();
  EXPECT_EQ(painter->Bar->ThumbStart, a);
  EXPECT_EQ(painter->Bar->ThumbEnd, 2 * a);
  const RECT r = ScreenRect(bar->Handle());
  // An arrow-long thumb lies under its grip.
  EXPECT_EQ(Pixel(POINT{r.left + 3, r.top + a + 1}), StripColour(20));
  bar->SetPosition(100);
  tk::testing::PumpMessages(30);
  EXPECT_EQ(painter->Bar->ThumbEnd, 200 - a);
  EXPECT_EQ(Pixel(POINT{r.left + 3, r.bottom - a - 2}), StripColour(20));
  EXPECT_EQ(Pixel(POINT{r.left + 3, r.top + a + 1}), scroll_test::VertTrackColour(1));
  EXPECT_EQ(Pixel(POINT{r.left + 3, r.top + a / 2}), StripColour(9));
  EXPECT_EQ(Pixel(POINT{r.left + 3, r.bottom - a / 2}), StripColour(13));
}

TEST_F(ScrollControlTest, SmallPageGetsAnEightPixelThumb) {
  MakeScrollForm();
  tk::TScrollBar* bar = AddScrollBar(1000, 2);
  TSkinScControl* painter = SkinControl(bar);
  ASSERT_NE(painter, nullptr);
  EXPECT_EQ(painter->Bar->ThumbEnd - painter->Bar->ThumbStart, 8);
}

TEST_F(ScrollControlTest, HitTestAlongTheHeight) {
  MakeScrollForm();
  tk::TScrollBar* bar = AddScrollBar(100, 0);
  TSkinScControl* painter = SkinControl(bar);
  ASSERT_NE(painter, nullptr);
  const int a = ArrowSize();
  TWScrollbar& cover = *painter->Bar;
  EXPECT_EQ(cover.HitTest(POINT{3, 2}), spFirstArrow);
  EXPECT_EQ(cover.HitTest(POINT{3, a + 2}), spThumb);
  EXPECT_EQ(cover.HitTest(POINT{3, 100}), spTrackAfter);
  EXPECT_EQ(cover.HitTest(POINT{3, 200 - a}), spSecondArrow);
  EXPECT_EQ(cover.HitTest(POINT{3, 199}), spSecondArrow);
}

TEST_F(ScrollControlTest, ClickOnTheCoverMovesTheControl) {
  MakeScrollForm();
  tk::TScrollBar* bar = AddScrollBar(100, 0);
  bar->SetLargeChange(10);
  TSkinScControl* painter = SkinControl(bar);
  ASSERT_NE(painter, nullptr);
  const RECT r = ScreenRect(bar->Handle());
  const POINT arrow{(r.left + r.right) / 2, r.bottom - ArrowSize() / 2};
  skin_test::MoveMouse(arrow);
  skin_test::LeftDown(arrow);
  skin_test::LeftUp(arrow);
  EXPECT_TRUE(tk::testing::PumpUntil([&] { return bar->Position() > 0; }, 2000));
}

TEST_F(ScrollControlTest, HidingTheControlHidesItsCover) {
  MakeScrollForm();
  tk::TScrollBar* bar = AddScrollBar(100, 0);
  TSkinScControl* painter = SkinControl(bar);
  ASSERT_NE(painter, nullptr);
  bar->SetVisible(false);
  tk::testing::PumpMessages(20);
  EXPECT_FALSE(IsWindowVisible(painter->Bar->Window()));
  bar->SetLeft(320);
  bar->SetVisible(true);
  tk::testing::PumpMessages(20);
  EXPECT_TRUE(IsWindowVisible(painter->Bar->Window()));
  EXPECT_EQ(ScreenRect(painter->Bar->Window()), ScreenRect(bar->Handle()));
}

TEST_F(ScrollControlTest, BareWindowGetsCoversOverItsBars) {
  MakeScrollForm();
  HWND edit = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE,
                              20, 20, 220, 180, form->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(edit, nullptr);
  std::wstring text;
  for (int i = 0; i < 100; ++i) text += L"a line of the bare window, long enough to scroll sideways as well\r\n";
  SetWindowTextW(edit, text.c_str());
  auto* painter = dynamic_cast<TSkinScrollbarH*>(SkinWindowAs(TPainterKind::pkScrollbarH, edit, Painter(), skin, nullptr));
  ASSERT_NE(painter, nullptr);
  tk::testing::PumpMessages(30);
  ASSERT_TRUE(painter->VertBar->Shown);
  EXPECT_EQ(ScreenRect(painter->VertBar->Window()), SystemBar(edit, OBJID_VSCROLL));
  EXPECT_EQ(ScreenRect(painter->HorzBar->Window()), SystemBar(edit, OBJID_HSCROLL));
  MoveWindow(edit, 40, 30, 240, 200, TRUE);
  tk::testing::PumpMessages(30);
  EXPECT_EQ(ScreenRect(painter->VertBar->Window()), SystemBar(edit, OBJID_VSCROLL));
  const RECT cover = ScreenRect(painter->VertBar->Window());
  const POINT arrow{(cover.left + cover.right) / 2, cover.bottom - ArrowSize() / 2};
  skin_test::MoveMouse(arrow);
  skin_test::LeftDown(arrow);
  skin_test::LeftUp(arrow);
  EXPECT_TRUE(tk::testing::PumpUntil([&] { return FirstVisibleLine(edit) > 0; }, 2000));
  ShowWindow(edit, SW_HIDE);
  tk::testing::PumpMessages(20);
  EXPECT_FALSE(IsWindowVisible(painter->VertBar->Window()));
  EXPECT_FALSE(IsWindowVisible(painter->HorzBar->Window()));
}

TEST_F(ScrollControlTest, DropDownListBarIsPaintedFromTheSkin) {
  MakeScrollForm();
  auto* combo = new tk::TComboBox(form);
  combo->SetParent(form);
  combo->SetBounds(20, 20, 160, 21);
  combo->SetStyle(tk::TComboBoxStyle::csDropDownList);
  for (int i = 0; i < 60; ++i) combo->Items().Add("item " + std::to_string(i));
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  ASSERT_TRUE(GetComboBoxInfo(combo->Handle(), &info));
  ASSERT_NE(info.hwndList, nullptr);
  TComboxScrollBar* painter = AttachComboListScrollBar(combo, info.hwndList, skin, Painter(), nullptr);
  ASSERT_NE(painter, nullptr);
  SendMessageW(combo->Handle(), CB_SHOWDROPDOWN, TRUE, 0);
  tk::testing::PumpMessages(50);
  const RECT bar = SystemBar(info.hwndList, OBJID_VSCROLL);
  ASSERT_GT(bar.bottom - bar.top, 2 * ArrowSize());
  const int x = bar.left + ArrowSize() / 2;
  EXPECT_EQ(Pixel(POINT{x, bar.top + ArrowSize() / 2}), StripColour(9));
  EXPECT_EQ(Pixel(POINT{x, bar.bottom - ArrowSize() / 2}), StripColour(13));
  EXPECT_EQ(Pixel(POINT{x, bar.top + painter->ThumbStart}), VertThumbColour(1));
  SendMessageW(combo->Handle(), CB_SHOWDROPDOWN, FALSE, 0);
  tk::testing::PumpMessages(20);
}

}  // namespace

namespace {

// The drop-down list's bar painter on a list window: its own thumb drag, by the user's mouse.
class ListThumbDragTest : public ScrollFormTest {
 protected:
  void MakeList() {
    MakeScrollForm();
    list = new tk::TListBox(form);
    list->SetParent(form);
    list->SetBounds(20, 20, 160, 200);
    for (int i = 0; i < 100; ++i) list->Items().Add("item " + std::to_string(i));
    painter = AttachComboListScrollBar(list, list->Handle(), skin, Painter(), nullptr);
    tk::testing::PumpMessages(30);
  }
  SCROLLINFO Info() const {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    GetScrollInfo(list->Handle(), SB_VERT, &info);
    return info;
  }
  // A press on the thumb with a move and the release already waiting in the queue.
  void DragThumbBy(int dy) {
    const RECT bar = SystemBar(list->Handle(), OBJID_VSCROLL);
    SCROLLBARINFO sbi{};
    sbi.cbSize = sizeof sbi;
    GetScrollBarInfo(list->Handle(), OBJID_VSCROLL, &sbi);
    const POINT press{(bar.left + bar.right) / 2, bar.top + (sbi.xyThumbTop + sbi.xyThumbBottom) / 2};
    const POINT release{press.x, press.y + dy};
    SetCursorPos(release.x, release.y);
    POINT client = release;
    ScreenToClient(list->Handle(), &client);
    if (dy) PostMessageW(list->Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(client.x, client.y));
    PostMessageW(list->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(client.x, client.y));
    SendMessageW(list->Handle(), WM_NCLBUTTONDOWN, HTVSCROLL, MAKELPARAM(press.x, press.y));
    tk::testing::PumpMessages(30);
  }
  tk::TListBox* list = nullptr;
  TComboxScrollBar* painter = nullptr;
};

TEST_F(ListThumbDragTest, DragToTheBottomEndsAtMaxMinusPagePlusOne) {
  MakeList();
  ASSERT_NE(painter, nullptr);
  const SCROLLINFO before = Info();
  ASSERT_GT(before.nPage, 0u);
  DragThumbBy(400);
  const SCROLLINFO after = Info();
  EXPECT_EQ(after.nPos, before.nMax - static_cast<int>(before.nPage) + 1);
  EXPECT_EQ(list->TopIndex(), after.nPos);
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(ListThumbDragTest, ReleaseWithoutMovingLeavesTheListWhereItWas) {
  MakeList();
  ASSERT_NE(painter, nullptr);
  list->SetTopIndex(30);
  tk::testing::PumpMessages(20);
  const int before = Info().nPos;
  ASSERT_EQ(before, 30);
  DragThumbBy(0);
  EXPECT_EQ(Info().nPos, before);
  EXPECT_EQ(list->TopIndex(), 30);
}

TEST_F(ListThumbDragTest, ListBarIsPaintedAfterScrolling) {
  MakeList();
  ASSERT_NE(painter, nullptr);
  SendMessageW(list->Handle(), WM_VSCROLL, SB_PAGEDOWN, 0);
  tk::testing::PumpMessages(30);
  const RECT bar = SystemBar(list->Handle(), OBJID_VSCROLL);
  const int x = bar.left + ArrowSize() / 2;
  EXPECT_EQ(Pixel(POINT{x, bar.top + ArrowSize() / 2}), StripColour(9));
  EXPECT_EQ(Pixel(POINT{x, bar.top + painter->ThumbStart}), VertThumbColour(1));
  EXPECT_EQ(Pixel(POINT{x, bar.top + ArrowSize() + 1}), scroll_test::VertTrackColour(1));
}

}  // namespace
