// The painted frame read back from the screen: client area, active and inactive frames, the
// caption text and where it goes, the text background band, minimized and captionless windows,
// and GDI objects and windows across many paints.
#include <windows.h>

#include <commctrl.h>

#include "FrameTestSupport.h"
#include "RealInput.h"

using namespace skin_test;

namespace {

using FramePaintTest = SkinnedFrameTest;

// Pixels of a colour within a rectangle of the window (frame coordinates).
int CountPixels(HWND wnd, const RECT& r, COLORREF colour) {
  RECT window{};
  GetWindowRect(wnd, &window);
  HDC screen = GetDC(nullptr);
  int count = 0;
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x)
      if (GetPixel(screen, window.left + x, window.top + y) == colour) ++count;
  ReleaseDC(nullptr, screen);
  return count;
}

TEST_F(FramePaintTest, TheClientAreaKeepsItsPlaceSizeAndPaint) {
  MakeSkinnedForm(400, 300);
  Activate();
  POINT origin{0, 0};
  ClientToScreen(Wnd(), &origin);
  RECT window{};
  GetWindowRect(Wnd(), &window);
  EXPECT_EQ(origin.x - window.left, LeftWidth);
  EXPECT_EQ(origin.y - window.top, TitleHeight);
  const COLORREF face = TableColour(scButtonFace);
  EXPECT_EQ(WindowPixel(Wnd(), LeftWidth, TitleHeight), face);
  EXPECT_EQ(WindowPixel(Wnd(), LeftWidth + 399, TitleHeight + 299), face);
  EXPECT_EQ(WindowPixel(Wnd(), LeftWidth - 1, TitleHeight + 150), BorderColour(1, 1));
  EXPECT_EQ(WindowPixel(Wnd(), LeftWidth + 400, TitleHeight + 150), BorderColour(2, 1));
  EXPECT_EQ(WindowPixel(Wnd(), LeftWidth + 200, TitleHeight + 300), BorderColour(4, 1));
  EXPECT_EQ(WindowPixel(Wnd(), LeftWidth + 200, TitleHeight - 1), BorderColour(3, 1));
}

TEST_F(FramePaintTest, AnInactiveFrameShowsTheSecondFramesAndTheInactiveTextColour) {
  MakeSkinnedForm(400, 300);
  Activate();
  const SIZE size = WindowSize();
  const RECT text = Painter()->TextRect;
  ASSERT_GT(text.right - text.left, 10);
  EXPECT_GT(CountPixels(Wnd(), text, TableColour(scTitleTextActive)), 0);
  EXPECT_EQ(CountPixels(Wnd(), text, TableColour(scTitleTextNoActive)), 0);

  Deactivate();
  EXPECT_EQ(WindowPixel(Wnd(), 1, size.cy / 2), BorderColour(1, 2));
  EXPECT_EQ(WindowPixel(Wnd(), size.cx - 2, size.cy / 2), BorderColour(2, 2));
  EXPECT_EQ(WindowPixel(Wnd(), size.cx / 2, size.cy - 2), BorderColour(4, 2));
  EXPECT_EQ(WindowPixel(Wnd(), size.cx - MinX - 20, 2), BorderColour(3, 2));
  EXPECT_GT(CountPixels(Wnd(), text, TableColour(scTitleTextNoActive)), 0);
  EXPECT_EQ(CountPixels(Wnd(), text, TableColour(scTitleTextActive)), 0);

  Activate();
  EXPECT_EQ(WindowPixel(Wnd(), 1, size.cy / 2), BorderColour(1, 1));
  EXPECT_EQ(WindowPixel(Wnd(), size.cx - MinX - 20, 2), BorderColour(3, 1));
}

TEST_F(FramePaintTest, ANewCaptionIsPaintedAtOnce) {
  MakeSkinnedForm(400, 300);
  Activate();
  const RECT before = Painter()->TextRect;
  EXPECT_EQ(before.left, TextShift);
  form->SetCaption("Skinned form with a longer caption");
  tk::testing::PumpMessages(50);
  const RECT after = Painter()->TextRect;
  EXPECT_EQ(after.left, TextShift);
  EXPECT_GT(after.right, before.right + 50);
  // The new words are on the screen.
  EXPECT_GT(CountPixels(Wnd(), RECT{before.right + 10, after.top, after.right, after.bottom}, TableColour(scTitleTextActive)),
            0);
  form->SetCaption("S");
  tk::testing::PumpMessages(50);
  EXPECT_LT(Painter()->TextRect.right, before.right);
  EXPECT_EQ(CountPixels(Wnd(), RECT{before.right + 10, after.top, after.right, after.bottom}, TableColour(scTitleTextActive)),
            0);
}

