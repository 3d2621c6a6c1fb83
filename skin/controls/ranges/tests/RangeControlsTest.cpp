// The toolkit's range controls on their own (no skin): published properties by name, the
// platform control following them, the media player's click rule, picture marks and registration.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "Forms.h"
#include "GuiTestSupport.h"
#include "MediaPlayer.h"
#include "PictureMarks.h"
#include "Ranges.h"
#include "TypeInfo.h"
#include "WinSubClass.h"

namespace {

class RangeControlsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form = new tk::TForm(nullptr);
    form->SetBounds(80, 80, 420, 300);
    form->Show();
  }
  void TearDown() override {
    tk::TComponent::Free(form);
    tk::testing::PumpMessages(10);
  }
  template <class C>
  C* Place(int left, int top, int width, int height) {
    auto* control = new C(form);
    control->SetParent(form);
    control->SetBounds(left, top, width, height);
    control->HandleNeeded();
    return control;
  }
  tk::TForm* form = nullptr;
};

TEST_F(RangeControlsTest, EveryClassIsKnownByItsNameAndMakesItsWindowClass) {
  for (const char* name : {"TTrackBar", "TProgressBar", "TMediaPlayer", "TRzCheckBox", "TRzRadioButton", "TcxCheckBox"})
    EXPECT_NE(tk::FindComponentClass(name), nullptr) << name;
  auto* player = Place<tk::TMediaPlayer>(10, 10, 270, 30);
  wchar_t cls[64] = {};
  GetClassNameW(player->Handle(), cls, 64);
  EXPECT_STREQ(cls, L"TMediaPlayer");
}

TEST_F(RangeControlsTest, ProgressBarPropertiesReachThePlatformControl) {
  auto* bar = Place<tk::TProgressBar>(10, 10, 200, 18);
  ::SetPropText(bar, "Max", "50");
  ::SetPropText(bar, "Min", "10");
  ::SetPropText(bar, "Position", "30");
  HWND wnd = bar->Handle();
  EXPECT_EQ(SendMessageW(wnd, PBM_GETRANGE, TRUE, 0), 10);
  EXPECT_EQ(SendMessageW(wnd, PBM_GETRANGE, FALSE, 0), 50);
  EXPECT_EQ(SendMessageW(wnd, PBM_GETPOS, 0, 0), 30);
  bar->SetStep(15);
  bar->StepIt();
  EXPECT_EQ(bar->Position(), 45);
  bar->SetOrientation(tk::TProgressBarOrientation::pbVertical);
  EXPECT_TRUE(GetWindowLongPtrW(bar->Handle(), GWL_STYLE) & PBS_VERTICAL);
  EXPECT_EQ(bar->Position(), 45);  // kept through the new window
  EXPECT_EQ(::GetEnumText(bar, "Orientation"), "pbVertical");
}

TEST_F(RangeControlsTest, TrackBarKeepsItsValuesAndStyles) {
  auto* bar = Place<tk::TTrackBar>(10, 10, 200, 45);
  bar->SetMax(20);
  bar->SetPosition(12);
  bar->SetOrientation(tk::TTrackBarOrientation::trVertical);
  HWND wnd = bar->Handle();
  EXPECT_TRUE(GetWindowLongPtrW(wnd, GWL_STYLE) & TBS_VERT);
  EXPECT_EQ(SendMessageW(wnd, TBM_GETRANGEMAX, 0, 0), 20);
  EXPECT_EQ(SendMessageW(wnd, TBM_GETPOS, 0, 0), 12);
  bar->SetTickStyle(tk::TTickStyle::tsNone);
  EXPECT_TRUE(GetWindowLongPtrW(bar->Handle(), GWL_STYLE) & TBS_NOTICKS);
  EXPECT_EQ(::GetIntProp(bar, "Position"), 12);
  bar->SetPosition(99);  // held inside the range
  EXPECT_EQ(bar->Position(), 20);
}

