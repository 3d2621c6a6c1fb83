// Close marks on a page control tagged 7777: a click on a mark asks the form painter's window
// with SKM_CLOSETAB (the tab window and the tab index) and frees the page only when it answers 0.
#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "SkinTab.h"
#include "TabFixture.h"

namespace {

struct TCloseRequest {
  WPARAM tabWindow;
  LPARAM index;
};

// Answers SKM_CLOSETAB on the form's window before the frame painter sees it.
struct TCloseAnswerer {
  LRESULT answer = 0;
  std::vector<TCloseRequest> requests;
  static LRESULT CALLBACK Proc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
    auto* self = reinterpret_cast<TCloseAnswerer*>(data);
    if (msg == SKM_CLOSETAB) {
      self->requests.push_back({wParam, lParam});
      return self->answer;
    }
    return DefSubclassProc(wnd, msg, wParam, lParam);
  }
};

class CloseMarkTest : public TabTest {
 protected:
  void TearDown() override {
    if (form && form->HandleAllocated()) RemoveWindowSubclass(Wnd(), &TCloseAnswerer::Proc, 1);
    TabTest::TearDown();
  }
  TSkinTab* MarkedPages(int count) {
    pages = Pages(count);
    pages->SetTag(TSkinTab::CloseMarksTag);
    auto* painter = dynamic_cast<TSkinTab*>(SkinAs(TPainterKind::pkPageControl, pages));
    if (painter) RepaintNow(pages->Handle());
    SetWindowSubclass(Wnd(), &TCloseAnswerer::Proc, 1, reinterpret_cast<DWORD_PTR>(&answerer));
    return painter;
  }
  void ClickMark(TSkinTab* painter, int index) {
    const RECT r = painter->CloseRects.at(static_cast<size_t>(index));
    const int x = (r.left + r.right) / 2, y = (r.top + r.bottom) / 2;
    SendMessageW(pages->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageW(pages->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    tk::testing::PumpMessages(20);
  }
  tk::TPageControl* pages = nullptr;
  TCloseAnswerer answerer;
};

TEST_F(CloseMarkTest, EveryTabGetsAMarkInsideItsRectangle) {
  Start();
  TSkinTab* painter = MarkedPages(3);
  ASSERT_NE(painter, nullptr);
  EXPECT_EQ(painter->CloseButtons, 1);
  ASSERT_EQ(painter->CloseRects.size(), 3u);
  for (int i = 0; i < 3; ++i) {
    const RECT item = ItemRect(pages->Handle(), i);
    const RECT mark = painter->CloseRects[static_cast<size_t>(i)];
    EXPECT_GE(mark.left, item.left);
    EXPECT_LE(mark.right, item.right + 1);
    EXPECT_GE(mark.top, item.top);
    EXPECT_EQ(mark.right - mark.left, TSkinTab::CloseMarkSize + 1);
  }
  // The mark's outline is in the tab's text colour.
  const RECT mark = painter->CloseRects[1];
  EXPECT_EQ(At(pages->Handle(), mark.left, mark.top), tab_test::TabTextColour);
}

TEST_F(CloseMarkTest, AnswerZeroFreesThePage) {
  Start();
  TSkinTab* painter = MarkedPages(3);
  ASSERT_NE(painter, nullptr);
  tk::TTabSheet* second = pages->Pages(1);
  HWND secondWnd = second->Handle();
  ClickMark(painter, 1);
  ASSERT_EQ(answerer.requests.size(), 1u);
  EXPECT_EQ(answerer.requests[0].tabWindow, reinterpret_cast<WPARAM>(pages->Handle()));
  EXPECT_EQ(answerer.requests[0].index, 1);
  EXPECT_EQ(pages->PageCount(), 2);
  EXPECT_FALSE(IsWindow(secondWnd));
  EXPECT_EQ(SendMessageW(pages->Handle(), TCM_GETITEMCOUNT, 0, 0), 2);
  EXPECT_EQ(pages->Pages(1)->Caption(), "Page 3");
}

TEST_F(CloseMarkTest, NonZeroAnswerKeepsThePage) {
  Start();
  TSkinTab* painter = MarkedPages(3);
  ASSERT_NE(painter, nullptr);
  answerer.answer = 1;
  ClickMark(painter, 2);
  ASSERT_EQ(answerer.requests.size(), 1u);
  EXPECT_EQ(answerer.requests[0].index, 2);
  EXPECT_EQ(pages->PageCount(), 3);
  // The click on the mark does not select the tab either.
  EXPECT_EQ(pages->ActivePageIndex(), 0);
}

TEST_F(CloseMarkTest, ClickOutsideAMarkSelectsTheTabAndAsksNothing) {
  Start();
  TSkinTab* painter = MarkedPages(3);
  ASSERT_NE(painter, nullptr);
  const RECT item = ItemRect(pages->Handle(), 1);
  SendMessageW(pages->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(item.left + 3, item.bottom - 3));
  SendMessageW(pages->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(item.left + 3, item.bottom - 3));
  tk::testing::PumpMessages(20);
  EXPECT_TRUE(answerer.requests.empty());
  EXPECT_EQ(pages->PageCount(), 3);
  EXPECT_EQ(pages->ActivePageIndex(), 1);
}

TEST_F(CloseMarkTest, UntaggedPageControlHasNoMarks) {
  Start();
  pages = Pages(3);
  auto* painter = dynamic_cast<TSkinTab*>(SkinAs(TPainterKind::pkPageControl, pages));
  ASSERT_NE(painter, nullptr);
  EXPECT_EQ(painter->CloseButtons, 0);
  // A tab control is no page control: the tag alone gives no marks.
  auto* tabs = new tk::TTabControl(form);
  tabs->SetParent(form);
  tabs->SetTag(TSkinTab::CloseMarksTag);
  tabs->Tabs().Add("One");
  auto* tabPainter = dynamic_cast<TSkinTab*>(SkinAs(TPainterKind::pkTab, tabs));
  ASSERT_NE(tabPainter, nullptr);
  EXPECT_EQ(tabPainter->CloseButtons, 0);
}

}  // namespace