TEST_F(FramePaintTest, ALongCaptionStopsBeforeTheRightClip) {
  MakeSkinnedForm(300, 200);
  form->SetCaption(std::string(200, 'W'));
  tk::testing::PumpMessages(50);
  const SIZE size = WindowSize();
  EXPECT_EQ(Painter()->TextRect.left, TextShift);
  EXPECT_EQ(Painter()->TextRect.right, size.cx - TextRightClip);
  EXPECT_EQ(CountPixels(Wnd(), RECT{size.cx - TextRightClip, 0, size.cx - MinX, TitleHeight}, TableColour(scTitleTextActive)),
            0);
}

TEST_F(FramePaintTest, APopUpDialogFrameStartsItsTextFurtherLeftAndStopsBeforeItsButtons) {
  MakeSkinnedForm(300, 200, tk::TFormBorderStyle::bsDialog);
  ASSERT_EQ(Painter()->BorderKind, bkDialog);
  EXPECT_EQ(Painter()->TextRect.left, TextShift - 16);
  // Only the close button is shown on a dialog frame (no boxes, no icon).
  EXPECT_TRUE(Button(kClose).Visible);
  EXPECT_FALSE(Button(kMinimize).Visible);
  EXPECT_FALSE(Button(kMaximize).Visible);
  EXPECT_FALSE(Button(kIcon).Visible);
  form->SetCaption(std::string(200, 'W'));
  tk::testing::PumpMessages(50);
  EXPECT_EQ(Painter()->TextRect.right, WindowSize().cx - CloseX - 5);
}

// Answers the query for the program's own caption button.
LRESULT CALLBACK ShowOwnButton(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
  if (msg == SKM_QUERYBUTTON) return 1;
  return DefSubclassProc(wnd, msg, wParam, lParam);
}

TEST_F(FramePaintTest, APopUpFramesTextMakesRoomForTheButtonsShownInTheSamePaint) {
  SolidSkinOptions options;
  options.customButton = true;
  MakeSkinnedForm(300, 200, tk::TFormBorderStyle::bsDialog, TSkinFormType::sfDialog, options);
  form->SetCaption(std::string(200, 'W'));
  tk::testing::PumpMessages(50);
  EXPECT_EQ(Painter()->TextRect.right, WindowSize().cx - CloseX - 5);
  SetWindowSubclass(Wnd(), ShowOwnButton, 7, 0);
  SendMessageW(Wnd(), SKM_REPAINTFRAME, 0, 0);
  EXPECT_TRUE(Button(kCustom).Visible);
  EXPECT_EQ(Painter()->TextRect.right, WindowSize().cx - CustomX - 5);
  RemoveWindowSubclass(Wnd(), ShowOwnButton, 7);
}

TEST_F(FramePaintTest, RightToLeftCaptionsSitBeforeTheButtons) {
  beforeSkin = [](tk::TForm& f) {
    HWND wnd = f.Handle();
    SetWindowLongPtrW(wnd, GWL_EXSTYLE, GetWindowLongPtrW(wnd, GWL_EXSTYLE) | WS_EX_LEFTSCROLLBAR);
  };
  MakeSkinnedForm(400, 300);
  ASSERT_TRUE(Painter()->RightToLeft);
  // Right-aligned buttons take up to the minimize button's XCoord; the block then moves 10 right.
  EXPECT_EQ(Painter()->TextRect.right, WindowSize().cx - MinX + 10);
}