TEST_F(RangeControlsTest, MediaPlayerClicksOnlyWhenReleasedOverThePressedEnabledButton) {
  auto* player = Place<tk::TMediaPlayer>(10, 10, 270, 30);
  player->SetEnabledButtons(player->EnabledButtons() - tk::TButtonSet{tk::TMPBtnType::btPause});
  std::vector<tk::TMPBtnType> clicks;
  player->OnClick = [&](tk::TMediaPlayer*, tk::TMPBtnType b) { clicks.push_back(b); };
  HWND wnd = player->Handle();
  auto click = [wnd](int down, int up) {
    SendMessageW(wnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(down, 10));
    SendMessageW(wnd, WM_LBUTTONUP, 0, MAKELPARAM(up, 10));
  };
  click(5, 20);     // play
  click(35, 35);    // pause: disabled
  click(65, 100);   // stop, released over next
  click(245, 250);  // eject
  ASSERT_EQ(clicks.size(), 2u);
  EXPECT_EQ(clicks[0], tk::TMPBtnType::btPlay);
  EXPECT_EQ(clicks[1], tk::TMPBtnType::btEject);
  // Hidden buttons give their columns to the others.
  player->SetVisibleButtons(tk::TButtonSet{tk::TMPBtnType::btStop, tk::TMPBtnType::btEject});
  clicks.clear();
  click(200, 200);
  ASSERT_EQ(clicks.size(), 1u);
  EXPECT_EQ(clicks[0], tk::TMPBtnType::btEject);
  EXPECT_EQ(tk::SetToString(tk::EnumInfoOf<tk::TMPBtnType>(), player->VisibleButtons().Bits()), "[btStop, btEject]");
}

TEST_F(RangeControlsTest, PictureMarkBoxesToggleAndRadioButtonsExcludeEachOther) {
  auto* box = Place<tk::TRzCheckBox>(10, 10, 150, 20);
  auto* first = Place<tk::TRzRadioButton>(10, 40, 150, 20);
  auto* second = Place<tk::TRzRadioButton>(10, 70, 150, 20);
  auto press = [](tk::TWinControl* c) {
    SendMessageW(c->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(c->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  };
  press(box);
  EXPECT_TRUE(box->Checked());
  press(box);
  EXPECT_FALSE(box->Checked());
  press(first);
  EXPECT_TRUE(first->Checked());
  press(second);
  EXPECT_TRUE(second->Checked());
  EXPECT_FALSE(first->Checked());
  EXPECT_NE(::GetObjectProp(box, "CustomGlyphs", &tk::TBitmap::StaticClass()), nullptr);
  auto* glyphBox = Place<tk::TcxCheckBox>(10, 100, 150, 20);
  tk::TObject* properties = ::GetObjectProp(glyphBox, "Properties", nullptr);
  EXPECT_NE(::GetObjectProp(properties, "Glyph", &tk::TBitmap::StaticClass()), nullptr);
}

TEST_F(RangeControlsTest, CustomGlyphsAreDrawnOnlyWhenSwitchedOn) {
  auto* box = Place<tk::TRzCheckBox>(10, 10, 150, 20);
  tk::TBitmap& strip = *box->CustomGlyphs();
  strip.SetSize(9 * 13, 13);
  const RECT all{0, 0, 9 * 13, 13};
  FillRect(strip.Canvas().Handle(), &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  box->SetTransparentColor(0xFF00FF);
  RedrawWindow(box->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  tk::testing::PumpMessages(20);
  POINT p{6, 10};
  ClientToScreen(box->Handle(), &p);
  HDC screen = GetDC(nullptr);
  const COLORREF plain = GetPixel(screen, p.x, p.y);
  box->SetUseCustomGlyphs(true);
  RedrawWindow(box->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  tk::testing::PumpMessages(20);
  const COLORREF pictured = GetPixel(screen, p.x, p.y);
  ReleaseDC(nullptr, screen);
  EXPECT_NE(plain, RGB(0, 0, 0));
  EXPECT_EQ(pictured, RGB(0, 0, 0));
}

}  // namespace
