// Track bars: the thumb and the channel come from the skin, the tic marks stay the control's own,
// vertical bars take the vertical images, and a skin without thumbs outlines the thumb.
#include <windows.h>
#include <commctrl.h>

#include <set>

#include "Ranges.h"
#include "RangesFixture.h"
#include "SkinTrackBar.h"

using namespace range_test;

namespace {

class TrackBarTest : public RangesTest {
 protected:
  tk::TTrackBar* Bar(int left, int top, bool vertical = false) {
    auto* bar = Place<tk::TTrackBar>(left, top, vertical ? 45 : 220, vertical ? 220 : 45);
    if (vertical) bar->SetOrientation(tk::TTrackBarOrientation::trVertical);
    bar->SetMax(10);
    bar->SetPosition(3);
    return bar;
  }
  static RECT Thumb(HWND wnd) {
    RECT r{};
    SendMessageW(wnd, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&r));
    return r;
  }
  static RECT Channel(HWND wnd, bool vertical) {
    RECT r{};
    SendMessageW(wnd, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&r));
    if (vertical && r.right - r.left > r.bottom - r.top) r = RECT{r.top, r.left, r.bottom, r.right};
    return r;
  }
};

TEST_F(TrackBarTest, ThumbAndChannelComeFromTheSkin) {
  Start();
  auto* bar = Bar(20, 20);
  ASSERT_NE(SkinAs(TPainterKind::pkTrackBar, bar), nullptr);
  HWND wnd = bar->Handle();
  Redraw(wnd);
  const RECT thumb = Thumb(wnd);
  ASSERT_GT(thumb.right - thumb.left, 2);
  EXPECT_EQ(At(wnd, (thumb.left + thumb.right) / 2, (thumb.top + thumb.bottom) / 2), ThumbHorzColour(2));
  const RECT channel = Channel(wnd, false);
  const int y = (channel.top + channel.bottom) / 2;
  // Right of the thumb, in the stretched middle of the channel image.
  EXPECT_EQ(PixelNow(wnd, (thumb.right + channel.right) / 2, y), TrackColour(1));
}

TEST_F(TrackBarTest, TicMarksKeepTheControlsOwnColours) {
  Start();
  auto* plain = Bar(20, 20);
  auto* skinned = Bar(20, 120);
  ASSERT_NE(SkinAs(TPainterKind::pkTrackBar, skinned), nullptr);
  HWND plainWnd = plain->Handle(), skinnedWnd = skinned->Handle();
  Redraw(plainWnd);
  Redraw(skinnedWnd);
  tk::testing::PumpMessages(30);
  const RECT thumb = Thumb(skinnedWnd);
  const SIZE size = ClientSize(skinnedWnd);
  const COLORREF background = PixelNow(plainWnd, 0, size.cy - 1);
  std::set<COLORREF> ticColours;
  for (int x = 0; x < size.cx; ++x) {
    for (int y = thumb.bottom + 1; y < size.cy; ++y) {
      const COLORREF mine = PixelNow(plainWnd, x, y);
      ASSERT_EQ(PixelNow(skinnedWnd, x, y), mine) << x << "," << y;
      if (mine != background) ticColours.insert(mine);
    }
  }
  EXPECT_FALSE(ticColours.empty()) << "no tic marks found below the thumb";
  for (COLORREF c : ticColours) {
    EXPECT_NE(c, ThumbHorzColour(2));
    EXPECT_NE(c, TrackColour(1));
  }
}

TEST_F(TrackBarTest, AVerticalBarTakesTheVerticalThumbAndChannel) {
  Start();
  auto* bar = Bar(20, 20, true);
  ASSERT_NE(SkinAs(TPainterKind::pkTrackBar, bar), nullptr);
  HWND wnd = bar->Handle();
  Redraw(wnd);
  const RECT thumb = Thumb(wnd);
  ASSERT_GT(thumb.bottom - thumb.top, 2);
  EXPECT_EQ(At(wnd, (thumb.left + thumb.right) / 2, (thumb.top + thumb.bottom) / 2), ThumbVertColour(2));
  const RECT channel = Channel(wnd, true);
  const int x = (channel.left + channel.right) / 2;
  EXPECT_EQ(PixelNow(wnd, x, (thumb.bottom + channel.bottom) / 2), TrackVertColour(1));
}

TEST_F(TrackBarTest, WithoutThumbImagesTheThumbIsOutlinedInTheShadowColour) {
  RangePartsOptions parts;
  parts.thumbs = false;
  Start(parts);
  auto* bar = Bar(20, 20);
  ASSERT_NE(SkinAs(TPainterKind::pkTrackBar, bar), nullptr);
  HWND wnd = bar->Handle();
  Redraw(wnd);
  const RECT thumb = Thumb(wnd);
  EXPECT_EQ(At(wnd, thumb.left, (thumb.top + thumb.bottom) / 2), Shadow());
  EXPECT_EQ(PixelNow(wnd, (thumb.left + thumb.right) / 2, thumb.top), Shadow());
}

TEST_F(TrackBarTest, UnskinnedTheControlDrawsItsOwnThumbAgain) {
  Start();
  auto* bar = Bar(20, 20);
  TSkinControl* painter = SkinAs(TPainterKind::pkTrackBar, bar);
  ASSERT_NE(painter, nullptr);
  HWND wnd = bar->Handle();
  Redraw(wnd);
  const RECT thumb = Thumb(wnd);
  const POINT centre{(thumb.left + thumb.right) / 2, (thumb.top + thumb.bottom) / 2};
  ASSERT_EQ(At(wnd, centre.x, centre.y), ThumbHorzColour(2));
  painter->Unskin();
  Redraw(wnd);
  EXPECT_NE(At(wnd, centre.x, centre.y), ThumbHorzColour(2));
}

TEST_F(TrackBarTest, SkinChangedGivesTheFocusBack) {
  Start();
  auto* bar = Bar(20, 20);
  auto* other = Bar(20, 120);
  TSkinControl* painter = SkinAs(TPainterKind::pkTrackBar, bar);
  ASSERT_NE(painter, nullptr);
  SetFocus(other->Handle());
  ASSERT_EQ(GetFocus(), other->Handle());
  painter->SkinChanged();
  EXPECT_EQ(GetFocus(), other->Handle());
}

TEST_F(TrackBarTest, MovingTheThumbRaisesOnChange) {
  Start();
  auto* bar = Bar(20, 20);
  ASSERT_NE(SkinAs(TPainterKind::pkTrackBar, bar), nullptr);
  int changes = 0;
  bar->OnChange = [&](tk::TObject*) { ++changes; };
  SetFocus(bar->Handle());
  SendMessageW(bar->Handle(), WM_KEYDOWN, VK_RIGHT, 0);
  SendMessageW(bar->Handle(), WM_KEYUP, VK_RIGHT, 0);
  tk::testing::PumpMessages(20);
  EXPECT_EQ(bar->Position(), 4);
  EXPECT_EQ(changes, 1);
}

}  // namespace
