// The push button painter on real buttons: the frame each state shows, the clicks that mouse and
// keyboard make through it, captions, a bare button window, and no handles lost over many hovers.
#include <string>

#include "ButtonDrawing.h"
#include "ButtonsTestFixture.h"
#include "GuiTestSupport.h"
#include "SkinButton.h"
#include "StdCtrls.h"
#include "SyntheticInput.h"

using tk::testing::PumpMessages;

namespace {

class PushButtonTest : public ButtonsTest {
 protected:
  tk::TButton* MakeButton(int left = 20, int top = 20, int width = 120, int height = 40) {
    auto* button = Add<tk::TButton>(left, top, width, height);
    button->SetCaption("OK");
    button->OnClick = [this](tk::TObject*) { ++clicks; };
    return button;
  }
  // Rows of the button whose pixels are not all the frame colour (caption rows).
  static int CaptionRows(const tk::TControl* control, COLORREF frame) {
    PumpMessages(30);
    int rows = 0;
    for (int y = 3; y < control->Height() - 3; ++y) {
      for (int x = 3; x < control->Width() - 3; ++x) {
        const POINT p = ScreenPointOf(control, x, y);
        if (skin_test::ScreenPixel(p.x, p.y) != frame) {
          ++rows;
          break;
        }
      }
    }
    return rows;
  }
  int clicks = 0;
};

TEST_F(PushButtonTest, EachStateShowsItsFrame) {
  tk::TButton* button = MakeButton();
  ASSERT_NE(SkinAs(TPainterKind::pkButton, button), nullptr);
  HWND wnd = button->Handle();
  EXPECT_EQ(FrameColourOf(button), Frame(bfNormal));

  MoveCursorTo(ScreenPointOf(button, 60, 20));
  EXPECT_EQ(FrameColourOf(button), Frame(bfHot));

  SendMouse(wnd, WM_LBUTTONDOWN, 60, 20, MK_LBUTTON);
  EXPECT_EQ(FrameColourOf(button), Frame(bfPressed));
  EXPECT_EQ(GetFocus(), wnd);

  SendMouse(wnd, WM_LBUTTONUP, 60, 20);
  EXPECT_EQ(FrameColourOf(button), Frame(bfHot));

  MoveCursorAway();
  EXPECT_EQ(FrameColourOnceItIs(button, Frame(bfFocused)), Frame(bfFocused));

  button->SetEnabled(false);
  EXPECT_EQ(FrameColourOf(button), Frame(bfDisabled));
}

TEST_F(PushButtonTest, DefaultButtonShowsFocusedFrameUnlessDisabled) {
  tk::TButton* other = MakeButton(20, 200);
  tk::TButton* button = MakeButton();
  button->SetDefault(true);
  SkinAs(TPainterKind::pkButton, other);
  SkinAs(TPainterKind::pkButton, button);
  other->SetFocus();
  EXPECT_EQ(FrameColourOf(button), Frame(bfFocused));
  EXPECT_EQ(FrameColourOf(other), Frame(bfFocused));

  // The focus leaves the plain button: it is normal again; the default button stays marked.
  form->FocusControl(nullptr);
  SetFocus(Wnd());
  EXPECT_EQ(FrameColourOf(other), Frame(bfNormal));
  EXPECT_EQ(FrameColourOf(button), Frame(bfFocused));

  button->SetEnabled(false);
  EXPECT_EQ(FrameColourOf(button), Frame(bfDisabled));
}

TEST_F(PushButtonTest, PressAndReleaseInsideClicksOnce) {
  tk::TButton* button = MakeButton();
  SkinAs(TPainterKind::pkButton, button);
  HWND wnd = button->Handle();
  SendMouse(wnd, WM_LBUTTONDOWN, 30, 20, MK_LBUTTON);
  EXPECT_EQ(clicks, 0);
  SendMouse(wnd, WM_LBUTTONUP, 30, 20);
  PumpMessages(50);
  EXPECT_EQ(clicks, 1);

  // A second release without a press clicks nothing.
  SendMouse(wnd, WM_LBUTTONUP, 30, 20);
  PumpMessages(50);
  EXPECT_EQ(clicks, 1);
}

TEST_F(PushButtonTest, ReleaseOutsideDoesNotClick) {
  tk::TButton* button = MakeButton();
  SkinAs(TPainterKind::pkButton, button);
  HWND wnd = button->Handle();
  SendMouse(wnd, WM_LBUTTONDOWN, 30, 20, MK_LBUTTON);
  SendMouse(wnd, WM_LBUTTONUP, 300, 200);
  PumpMessages(50);
  EXPECT_EQ(clicks, 0);
  EXPECT_EQ(FrameColourOf(button), Frame(bfFocused));
}

TEST_F(PushButtonTest, RealClickThroughTheInputQueueClicksOnce) {
  tk::TButton* button = MakeButton();
  SkinAs(TPainterKind::pkButton, button);
  skin_test::ClickAt(ScreenPointOf(button, 60, 20));
  PumpMessages(150);
  EXPECT_EQ(clicks, 1);
}

TEST_F(PushButtonTest, SpaceBarPressesAndClicksOnce) {
  tk::TButton* button = MakeButton();
  SkinAs(TPainterKind::pkButton, button);
  HWND wnd = button->Handle();
  button->SetFocus();
  PumpMessages(30);
  SendMessageW(wnd, WM_KEYDOWN, VK_SPACE, 0x00390001);
  EXPECT_EQ(FrameColourOf(button), Frame(bfPressed));
  SendMessageW(wnd, WM_KEYUP, VK_SPACE, static_cast<LPARAM>(0xC0390001u));
  PumpMessages(50);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(FrameColourOf(button), Frame(bfFocused));
}

TEST_F(PushButtonTest, DoubleBarCaptionTakesTwoLines) {
  tk::TButton* one = MakeButton(20, 20, 160, 60);
  tk::TButton* two = MakeButton(20, 100, 160, 60);
  one->SetCaption("Start now");
  two->SetCaption("Start||now");
  SkinAs(TPainterKind::pkButton, one);
  SkinAs(TPainterKind::pkButton, two);
  const int single = CaptionRows(one, Frame(bfNormal));
  const int twoLines = CaptionRows(two, Frame(bfNormal));
  ASSERT_GT(single, 3);
  EXPECT_GT(twoLines, single * 3 / 2);
}

TEST_F(PushButtonTest, LongCaptionIsBounded) {
  tk::TButton* button = MakeButton();
  button->SetCaption(std::string(20000, 'W'));
  auto* painter = static_cast<TSkinButton*>(SkinAs(TPainterKind::pkButton, button));
  EXPECT_EQ(FrameColourOf(button), Frame(bfNormal));
  EXPECT_LE(painter->Caption.size(), MaxButtonCaption);
}

TEST_F(PushButtonTest, BareButtonWindowIsPaintedAndPostsItsCommand) {
  HWND wnd = CreateWindowExW(0, L"BUTTON", L"Raw", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 20, 20, 120, 40, Wnd(),
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(321)), GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(wnd, nullptr);
  skin_test::MessageRecorder parent(Wnd());
  ASSERT_NE(MakeButtonWindowPainter(TPainterKind::pkButton, wnd, Painter(), skin, &Painter()->PainterCanvas), nullptr);
  PumpMessages(30);
  RECT r{};
  GetWindowRect(wnd, &r);
  EXPECT_EQ(skin_test::ScreenPixel(r.left + 4, r.top + 4), Frame(bfNormal));

  SendMouse(wnd, WM_LBUTTONDOWN, 30, 20, MK_LBUTTON);
  SendMouse(wnd, WM_LBUTTONUP, 30, 20);
  PumpMessages(50);
  int commands = 0;
  for (const auto& entry : parent.Entries())
    if (entry.msg == WM_COMMAND && entry.lParam == reinterpret_cast<LPARAM>(wnd)) {
      ++commands;
      EXPECT_EQ(LOWORD(entry.wParam), 321);
    }
  EXPECT_EQ(commands, 1);
  DestroyWindow(wnd);
}

TEST_F(PushButtonTest, TenThousandHoversLeaveHandleCountsFlat) {
  tk::TButton* button = MakeButton();
  SkinAs(TPainterKind::pkButton, button);
  HWND wnd = button->Handle();
  auto hover = [&] {
    SendMouse(wnd, WM_MOUSEMOVE, 30, 20);
    SendMessageW(wnd, WM_MOUSELEAVE, 0, 0);
  };
  for (int i = 0; i < 100; ++i) hover();
  PumpMessages(50);
  const int gdi = tk::testing::GdiObjectCount(), windows = tk::testing::ThreadWindowCount();
  const DWORD user = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
  for (int i = 0; i < 10000; ++i) hover();
  PumpMessages(50);
  EXPECT_EQ(tk::testing::GdiObjectCount(), gdi);
  EXPECT_EQ(tk::testing::ThreadWindowCount(), windows);
  EXPECT_EQ(GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS), user);
}

}  // namespace
