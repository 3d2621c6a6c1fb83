#include "ButtonsTestFixture.h"

#include "GuiTestSupport.h"
#include "SkinElements.h"

using tk::testing::PumpMessages;

void ButtonsTest::SetUp() {
  SkinnedFormTest::SetUp();
  MoveCursorAway();
  MakeSkinnedForm(400, 300, tk::TFormBorderStyle::bsSizeable, TSkinFormType::sfDialog, button_test::ButtonSkinOptions());
  ASSERT_NE(Painter(), nullptr);
  SetForegroundWindow(Wnd());
}

TSkinControl* ButtonsTest::SkinAs(TPainterKind kind, tk::TControl* control) {
  if (auto* windowed = dynamic_cast<tk::TWinControl*>(control)) windowed->HandleNeeded();
  TSkinControl* painter = MakeButtonPainter(kind, control, Painter(), skin, false, &Painter()->PainterCanvas);
  PumpMessages(30);
  return painter;
}

POINT ButtonsTest::ScreenPointOf(const tk::TControl* control, int x, int y) {
  return control->Parent()->ClientToScreen(POINT{control->Left() + x, control->Top() + y});
}

COLORREF ButtonsTest::PixelOf(const tk::TControl* control, int x, int y) {
  PumpMessages(30);
  const POINT p = ScreenPointOf(control, x, y);
  return skin_test::ScreenPixel(p.x, p.y);
}

COLORREF ButtonsTest::FrameColourOnceItIs(const tk::TControl* control, COLORREF expected) {
  COLORREF shown = CLR_INVALID;
  tk::testing::PumpUntil(
      [&] {
        shown = FrameColourOf(control);
        return shown == expected;
      },
      1000);
  return shown;
}

void ButtonsTest::MoveCursorTo(POINT screen) {
  SetCursorPos(screen.x, screen.y);
  PumpMessages(40);
}

void ButtonsTest::MoveCursorAway() { MoveCursorTo(POINT{2, 2}); }

void ButtonsTest::SendMouse(HWND wnd, UINT msg, int x, int y, WPARAM keys) {
  SendMessageW(wnd, msg, keys, MAKELPARAM(static_cast<short>(x), static_cast<short>(y)));
}

COLORREF Frame(int frame) { return button_test::ButtonFrameColour(frame); }

COLORREF ButtonFaceOfSkin() { return skin_test::TableColour(scButtonFace); }
