// Group boxes: the rounded frame in the skin's shadow colour, the caption's side, the windowless
// children painted with the box, and bare group box windows.
#include "ChoiceFixture.h"
#include "SkinGroupBox.h"

using namespace choice_test;

namespace {

constexpr COLORREF TextColour = RGB(0, 0, 255);
constexpr int BoxWidth = 240, BoxHeight = 120;

class GroupBoxTest : public ChoiceTest {
 protected:
  tk::TGroupBox* Box(const std::string& caption) {
    auto* box = Place<tk::TGroupBox>(20, 20, BoxWidth, BoxHeight);
    box->SetCaption(caption);
    box->Font().SetColor(static_cast<tk::TColor>(TextColour));
    box->Handle();
    return box;
  }
  // Caption pixels (the text colour) in a column range of the caption's band.
  static int TextPixels(HWND wnd, int fromX, int toX) {
    tk::testing::PumpMessages(30);
    RECT r{};
    GetWindowRect(wnd, &r);
    int count = 0;
    for (int x = fromX; x < toX; ++x)
      for (int y = 0; y < 16; ++y)
        if (skin_test::ScreenPixel(r.left + x, r.top + y) == TextColour) ++count;
    return count;
  }
};

TEST_F(GroupBoxTest, TheFrameIsDrawnInTheShadowColourOverTheFace) {
  Start();
  tk::TGroupBox* box = Box("Settings");
  auto* painter = SkinAs(TPainterKind::pkGroupBox, box);
  ASSERT_NE(painter, nullptr);
  EXPECT_EQ(painter->Mode, 1);
  HWND wnd = box->Handle();
  EXPECT_EQ(At(wnd, 1, BoxHeight / 2), Shadow());
  EXPECT_EQ(At(wnd, BoxWidth - 2, BoxHeight / 2), Shadow());
  EXPECT_EQ(At(wnd, BoxWidth / 2, BoxHeight - 2), Shadow());
  EXPECT_EQ(At(wnd, 0, BoxHeight / 2), Face());
  EXPECT_EQ(At(wnd, BoxWidth / 2, BoxHeight / 2), Face());
  EXPECT_EQ(At(wnd, BoxWidth - 1, BoxHeight / 2), Face());
}

TEST_F(GroupBoxTest, TheCaptionStartsEightPixelsInAtTheLeftOrEndsEightInAtTheRightWithExRight) {
  Start();
  tk::TGroupBox* left = Box("WWWW");
  SkinAs(TPainterKind::pkGroupBox, left);
  HWND wnd = left->Handle();
  EXPECT_EQ(TextPixels(wnd, 0, 8), 0);
  EXPECT_GT(TextPixels(wnd, 8, BoxWidth / 2), 0);
  EXPECT_EQ(TextPixels(wnd, BoxWidth / 2, BoxWidth), 0);

  tk::TGroupBox* right = Box("WWWW");
  right->SetTop(160);
  HWND rightWnd = right->Handle();
  SetWindowLongPtrW(rightWnd, GWL_EXSTYLE, GetWindowLongPtrW(rightWnd, GWL_EXSTYLE) | WS_EX_RIGHT);
  SkinAs(TPainterKind::pkGroupBox, right);
  InvalidateRect(rightWnd, nullptr, TRUE);
  EXPECT_EQ(TextPixels(rightWnd, BoxWidth - 8, BoxWidth), 0);
  EXPECT_GT(TextPixels(rightWnd, BoxWidth / 2, BoxWidth - 8), 0);
  EXPECT_EQ(TextPixels(rightWnd, 0, BoxWidth / 2), 0);
}

TEST_F(GroupBoxTest, TheCaptionBreaksTheFrameLine) {
  Start();
  tk::TGroupBox* box = Box("WWWW");
  SkinAs(TPainterKind::pkGroupBox, box);
  HWND wnd = box->Handle();
  // Find the frame's top line at the middle, then look along it under the caption.
  int line = -1;
  for (int y = 0; y < 20 && line < 0; ++y)
    if (At(wnd, BoxWidth / 2, y) == Shadow()) line = y;
  ASSERT_GE(line, 0);
  int broken = 0;
  for (int x = 10; x < 30; ++x)
    if (PixelNow(wnd, x, line) != Shadow()) ++broken;
  EXPECT_GT(broken, 10);
}

TEST_F(GroupBoxTest, WindowlessChildrenArePaintedWithTheBox) {
  Start();
  tk::TGroupBox* box = Box("Box");
  auto* label = Place<tk::TLabel>(30, 40, 60, 20, box);
  label->SetAutoSize(false);
  label->SetBounds(30, 40, 60, 20);
  label->SetParentColor(false);
  label->SetColor(static_cast<tk::TColor>(RGB(10, 120, 200)));
  SkinAs(TPainterKind::pkGroupBox, box);
  EXPECT_EQ(At(box->Handle(), 30 + 58, 40 + 18), RGB(10, 120, 200));
}

TEST_F(GroupBoxTest, ABareGroupBoxWindowGetsTheSkinsFrameOverTheSystemsOne) {
  Start();
  HWND wnd = Child(L"BUTTON", BS_GROUPBOX, 20, 20, BoxWidth, BoxHeight, L"Bare");
  auto* painter = SkinWindow(TPainterKind::pkGroupBox, wnd);
  ASSERT_NE(painter, nullptr);
  EXPECT_EQ(painter->Mode, 0);
  InvalidateRect(wnd, nullptr, TRUE);
  EXPECT_EQ(At(wnd, 1, BoxHeight / 2), Shadow());
  EXPECT_EQ(At(wnd, 0, BoxHeight / 2), Face());
  EXPECT_EQ(At(wnd, BoxWidth - 1, BoxHeight / 2), Face());
  DestroyWindow(wnd);
}

TEST_F(GroupBoxTest, AThousandRepaintsLeaveHandleCountsFlat) {
  Start();
  tk::TGroupBox* box = Box("Counts");
  Place<tk::TLabel>(30, 40, 60, 20, box)->SetCaption("label");
  SkinAs(TPainterKind::pkGroupBox, box);
  HWND wnd = box->Handle();
  auto repaint = [&] {
    InvalidateRect(wnd, nullptr, TRUE);
    UpdateWindow(wnd);
  };
  repaint();
  tk::testing::PumpMessages(20);
  const int gdi = tk::testing::GdiObjectCount();
  const DWORD user = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
  for (int i = 0; i < 1000; ++i) repaint();
  tk::testing::PumpMessages(20);
  EXPECT_EQ(tk::testing::GdiObjectCount(), gdi);
  EXPECT_EQ(GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS), user);
}

}  // namespace
