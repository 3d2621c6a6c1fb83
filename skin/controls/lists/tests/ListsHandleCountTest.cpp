// Many hover cycles and repaints of the header and up-down painters leave the GDI, USER and window
// counts where they were.
#include <windows.h>
#include <commctrl.h>

#include "ListViews.h"
#include "ListsFixture.h"
#include "UpDown.h"

namespace {

class ListsHandleCountTest : public ListsTest {
 protected:
  struct Counts {
    int gdi, windows;
    DWORD user;
    bool operator==(const Counts&) const = default;
  };
  static Counts Now() {
    return {tk::testing::GdiObjectCount(), tk::testing::ThreadWindowCount(), GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS)};
  }
  static void Repaint(HWND wnd) { RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW); }
};

TEST_F(ListsHandleCountTest, HeaderHoverAndRepaintsLeaveTheCountsFlat) {
  MakeForm();
  auto* header = Place<tk::THeaderControl>(20, 20, 300, 24);
  header->SetAlign(tk::TAlign::alNone);
  header->SetBounds(20, 20, 300, 24);
  header->AddSection("One", 100);
  header->AddSection("Two", 100, tk::TAlignment::taCenter);
  ASSERT_NE(Skin(TPainterKind::pkHeader, header), nullptr);
  HWND wnd = header->HandleIfAllocated();
  // Between two items and out: each step repaints.
  auto hover = [wnd] {
    SendMessageW(wnd, WM_MOUSEMOVE, 0, MAKELPARAM(50, 12));
    SendMessageW(wnd, WM_MOUSEMOVE, 0, MAKELPARAM(150, 12));
    SendMessageW(wnd, WM_MOUSELEAVE, 0, 0);
  };
  for (int i = 0; i < 100; ++i) hover();
  tk::testing::PumpMessages(30);
  const Counts before = Now();
  for (int i = 0; i < 10000; ++i) hover();
  for (int i = 0; i < 1000; ++i) Repaint(wnd);
  tk::testing::PumpMessages(30);
  EXPECT_EQ(Now(), before);
}

TEST_F(ListsHandleCountTest, UpDownHoverAndRepaintsLeaveTheCountsFlat) {
  MakeForm();
  auto* upDown = Place<tk::TUpDown>(40, 40, 20, 40);
  ASSERT_NE(Skin(TPainterKind::pkUpDown, upDown), nullptr);
  HWND wnd = upDown->HandleIfAllocated();
  const POINT up = ScreenPoint(wnd, 10, 10), down = ScreenPoint(wnd, 10, 30);
  // The painter asks the cursor which half is hot.
  auto hover = [wnd, up, down] {
    SetCursorPos(up.x, up.y);
    SendMessageW(wnd, WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
    SetCursorPos(down.x, down.y);
    SendMessageW(wnd, WM_MOUSEMOVE, 0, MAKELPARAM(10, 30));
  };
  for (int i = 0; i < 100; ++i) hover();
  tk::testing::PumpMessages(30);
  const Counts before = Now();
  for (int i = 0; i < 10000; ++i) hover();
  for (int i = 0; i < 1000; ++i) Repaint(wnd);
  tk::testing::PumpMessages(30);
  EXPECT_EQ(Now(), before);
  MoveAway();
}

}  // namespace
