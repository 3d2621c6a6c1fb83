// The practice window as the skin engine shows it: its frame, title band and region come from the
// default skin carried in its layout.
#include "PracticeWindowFixture.h"
#include "ScreenPixels.h"
#include "SkinMessages.h"
#include "WinSkinForm.h"

namespace {

TWinSkinForm* FramePainter(TForm1* form) {
  TSkinManage* manager = TSkinManage::Instance();
  return manager ? manager->FindForm(form->Handle()) : nullptr;
}

}  // namespace

TEST_F(PracticeWindowTest, TheSkinPaintsTheFrameAroundAnUnchangedClientArea) {
  ShowForm();
  HWND wnd = form->Handle();
  TWinSkinForm* painter = FramePainter(form);
  ASSERT_NE(painter, nullptr);
  EXPECT_EQ(painter->FrameState, fsRunning);
  EXPECT_EQ(SendMessageW(wnd, SKM_ISSKINNED, 0, 0), 1);
  // No native menu bar: the skin's band stands in its place.
  EXPECT_EQ(GetMenu(wnd), nullptr);
  EXPECT_GT(painter->MenuHeight, 0);

  auto* skin = form->FindComponentAs<TSkinData>("SkinData1");
  ASSERT_NE(skin, nullptr);
  const auto& top = skin->Borders[sdTop];
  ASSERT_TRUE(top && !top->Bitmap.Empty());
  EXPECT_EQ(painter->TitleHeight(), top->Bitmap.Height() / top->FrameCount);

  RECT window{}, client{};
  GetWindowRect(wnd, &window);
  GetClientRect(wnd, &client);
  EXPECT_EQ(client.right, 942);
  EXPECT_EQ(client.bottom, 622);
  EXPECT_EQ(window.right - window.left, 942 + painter->LeftWidth() + painter->RightWidth());
  EXPECT_EQ(window.bottom - window.top,
            622 + painter->TitleHeight() + painter->MenuHeight + painter->BottomHeight());
}

TEST_F(PracticeWindowTest, TheTitleBandShowsTheSkinsTopBorderAndTheCaption) {
  ShowForm();
  HWND wnd = form->Handle();
  SetForegroundWindow(wnd);
  tk::testing::PumpMessages(100);
  TWinSkinForm* painter = FramePainter(form);
  ASSERT_NE(painter, nullptr);
  auto* skin = form->FindComponentAs<TSkinData>("SkinData1");
  const auto& top = *skin->Borders[sdTop];
  RECT window{};
  GetWindowRect(wnd, &window);
  const int width = window.right - window.left;
  // Right of the caption, the band is the top border's active frame stretched along (each row is
  // one colour there).
  const int x = width - painter->RightWidth() - 200;
  const int sourceX = top.Bitmap.Width() / 2;
  for (int y : {2, painter->TitleHeight() / 2, painter->TitleHeight() - 3})
    EXPECT_EQ(skin_test::WindowPixel(wnd, x, y), top.Bitmap.PixelAt(sourceX, y)) << "row " << y;
  // The caption text was drawn in the band, left of that point.
  EXPECT_GT(painter->TextRect.right, painter->TextRect.left);
  EXPECT_LT(painter->TextRect.right, x);
  bool textColourSeen = false;
  const COLORREF textColour = tk::ColorToRGB(skin->Colors[scTitleTextActive]);
  for (int px = painter->TextRect.left; px < painter->TextRect.right && !textColourSeen; ++px)
    for (int py = painter->TextRect.top; py < painter->TextRect.bottom && !textColourSeen; ++py)
      textColourSeen = skin_test::WindowPixel(wnd, px, py) == textColour;
  EXPECT_TRUE(textColourSeen);
}

TEST_F(PracticeWindowTest, TheWindowIsShapedByTheSkinsTransparentCorners) {
  ShowForm();
  HWND wnd = form->Handle();
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  const int kind = GetWindowRgn(wnd, region);
  DeleteObject(region);
  EXPECT_NE(kind, ERROR);
  EXPECT_FALSE(skin_test::InWindowRegion(wnd, 0, 0));  // the rounded top-left corner
  RECT window{};
  GetWindowRect(wnd, &window);
  EXPECT_TRUE(skin_test::InWindowRegion(wnd, (window.right - window.left) / 2, (window.bottom - window.top) / 2));
}