TEST_F(FramePaintTest, TheTextBackgroundIsAThreePartBandUnderTheText) {
  SolidSkinOptions options;
  options.textBack = true;
  MakeSkinnedForm(400, 300, tk::TFormBorderStyle::bsSizeable, TSkinFormType::sfDialog, options);
  Activate();
  const RECT text = Painter()->TextRect;
  // The band spans the text plus its ends, over the whole title height.
  const int left = text.left - TextBackEnd, right = text.right + TextBackEnd;
  EXPECT_EQ(WindowPixel(Wnd(), left + 1, TitleHeight - 2), TextBackColour(0, 1));
  EXPECT_EQ(WindowPixel(Wnd(), right - 2, TitleHeight - 2), TextBackColour(2, 1));
  EXPECT_EQ(WindowPixel(Wnd(), left + TextBackEnd + 1, TitleHeight - 2), TextBackColour(1, 1));
  EXPECT_EQ(WindowPixel(Wnd(), right - TextBackEnd - 2, TitleHeight - 2), TextBackColour(1, 1));
  // The middle's magenta top rows (stretched to twice their height) let the title show through.
  EXPECT_EQ(WindowPixel(Wnd(), left + TextBackEnd + 1, 1), BorderColour(3, 1));
  EXPECT_EQ(WindowPixel(Wnd(), left + 1, 1), TextBackColour(0, 1));
  // Outside the band: the title.
  EXPECT_EQ(WindowPixel(Wnd(), left - 2, TitleHeight - 2), BorderColour(3, 1));
  EXPECT_EQ(WindowPixel(Wnd(), right + 1, TitleHeight - 2), BorderColour(3, 1));

  Deactivate();
  EXPECT_EQ(WindowPixel(Wnd(), left + 1, TitleHeight - 2), TextBackColour(0, 2));
  EXPECT_EQ(WindowPixel(Wnd(), left + TextBackEnd + 1, TitleHeight - 2), TextBackColour(1, 2));
}

TEST_F(FramePaintTest, AMinimizedWindowShowsOnlyItsTitleOnTheButtonFace) {
  MakeSkinnedForm(400, 300);
  Activate();
  ShowWindow(Wnd(), SW_MINIMIZE);
  ASSERT_TRUE(WaitFor([&] { return IsIconic(Wnd()) && Painter()->ShowState == ssMinimized; }));
  tk::testing::PumpMessages(100);
  RepaintFrame();
  const SIZE size = WindowSize();
  ASSERT_GT(size.cx, 20);
  // The top element over the whole width: no side borders.
  const COLORREF title = WindowPixel(Wnd(), 1, TitleHeight / 2);
  EXPECT_TRUE(title == BorderColour(3, 1) || title == BorderColour(3, 2));
  EXPECT_EQ(WindowPixel(Wnd(), size.cx - 2, TitleHeight / 2), title);
  if (size.cy > TitleHeight + 1) EXPECT_EQ(WindowPixel(Wnd(), size.cx / 2, size.cy - 1), TableColour(scButtonFace));
  // A double click on it restores it.
  const POINT at = ScreenPoint(POINT{size.cx / 2, TitleHeight / 2});
  MoveMouse(at);
  LeftDown(at);
  LeftUp(at);
  LeftDown(at);
  LeftUp(at);
  ASSERT_TRUE(WaitFor([&] { return !IsIconic(Wnd()); }));
  EXPECT_EQ(Painter()->ShowState, ssNormal);
}

TEST_F(FramePaintTest, ACaptionlessFormKeepsNoFrame) {
  MakeSkinnedForm(300, 200, tk::TFormBorderStyle::bsNone);
  ASSERT_NE(Painter(), nullptr);
  EXPECT_EQ(Painter()->BorderKind, bkNoCaption);
  RECT client{};
  GetClientRect(Wnd(), &client);
  EXPECT_EQ(client.right, 300);
  EXPECT_EQ(client.bottom, 200);
  EXPECT_EQ(WindowSize().cx, 300);
  EXPECT_EQ(WindowPixel(Wnd(), 1, 1), TableColour(scButtonFace));
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetWindowRgn(Wnd(), region), ERROR);
  DeleteObject(region);
}

TEST_F(FramePaintTest, ManyFramePaintsAndResizesLeaveGdiObjectsAndWindowsAsTheyWere) {
  MakeSkinnedForm(400, 300);
  Activate();
  // Everything made once (buffers, the hint window) is made before counting.
  for (int i = 0; i < 5; ++i) {
    SetWindowPos(Wnd(), nullptr, 0, 0, 420 + i, 340 + i, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    Painter()->PaintFrame();
    Button(kClose).Hover();
    Button(kClose).Leave();
  }
  tk::testing::PumpMessages(50);
  const int gdi = tk::testing::GdiObjectCount();
  const int windows = tk::testing::ThreadWindowCount();
  for (int i = 0; i < 1000; ++i) {
    SetWindowPos(Wnd(), nullptr, 0, 0, 400 + i % 97, 320 + i % 53, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    Painter()->PaintFrame();
    Button(i % 3).Hover();
    Button(i % 3).Press();
    Button(i % 3).Leave();
    if (i % 50 == 0) tk::testing::PumpMessages(1);
  }
  tk::testing::PumpMessages(50);
  EXPECT_EQ(tk::testing::GdiObjectCount(), gdi);
  EXPECT_EQ(tk::testing::ThreadWindowCount(), windows);
}

}  // namespace
