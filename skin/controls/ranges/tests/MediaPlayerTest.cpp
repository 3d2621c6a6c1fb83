// Media players: the panel lies over the control and follows it, draws the buttons from the skin
// and the program's glyphs, and passes a click on only when it is released over the same button;
// handle counts stay flat over many steps, repaints and clicks of the family's painters.
#include <windows.h>

#include <vector>

#include "MediaPlayer.h"
#include "Ranges.h"
#include "RangesFixture.h"
#include "SkinMP.h"
#include "WMediaPlayer.h"

using namespace range_test;

namespace {

constexpr int PlayerW = 270, PlayerH = 30, Column = PlayerW / 9;

class MediaPlayerTest : public RangesTest {
 protected:
  tk::TMediaPlayer* Player() { return Place<tk::TMediaPlayer>(20, 20, PlayerW, PlayerH); }
  TSkinMP* Skin(tk::TMediaPlayer* player) { return dynamic_cast<TSkinMP*>(SkinAs(TPainterKind::pkMediaPlayer, player)); }
  static RECT ScreenRect(HWND wnd) {
    RECT r{};
    GetWindowRect(wnd, &r);
    return r;
  }
  static LPARAM At(int x, int y) { return MAKELPARAM(x, y); }
};

TEST(MediaPlayerGlyphs, AllTwentySevenAreInTheModule) {
  for (int look = TWMediaPlayer::glEnabled; look <= TWMediaPlayer::glColoured; ++look)
    for (int b = 0; b < TWMediaPlayer::ButtonCount; ++b) {
      const std::wstring name = TWMediaPlayer::GlyphName(static_cast<TWMediaPlayer::TGlyphLook>(look), b);
      EXPECT_NE(FindResourceW(GetModuleHandleW(nullptr), name.c_str(), MAKEINTRESOURCEW(2)), nullptr);
    }
  EXPECT_EQ(TWMediaPlayer::GlyphName(TWMediaPlayer::glEnabled, 0), L"EN_MPPLAY");
  EXPECT_EQ(TWMediaPlayer::GlyphName(TWMediaPlayer::glColoured, 8), L"CL_MPEJECT");
}

TEST_F(MediaPlayerTest, ThePanelLiesOverTheControlAndDrawsTheButtons) {
  Start();
  auto* player = Player();
  player->SetEnabledButtons(player->EnabledButtons() - tk::TButtonSet{tk::TMPBtnType::btStop});
  player->SetColoredButtons(tk::TButtonSet{tk::TMPBtnType::btPlay});
  TSkinMP* painter = Skin(player);
  ASSERT_NE(painter, nullptr);
  ASSERT_NE(painter->Panel(), nullptr);
  HWND panel = painter->Panel()->Handle();
  const RECT a = ScreenRect(panel), b = ScreenRect(player->Handle());
  EXPECT_TRUE(EqualRect(&a, &b));
  EXPECT_TRUE(IsWindowVisible(panel));
  Redraw(panel);
  // Play: normal frame, coloured glyph in its middle.
  EXPECT_EQ(RangesTest::At(panel, 3, 3), ButtonColour(1));
  EXPECT_EQ(PixelNow(panel, Column / 2, PlayerH / 2), RGB(0, 160, 0));
  // Pause: the glyph's olive gap between its bars lets the button show through.
  EXPECT_EQ(PixelNow(panel, Column + Column / 2, PlayerH / 2), ButtonColour(1));
  // Stop, disabled: the disabled frame and the grey glyph.
  EXPECT_EQ(PixelNow(panel, 2 * Column + 3, 3), ButtonColour(3));
  EXPECT_EQ(PixelNow(panel, 2 * Column + Column / 2, PlayerH / 2), RGB(128, 128, 128));
  // Next: enabled, not coloured: the black glyph.
  EXPECT_EQ(PixelNow(panel, 3 * Column + Column / 2 - 2, PlayerH / 2), RGB(0, 0, 0));
}

TEST_F(MediaPlayerTest, ThePanelFollowsTheControlsPlaceAndVisibility) {
  Start();
  auto* player = Player();
  TSkinMP* painter = Skin(player);
  ASSERT_NE(painter, nullptr);
  HWND panel = painter->Panel()->Handle();
  player->SetBounds(40, 90, 180, 26);
  tk::testing::PumpMessages(10);
  RECT a = ScreenRect(panel), b = ScreenRect(player->Handle());
  EXPECT_TRUE(EqualRect(&a, &b));
  player->SetVisible(false);
  EXPECT_FALSE(IsWindowVisible(panel));
  player->SetVisible(true);
  EXPECT_TRUE(IsWindowVisible(panel));
  player->SetBounds(10, 10, 200, 30);
  a = ScreenRect(panel);
  b = ScreenRect(player->Handle());
  EXPECT_TRUE(EqualRect(&a, &b));
}

TEST_F(MediaPlayerTest, AClickReachesTheControlOnlyWhenReleasedOverTheSameButton) {
  Start();
  auto* player = Player();
  std::vector<tk::TMPBtnType> clicks;
  player->OnClick = [&](tk::TMediaPlayer*, tk::TMPBtnType button) { clicks.push_back(button); };
  TSkinMP* painter = Skin(player);
  ASSERT_NE(painter, nullptr);
  HWND panel = painter->Panel()->Handle();
  const int y = PlayerH / 2;
  SendMessageW(panel, WM_LBUTTONDOWN, MK_LBUTTON, At(Column * 2 + 5, y));
  EXPECT_EQ(painter->Panel()->PressedButton(), 2);
  EXPECT_NE(GetCapture(), player->Handle());
  SendMessageW(panel, WM_LBUTTONUP, 0, At(Column * 2 + 9, y));
  ASSERT_EQ(clicks.size(), 1u);
  EXPECT_EQ(clicks[0], tk::TMPBtnType::btStop);
  EXPECT_EQ(painter->Panel()->PressedButton(), -1);

  // Pressed on play, released on pause: the control sees the press and never the release.
  skin_test::MessageRecorder control(player->Handle());
  SendMessageW(panel, WM_LBUTTONDOWN, MK_LBUTTON, At(5, y));
  SendMessageW(panel, WM_LBUTTONUP, 0, At(Column + 5, y));
  EXPECT_EQ(clicks.size(), 1u);
  EXPECT_EQ(control.Count(WM_LBUTTONDOWN), 1);
  EXPECT_EQ(control.Count(WM_LBUTTONUP), 0);
  // Pressed and released on next: both.
  control.Clear();
  SendMessageW(panel, WM_LBUTTONDOWN, MK_LBUTTON, At(3 * Column + 2, y));
  SendMessageW(panel, WM_LBUTTONUP, 0, At(3 * Column + 8, y));
  EXPECT_EQ(control.Count(WM_LBUTTONDOWN), 1);
  ASSERT_EQ(control.Count(WM_LBUTTONUP), 1);
  EXPECT_EQ(control.Entries().back().lParam, At(3 * Column + 8, y));
  ASSERT_EQ(clicks.size(), 2u);
  EXPECT_EQ(clicks[1], tk::TMPBtnType::btNext);
}

TEST_F(MediaPlayerTest, WhilePressedTheButtonShowsItsPressedFrame) {
  Start();
  auto* player = Player();
  TSkinMP* painter = Skin(player);
  ASSERT_NE(painter, nullptr);
  HWND panel = painter->Panel()->Handle();
  SendMessageW(panel, WM_LBUTTONDOWN, MK_LBUTTON, At(Column + 5, 5));
  Redraw(panel);
  EXPECT_EQ(RangesTest::At(panel, Column + 3, 3), ButtonColour(2));
  EXPECT_EQ(PixelNow(panel, 3, 3), ButtonColour(1));
  SendMessageW(panel, WM_LBUTTONUP, 0, At(Column + 5, 5));
  Redraw(panel);
  EXPECT_EQ(RangesTest::At(panel, Column + 3, 3), ButtonColour(1));
}

TEST_F(MediaPlayerTest, UnskinFreesThePanelAndFreeingThePainterToo) {
  Start();
  auto* player = Player();
  TSkinMP* painter = Skin(player);
  ASSERT_NE(painter, nullptr);
  HWND panel = painter->Panel()->Handle();
  painter->Unskin();
  EXPECT_EQ(painter->Panel(), nullptr);
  EXPECT_FALSE(IsWindow(panel));
  auto* second = Place<tk::TMediaPlayer>(20, 80, PlayerW, PlayerH);
  TSkinMP* other = Skin(second);
  ASSERT_NE(other, nullptr);
  HWND otherPanel = other->Panel()->Handle();
  tk::TComponent::Free(second);  // the painter goes with its control
  tk::testing::PumpMessages(10);
  EXPECT_FALSE(IsWindow(otherPanel));
}

TEST_F(MediaPlayerTest, WithoutTheButtonsImageThePanelStillDrawsFaceAndGlyphs) {
  RangePartsOptions parts;
  parts.buttons = false;
  Start(parts);
  auto* player = Player();
  TSkinMP* painter = Skin(player);
  ASSERT_NE(painter, nullptr);
  HWND panel = painter->Panel()->Handle();
  Redraw(panel);
  EXPECT_EQ(RangesTest::At(panel, 3, 3), Face());
  // Every button is coloured unless the control says otherwise.
  EXPECT_EQ(PixelNow(panel, Column / 2, PlayerH / 2), RGB(0, 160, 0));
}

TEST_F(MediaPlayerTest, ManyStepsRepaintsAndClicksLeaveHandleCountsFlat) {
  Start();
  auto* player = Player();
  auto* progress = Place<tk::TProgressBar>(20, 80, 200, 18);
  auto* track = Place<tk::TTrackBar>(20, 120, 200, 45);
  TSkinMP* painter = Skin(player);
  ASSERT_NE(painter, nullptr);
  ASSERT_NE(SkinAs(TPainterKind::pkProgress, progress), nullptr);
  ASSERT_NE(SkinAs(TPainterKind::pkTrackBar, track), nullptr);
  HWND panel = painter->Panel()->Handle();
  auto cycle = [&](int i) {
    progress->SetPosition(i % 101);
    UpdateWindow(progress->Handle());
    Redraw(track->Handle());
    SendMessageW(panel, WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
    SendMessageW(panel, WM_LBUTTONUP, 0, At(5, 5));
    UpdateWindow(panel);
  };
  cycle(0);
  tk::testing::PumpMessages(20);
  const int gdi = tk::testing::GdiObjectCount(), windows = tk::testing::ThreadWindowCount();
  const DWORD user = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
  for (int i = 1; i <= 1000; ++i) cycle(i);
  tk::testing::PumpMessages(20);
  EXPECT_EQ(tk::testing::GdiObjectCount(), gdi);
  EXPECT_EQ(tk::testing::ThreadWindowCount(), windows);
  EXPECT_EQ(GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS), user);
}

}  // namespace
