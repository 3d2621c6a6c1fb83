// The window region: shaped where the skin's borders have transparent pixels, the whole window
// otherwise; remade when the size changes and only then.
#include "FrameTestSupport.h"

using namespace skin_test;

namespace {

using WindowRegionTest = SkinnedFrameTest;

RECT RegionBox(HWND wnd) {
  RECT box{};
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  if (GetWindowRgn(wnd, region) != ERROR) GetRgnBox(region, &box);
  DeleteObject(region);
  return box;
}

int RegionKind(HWND wnd) {
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  const int kind = GetWindowRgn(wnd, region);
  DeleteObject(region);
  return kind;
}

TEST_F(WindowRegionTest, TransparentCornersAreCutOutOfTheWindow) {
  SolidSkinOptions options;
  options.transparentCorners = true;
  MakeSkinnedForm(400, 300, tk::TFormBorderStyle::bsSizeable, TSkinFormType::sfDialog, options);
  const SIZE size = WindowSize();
  ASSERT_EQ(RegionKind(Wnd()), COMPLEXREGION);
  EXPECT_FALSE(InWindowRegion(Wnd(), 0, 0));
  EXPECT_FALSE(InWindowRegion(Wnd(), CornerSize - 1, CornerSize - 1));
  EXPECT_FALSE(InWindowRegion(Wnd(), size.cx - 1, 0));
  EXPECT_FALSE(InWindowRegion(Wnd(), size.cx - CornerSize, CornerSize - 1));
  EXPECT_TRUE(InWindowRegion(Wnd(), CornerSize, 0));
  EXPECT_TRUE(InWindowRegion(Wnd(), 0, CornerSize));
  EXPECT_TRUE(InWindowRegion(Wnd(), size.cx / 2, 0));
  EXPECT_TRUE(InWindowRegion(Wnd(), size.cx / 2, size.cy / 2));
  EXPECT_TRUE(InWindowRegion(Wnd(), size.cx - 1, size.cy - 1));
  EXPECT_FALSE(InWindowRegion(Wnd(), size.cx, size.cy / 2));
}

TEST_F(WindowRegionTest, TheShapedRegionFollowsASizeChange) {
  SolidSkinOptions options;
  options.transparentCorners = true;
  MakeSkinnedForm(400, 300, tk::TFormBorderStyle::bsSizeable, TSkinFormType::sfDialog, options);
  const SIZE before = WindowSize();
  SetWindowPos(Wnd(), nullptr, 0, 0, before.cx + 60, before.cy + 40, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  tk::testing::PumpMessages(30);
  const SIZE after = WindowSize();
  ASSERT_EQ(after.cx, before.cx + 60);
  EXPECT_EQ(Painter()->RegionSize.cx, after.cx);
  EXPECT_EQ(Painter()->RegionSize.cy, after.cy);
  EXPECT_FALSE(InWindowRegion(Wnd(), after.cx - 1, 0));
  EXPECT_TRUE(InWindowRegion(Wnd(), after.cx - 1, after.cy - 1));
  EXPECT_TRUE(InWindowRegion(Wnd(), after.cx - 10, 10));
  // Where the old corner was is now inside the window.
  EXPECT_TRUE(InWindowRegion(Wnd(), before.cx - 1, 0));
  const RECT box = RegionBox(Wnd());
  EXPECT_EQ(box.right, after.cx);
  EXPECT_EQ(box.bottom, after.cy);
}

TEST_F(WindowRegionTest, WithoutTransparentBordersTheRegionIsTheWholeWindow) {
  MakeSkinnedForm(400, 300);
  SIZE size = WindowSize();
  ASSERT_EQ(RegionKind(Wnd()), SIMPLEREGION);
  RECT box = RegionBox(Wnd());
  EXPECT_EQ(box.left, 0);
  EXPECT_EQ(box.top, 0);
  EXPECT_EQ(box.right, size.cx);
  EXPECT_EQ(box.bottom, size.cy);
  EXPECT_TRUE(InWindowRegion(Wnd(), 0, 0));
  SetWindowPos(Wnd(), nullptr, 0, 0, size.cx + 30, size.cy + 20, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  tk::testing::PumpMessages(30);
  size = WindowSize();
  box = RegionBox(Wnd());
  EXPECT_EQ(box.right, size.cx);
  EXPECT_EQ(box.bottom, size.cy);
}

TEST_F(WindowRegionTest, TheRegionIsRemadeOnlyWhenTheSizeChanges) {
  SolidSkinOptions options;
  options.transparentCorners = true;
  MakeSkinnedForm(400, 300, tk::TFormBorderStyle::bsSizeable, TSkinFormType::sfDialog, options);
  const HRGN first = Painter()->Region;
  ASSERT_NE(first, nullptr);
  RECT r{};
  GetWindowRect(Wnd(), &r);
  // A move and a repaint keep it; so does a size "change" to the same size.
  SetWindowPos(Wnd(), nullptr, r.left + 10, r.top + 10, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  SendMessageW(Wnd(), SKM_REPAINTFRAME, 0, 0);
  Painter()->UpdateRegion();
  tk::testing::PumpMessages(30);
  EXPECT_EQ(Painter()->Region, first);
  SetWindowPos(Wnd(), nullptr, 0, 0, r.right - r.left + 1, r.bottom - r.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  tk::testing::PumpMessages(30);
  EXPECT_NE(Painter()->Region, first);
}

TEST_F(WindowRegionTest, ABottomBorderOfHeightOneKeepsItsPlainRectangle) {
  SolidSkinOptions options;
  options.bottomMagentaCorner = true;
  options.bottomHeight = 1;
  MakeSkinnedForm(400, 300, tk::TFormBorderStyle::bsSizeable, TSkinFormType::sfDialog, options);
  const SIZE size = WindowSize();
  ASSERT_EQ(Painter()->BottomHeight(), 1);
  EXPECT_TRUE(InWindowRegion(Wnd(), LeftWidth + 1, size.cy - 1));
  EXPECT_TRUE(InWindowRegion(Wnd(), 0, 0));
}

TEST_F(WindowRegionTest, ABottomBorderOfHeightTwoIsCutToItsPicture) {
  SolidSkinOptions options;
  options.bottomMagentaCorner = true;
  options.bottomHeight = 2;
  MakeSkinnedForm(400, 300, tk::TFormBorderStyle::bsSizeable, TSkinFormType::sfDialog, options);
  const SIZE size = WindowSize();
  ASSERT_EQ(Painter()->BottomHeight(), 2);
  EXPECT_FALSE(InWindowRegion(Wnd(), LeftWidth + 1, size.cy - 1));
  EXPECT_TRUE(InWindowRegion(Wnd(), LeftWidth + 10, size.cy - 1));
  // The other sides are not transparent: their plain rectangles.
  EXPECT_TRUE(InWindowRegion(Wnd(), 0, 0));
  EXPECT_TRUE(InWindowRegion(Wnd(), 0, size.cy - 1));
}

}  // namespace
