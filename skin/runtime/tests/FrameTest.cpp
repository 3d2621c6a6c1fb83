// The skinned frame of a toolkit form: metrics, client area, borders and title band on screen.
#include "SkinnedFormFixture.h"

using namespace skin_test;

TEST_F(SkinnedFormTest, ClientAreaKeepsItsSizeAndTheFrameTakesTheSkinsMetrics) {
  MakeSkinnedForm(400, 300);
  ASSERT_NE(Painter(), nullptr);
  RECT client{};
  GetClientRect(Wnd(), &client);
  EXPECT_EQ(client.right, 400);
  EXPECT_EQ(client.bottom, 300);
  const SIZE size = WindowSize();
  EXPECT_EQ(size.cx, 400 + LeftWidth + RightWidth);
  EXPECT_EQ(size.cy, 300 + TitleHeight + BottomHeight);
  EXPECT_EQ(SendMessageW(Wnd(), SKM_ISSKINNED, 0, 0), 1);
}

TEST_F(SkinnedFormTest, BordersAndTitleShowTheActiveFramesOfTheSkin) {
  MakeSkinnedForm(400, 300);
  SetForegroundWindow(Wnd());
  tk::testing::PumpMessages(100);
  const SIZE size = WindowSize();
  EXPECT_EQ(WindowPixel(Wnd(), 1, size.cy / 2), BorderColour(1, 1));
  EXPECT_EQ(WindowPixel(Wnd(), size.cx - 2, size.cy / 2), BorderColour(2, 1));
  EXPECT_EQ(WindowPixel(Wnd(), size.cx / 2, size.cy - 2), BorderColour(4, 1));
  // The title band at a point without text or button.
  EXPECT_EQ(WindowPixel(Wnd(), size.cx / 2 + 40, 1), BorderColour(3, 1));
}
