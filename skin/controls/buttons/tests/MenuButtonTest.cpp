// The menu button painter: a focused menu button looks hot, Default means nothing to it.
#include "ButtonDrawing.h"
#include "ButtonsTestFixture.h"
#include "StdCtrls.h"

namespace {

using MenuButtonTest = ButtonsTest;

TEST_F(MenuButtonTest, FocusedShowsHotFrameAndDefaultIsIgnored) {
  auto* button = Add<tk::TButton>(20, 20, 120, 40);
  button->SetCaption("More");
  button->SetDefault(true);
  ASSERT_NE(SkinAs(TPainterKind::pkMenuButton, button), nullptr);
  EXPECT_EQ(FrameColourOf(button), Frame(bfNormal));
  button->SetFocus();
  EXPECT_EQ(FrameColourOf(button), Frame(bfHot));
  button->SetEnabled(false);
  EXPECT_EQ(FrameColourOf(button), Frame(bfDisabled));
}

TEST_F(MenuButtonTest, ArrowIsDrawnRightOfTheCaption) {
  auto* button = Add<tk::TButton>(20, 20, 120, 40);
  button->SetCaption("");
  SkinAs(TPainterKind::pkMenuButton, button);
  // No glyph, no caption: margin = spacing = (120 - 8) / 4 = 28; the caption at 28 + 28, the
  // arrow's centre two spacings further.
  const int ax = 28 + 28 + 2 * 28, ay = (40 - 3) / 2;
  EXPECT_EQ(PixelOf(button, ax, ay), GetSysColor(COLOR_WINDOWTEXT));
  EXPECT_EQ(PixelOf(button, ax, ay + 4), Frame(bfNormal));
}

}  // namespace
