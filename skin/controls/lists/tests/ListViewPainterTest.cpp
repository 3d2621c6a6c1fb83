// The list view painter: scroll bar covers over a report list with many rows and wide columns, and
// a header painter of its own on the list's column header.
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "ListViews.h"
#include "ListsFixture.h"
#include "SkinHeader.h"
#include "SkinListView.h"

namespace {

using lists_test::HeaderColour;

class ListViewPainterTest : public ListsTest {
 protected:
  tk::TListView* MakeList(int rows) {
    auto* list = Place<tk::TListView>(20, 20, 300, 200);
    list->SetViewStyle(tk::TViewStyle::vsReport);
    list->SetRowSelect(true);
    list->AddColumn("Word", 150);
    list->AddColumn("Count", 120, tk::TAlignment::taRightJustify);
    list->AddColumn("Speed", 120);
    for (int i = 0; i < rows; ++i) list->AddItem("word " + std::to_string(i), {std::to_string(i * 3), std::to_string(60 + i)});
    tk::testing::PumpMessages(20);
    return list;
  }
};

TEST_F(ListViewPainterTest, ALongWideListGetsBothCoversAndItsHeaderAPainter) {
  MakeForm();
  tk::TListView* list = MakeList(40);
  auto* painter = dynamic_cast<TSkinListView*>(Skin(TPainterKind::pkListView, list));
  ASSERT_NE(painter, nullptr);
  ASSERT_TRUE(painter->VertBar && painter->HorzBar);
  EXPECT_TRUE(painter->VertBar->Shown);
  EXPECT_TRUE(painter->HorzBar->Shown);
  EXPECT_TRUE(IsWindowVisible(painter->VertBar->Window()));

  HWND header = list->HeaderHandle();
  ASSERT_NE(header, nullptr);
  ASSERT_NE(painter->Header, nullptr);
  EXPECT_EQ(painter->Header->Handle, header);
  EXPECT_EQ(painter->Header->Owner(), list);
  EXPECT_EQ(SendMessageW(header, SKM_ISSKINNED, 0, 0), 1);
  EXPECT_EQ(PixelBecomes(header, 1, 1, HeaderColour(1)), HeaderColour(1));

  // The header's items turn hot under the mouse as a header control's do.
  RECT second{};
  SendMessageW(header, HDM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&second));
  skin_test::MoveMouse(ScreenPoint(header, (second.left + second.right) / 2, (second.top + second.bottom) / 2));
  EXPECT_EQ(PixelBecomes(header, second.left + 1, 1, HeaderColour(2)), HeaderColour(2));
  MoveAway();
  EXPECT_EQ(PixelBecomes(header, second.left + 1, 1, HeaderColour(1)), HeaderColour(1));
}

TEST_F(ListViewPainterTest, AShortNarrowListShowsNoCovers) {
  MakeForm();
  auto* list = Place<tk::TListView>(20, 20, 300, 200);
  list->SetViewStyle(tk::TViewStyle::vsReport);
  list->AddColumn("Word", 100);
  list->AddItem("one", {});
  auto* painter = dynamic_cast<TSkinListView*>(Skin(TPainterKind::pkListView, list));
  ASSERT_NE(painter, nullptr);
  EXPECT_FALSE(painter->VertBar->Shown);
  EXPECT_FALSE(painter->HorzBar->Shown);
  EXPECT_NE(painter->Header, nullptr);
}

TEST_F(ListViewPainterTest, TheHeaderPainterGoesWithTheListView) {
  MakeForm();
  tk::TListView* list = MakeList(5);
  auto* painter = dynamic_cast<TSkinListView*>(Skin(TPainterKind::pkListView, list));
  ASSERT_NE(painter, nullptr);
  ASSERT_NE(painter->Header, nullptr);
  const size_t before = Painter()->PainterList().size();
  tk::TComponent::Free(list);
  tk::testing::PumpMessages(30);
  // Neither the list view's painter nor its header's stays listed with the form painter.
  EXPECT_EQ(Painter()->PainterList().size(), before - 2);
}

}  // namespace
