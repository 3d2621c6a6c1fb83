// The speed button painter on a real windowless speed button: painted through its parent's
// WM_PAINT, hot through the enter and leave notices, pressed and down, flat, and clicked.
#include "ButtonDrawing.h"
#include "Buttons.h"
#include "ButtonsTestFixture.h"
#include "GuiTestSupport.h"
#include "SkinSpeedButton.h"

using tk::testing::PumpMessages;

namespace {

class SpeedButtonTest : public ButtonsTest {
 protected:
  tk::TSpeedButton* MakeSpeedButton(bool flat) {
    auto* button = Add<tk::TSpeedButton>(40, 40, 80, 30);
    button->SetCaption("Go");
    button->SetFlat(flat);
    button->OnClick = [this](tk::TObject*) { ++clicks; };
    return button;
  }
  // A mouse message to the form at a point of the button.
  void MouseOnButton(const tk::TSpeedButton* button, UINT msg, int x, int y, WPARAM keys = 0) {
    SendMouse(Wnd(), msg, button->Left() + x, button->Top() + y, keys);
  }
  int clicks = 0;
};

TEST_F(SpeedButtonTest, FlatButtonShowsNoFrameUntilHotPressedOrDown) {
  tk::TSpeedButton* button = MakeSpeedButton(true);
  ASSERT_NE(SkinAs(TPainterKind::pkSpeedButton, button), nullptr);
  form->Repaint();
  EXPECT_EQ(FrameColourOf(button), ButtonFaceOfSkin());

  MoveCursorTo(ScreenPointOf(button, 40, 15));
  EXPECT_EQ(FrameColourOf(button), Frame(bfHot));

  MouseOnButton(button, WM_LBUTTONDOWN, 40, 15, MK_LBUTTON);
  EXPECT_EQ(FrameColourOf(button), Frame(bfPressed));
  MouseOnButton(button, WM_LBUTTONUP, 40, 15);
  EXPECT_EQ(FrameColourOf(button), Frame(bfHot));

  MoveCursorAway();
  EXPECT_EQ(FrameColourOnceItIs(button, ButtonFaceOfSkin()), ButtonFaceOfSkin());

  button->SetGroupIndex(1);
  button->SetDown(true);
  EXPECT_EQ(FrameColourOf(button), Frame(bfPressed));
}

TEST_F(SpeedButtonTest, PlainButtonShowsNormalAndDisabledFrames) {
  tk::TSpeedButton* button = MakeSpeedButton(false);
  SkinAs(TPainterKind::pkSpeedButton, button);
  EXPECT_EQ(FrameColourOf(button), Frame(bfNormal));
  button->SetEnabled(false);
  EXPECT_EQ(FrameColourOf(button), Frame(bfDisabled));
}

TEST_F(SpeedButtonTest, PressAndReleaseInsideClicksOnceReleaseOutsideNever) {
  tk::TSpeedButton* button = MakeSpeedButton(false);
  SkinAs(TPainterKind::pkSpeedButton, button);
  MouseOnButton(button, WM_LBUTTONDOWN, 10, 10, MK_LBUTTON);
  MouseOnButton(button, WM_LBUTTONUP, 10, 10);
  PumpMessages(30);
  EXPECT_EQ(clicks, 1);
  MouseOnButton(button, WM_LBUTTONDOWN, 10, 10, MK_LBUTTON);
  MouseOnButton(button, WM_LBUTTONUP, 200, 150);
  PumpMessages(30);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(FrameColourOf(button), Frame(bfNormal));
}

TEST_F(SpeedButtonTest, PainterGivesTheButtonBackWhenFreed) {
  tk::TSpeedButton* button = MakeSpeedButton(false);
  TSkinControl* painter = SkinAs(TPainterKind::pkSpeedButton, button);
  EXPECT_EQ(FrameColourOf(button), Frame(bfNormal));
  delete painter;
  form->Repaint();
  EXPECT_NE(FrameColourOf(button), Frame(bfNormal));
  MouseOnButton(button, WM_LBUTTONDOWN, 10, 10, MK_LBUTTON);
  MouseOnButton(button, WM_LBUTTONUP, 10, 10);
  EXPECT_EQ(clicks, 1);
}

TEST_F(SpeedButtonTest, FreeingTheButtonFreesItsPainter) {
  tk::TSpeedButton* button = MakeSpeedButton(false);
  SkinAs(TPainterKind::pkSpeedButton, button);
  const size_t painters = Painter()->PainterList().size();
  tk::TComponent::Free(button);
  EXPECT_EQ(Painter()->PainterList().size(), painters - 1);
  form->Repaint();
  PumpMessages(30);
}

TEST_F(SpeedButtonTest, TenThousandHoversLeaveHandleCountsFlat) {
  tk::TSpeedButton* button = MakeSpeedButton(true);
  SkinAs(TPainterKind::pkSpeedButton, button);
  auto hover = [&] {
    MouseOnButton(button, WM_MOUSEMOVE, 10, 10);
    SendMouse(Wnd(), WM_MOUSEMOVE, 300, 250);
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
