// The default skin loaded into element records: every slot, frame count, margin and colour the
// program's description gives, and the images the load derives.
#include <gtest/gtest.h>

#include "ImgUtil.h"
#include "SkinLoader.h"
#include "SkinPixels.h"
#include "TestFiles.h"

using namespace skin_test;

namespace {

class DefaultSkinLoad : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    elements = new TSkinElements;
    ASSERT_TRUE(LoadSkinElements(*elements, ReadBytes(TOLVANE_DEFAULT_SKIN_FILE), [](const std::string& text) {
      ADD_FAILURE() << text;
    }));
  }
  static void TearDownTestSuite() { delete elements; }
  static TSkinElements* elements;
  TSkinElements& e = *elements;
};
TSkinElements* DefaultSkinLoad::elements = nullptr;

void ExpectMargins(const TDataSkinObject& r, int left, int top, int right, int bottom) {
  EXPECT_EQ(r.LeftWidth, left) << r.Name;
  EXPECT_EQ(r.TopHeight, top) << r.Name;
  EXPECT_EQ(r.RightWidth, right) << r.Name;
  EXPECT_EQ(r.BottomHeight, bottom) << r.Name;
}

void ExpectImage(const TDataSkinObject* r, int frames, int width, int height) {
  ASSERT_NE(r, nullptr);
  EXPECT_EQ(r->FrameCount, frames) << r->Name;
  EXPECT_EQ(r->Bitmap.Width(), width) << r->Name;
  EXPECT_EQ(r->Bitmap.Height(), height) << r->Name;
}

TEST_F(DefaultSkinLoad, CompletesWithTheSkinsName) {
  EXPECT_FALSE(e.Loading);
  EXPECT_EQ(e.SkinName, "Tolvane Slate");
}

TEST_F(DefaultSkinLoad, FrameBordersTakeTheirSideKeys) {
  const TDataSkinBorder& left = *e.Borders[sdLeft];
  ExpectMargins(left, 0, 28, 0, 5);
  ExpectImage(&left, 2, 8, 574);
  ExpectMargins(*e.Borders[sdRight], 0, 115, 0, 59);
  // Along the top and bottom the keys give the fixed left and right parts.
  ExpectMargins(*e.Borders[sdTop], 12, 0, 12, 0);
  ExpectImage(e.Borders[sdTop].get(), 2, 793, 56);
  ExpectMargins(*e.Borders[sdBottom], 12, 0, 12, 0);
  ExpectImage(e.Borders[sdBottom].get(), 2, 793, 10);
  for (int side = sdLeft; side <= sdBottom; ++side) {
    EXPECT_EQ(e.Borders[static_cast<size_t>(side)]->Tile, 1);
    EXPECT_EQ(e.Borders[static_cast<size_t>(side)]->Trans, 1);
  }
  EXPECT_EQ(e.Borders[0], nullptr);
}

TEST_F(DefaultSkinLoad, TitlePlacesTheCaptionText) {
  const TDataSkinTitle& title = *e.Title;
  ExpectMargins(title, 16, 2, 20, 0);
  EXPECT_EQ(title.FrameCount, 2);
  EXPECT_EQ(title.FontHeight, 14);
  EXPECT_TRUE(title.Bitmap.Empty());
  EXPECT_EQ(title.ActiveTextColour, TDataSkinTitle::NoColour);
  EXPECT_EQ(title.InactiveTextColour, TDataSkinTitle::NoColour);
}

TEST_F(DefaultSkinLoad, CaptionButtonsAreButton0To4ThenTheMdiButtons) {
  ASSERT_EQ(e.SysButtons.size(), 8u);
  const char* names[] = {"BUTTON0", "BUTTON1", "BUTTON2", "BUTTON3", "BUTTON4"};
  const int actions[] = {0, 1, 2, 1, 3};
  for (int i = 0; i < 5; ++i) {
    const TDataSkinSysButton& b = *e.SysButtons[static_cast<size_t>(i)];
    EXPECT_EQ(b.Name, names[i]);
    EXPECT_EQ(b.Action, actions[i]);
    EXPECT_EQ(b.FrameCount, 6) << b.Name;  // every strip is wider than 3.8 heights
    EXPECT_EQ(b.CombineOp, -1);
  }
  ExpectImage(e.SysButtons[0].get(), 6, 168, 16);
  EXPECT_EQ(e.SysButtons[0]->XCoord, 31);
  EXPECT_EQ(e.SysButtons[1]->Visibility, 2);
  EXPECT_EQ(e.SysButtons[1]->Visibility1, 6);
  EXPECT_EQ(e.SysButtons[2]->Visibility, 8);
  EXPECT_EQ(e.SysButtons[3]->Visibility1, 0);
  const TDataSkinSysButton& left = *e.SysButtons[4];
  EXPECT_TRUE(left.Bitmap.Empty());
  EXPECT_EQ(left.Align, 0);
  EXPECT_EQ(left.XCoord, 8);
  EXPECT_EQ(left.YCoord, 7);

  for (int i = 0; i < 3; ++i) {
    const TDataSkinSysButton& b = *e.SysButtons[static_cast<size_t>(5 + i)];
    EXPECT_EQ(b.Action, 7 + i);
    EXPECT_EQ(b.Align, 100);
    EXPECT_EQ(b.Visibility, 100);
    EXPECT_EQ(b.Visibility1, 100);
    ExpectImage(&b, 4, 52, 13);
    EXPECT_EQ(b.XCoord, 17 * (3 - i));
  }
}

TEST_F(DefaultSkinLoad, ButtonsCarryCheckAndRadioStrips) {
  const TDataSkinButton& b = *e.Buttons;
  ExpectImage(&b, 5, 380, 23);
  ExpectMargins(b, 3, 3, 3, 4);
  EXPECT_EQ(b.Trans, 1);
  EXPECT_EQ(b.CheckFrameCount, 12);
  EXPECT_EQ(b.RadioFrameCount, 8);
  EXPECT_EQ(b.CheckBitmap.Width(), 156);
  EXPECT_EQ(b.RadioBitmap.Width(), 104);
  EXPECT_EQ(b.HasNormalColour2, 0);
  EXPECT_EQ(b.NormalColour2, e.Colors[scButtonText]);
  EXPECT_EQ(b.NormalColour, -1);
}

TEST_F(DefaultSkinLoad, ElementsOfTheDescriptionWithTheirFrameCounts) {
  ExpectImage(e.Progress.get(), 1, 55, 16);  // Style 1: one frame
  ExpectMargins(*e.Progress, 2, 2, 2, 2);
  ExpectImage(e.ProgressChunk.get(), 0, 53, 12);  // no "Frame" key
  ExpectMargins(*e.ProgressChunk, 26, 0, 26, 0);
  ExpectImage(e.Tabs.get(), 5, 125, 19);
  EXPECT_TRUE(e.Tabs->Bitmap2.Empty());
  ExpectImage(e.TabPane.get(), 1, 48, 48);
  ExpectMargins(*e.TabPane, 2, 2, 4, 4);
  ExpectImage(e.StatusBarEdges.get(), 3, 204, 21);
  ExpectMargins(*e.StatusBarEdges, 50, 5, 17, 9);
  EXPECT_EQ(e.StatusBarEdges->Tile, 1);
  ExpectImage(e.Headerbar.get(), 4, 72, 18);  // its own "frame" key
  ExpectImage(e.MenuItem.get(), 5, 100, 18);
  ExpectImage(e.MenuBackground.get(), 1, 20, 20);
  ExpectImage(e.Scrollbar.get(), 23, 391, 17);
  ExpectImage(e.HorzScroll.get(), 4, 68, 17);
  ExpectImage(e.VertScroll.get(), 4, 68, 17);
  ExpectImage(e.HorzScrollThumb.get(), 4, 88, 17);
  ExpectImage(e.VertScrollThumb.get(), 4, 68, 100);
  ExpectImage(e.ExtraImages.get(), 5, 80, 17);
  ExpectImage(e.TrackThumbHorz.get(), 5, 55, 21);
  ExpectImage(e.TrackThumbDown.get(), 5, 50, 18);
  ExpectImage(e.TrackThumbVert.get(), 5, 105, 11);
  ExpectImage(e.UpDownHorz.get(), 8, 120, 16);
  EXPECT_EQ(e.UpDownHorz->Bitmap2.Width(), 48);
  ExpectImage(e.UpDownVert.get(), 8, 120, 16);
  EXPECT_EQ(e.UpDownVert->Bitmap2.Width(), 56);
  EXPECT_EQ(e.MenuItem->Trans, 1);
  EXPECT_EQ(e.Headerbar->Tile, 1);
}

TEST_F(DefaultSkinLoad, SectionsTheSkinLeavesOutLeaveTheirSlotsEmpty) {
  EXPECT_EQ(e.MenuBar, nullptr);
  EXPECT_EQ(e.SunkEdge, nullptr);
  EXPECT_EQ(e.ToolBars, nullptr);
  EXPECT_EQ(e.GroupBox, nullptr);
  EXPECT_EQ(e.GroupBoxEdge, nullptr);
  EXPECT_EQ(e.TrackThumbLeft, nullptr);
  EXPECT_EQ(e.TrackThumbRight, nullptr);
  EXPECT_EQ(e.TrackThumbUp, nullptr);
}

TEST_F(DefaultSkinLoad, TrackChannelsAreTheSkinsOwn) {
  ExpectImage(e.Track.get(), 0, 20, 4);  // no "Frame" key
  ExpectMargins(*e.Track, 2, 0, 2, 0);
  ExpectImage(e.TrackVert.get(), 0, 4, 20);
  ExpectMargins(*e.TrackVert, 0, 2, 0, 2);
  EXPECT_EQ(e.Track->Bitmap.BitCount(), 24);
}

TEST_F(DefaultSkinLoad, ComboButtonKeepsItsStripAndAMirroredCopy) {
  const TDataSkinBorder& combo = *e.ComboButton;
  ExpectImage(&combo, 4, 68, 16);
  EXPECT_EQ(combo.Style, 1);  // no SunkEdge: no combo pieces were drawn
  ASSERT_EQ(combo.Bitmap2.Width(), 68);
  EXPECT_EQ(combo.Bitmap2.PixelFormat(), tk::TPixelFormat::pf24bit);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 68; ++x) EXPECT_EQ(combo.Bitmap2.PixelAt(x, y), combo.Bitmap.PixelAt(67 - x, y));
}

TEST_F(DefaultSkinLoad, ComboArrowIsTheComboStripOnTheButtonFace) {
  ASSERT_NE(e.ComboArrow, nullptr);
  EXPECT_EQ(e.ComboArrow->Name, "ComboxArrow");
  ExpectImage(e.ComboArrow.get(), 4, 68, 16);
  int keyed = 0;
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 68; ++x) {
      const COLORREF source = e.ComboButton->Bitmap.PixelAt(x, y);
      keyed += source == Magenta;
      EXPECT_EQ(e.ComboArrow->Bitmap.PixelAt(x, y), source == Magenta ? RGB(244, 244, 244) : source);
    }
  EXPECT_GT(keyed, 0);
}

TEST_F(DefaultSkinLoad, ColoursGivenAndDefaulted) {
  EXPECT_EQ(e.Colors[scButtonFace], static_cast<tk::TColor>(RGB(244, 244, 244)));
  EXPECT_EQ(e.Colors[scTitleTextActive], static_cast<tk::TColor>(RGB(223, 223, 223)));
  EXPECT_EQ(e.Colors[scTitleTextNoActive], static_cast<tk::TColor>(RGB(175, 175, 175)));
  EXPECT_EQ(e.Colors[scButtonHilight], static_cast<tk::TColor>(RGB(255, 255, 255)));
  EXPECT_EQ(e.Colors[scButtonShadow], static_cast<tk::TColor>(RGB(201, 201, 201)));
  EXPECT_EQ(e.Colors[scButtonDkShadow], static_cast<tk::TColor>(RGB(106, 106, 106)));
  EXPECT_EQ(e.Colors[scButtonlight], static_cast<tk::TColor>(RGB(241, 241, 241)));
  EXPECT_EQ(e.Colors[scMenubar], static_cast<tk::TColor>(RGB(244, 244, 244)));
  EXPECT_EQ(e.Colors[scMenu], static_cast<tk::TColor>(RGB(244, 244, 244)));
  EXPECT_EQ(e.Colors[scMenuText], 0);
  EXPECT_EQ(e.Colors[scMenuBarText], static_cast<tk::TColor>(RGB(95, 95, 95)));
  EXPECT_EQ(e.Colors[scHilight], static_cast<tk::TColor>(RGB(197, 231, 246)));
  EXPECT_EQ(e.Colors[scHilightText], 0);
  for (TSkinColour given : {scButtonFace, scTitleTextActive, scTitleTextNoActive, scButtonHilight, scButtonShadow,
                            scButtonDkShadow, scButtonlight, scMenubar, scMenu, scMenuText, scMenuBarText, scHilight,
                            scHilightText})
    EXPECT_EQ(e.ColorGiven[given], 1) << given;
  EXPECT_EQ(e.Colors[scWindowText], tk::SysColor(8));
  EXPECT_EQ(e.Colors[scButtonText], tk::SysColor(18));
  EXPECT_EQ(e.Colors[scScrollbar], tk::SysColor(0));
  for (TSkinColour defaulted : {scWindowText, scButtonText, scScrollbar}) EXPECT_EQ(e.ColorGiven[defaulted], 0);
  EXPECT_EQ(e.Colors[9], 0);
  EXPECT_EQ(e.Colors[10], 0);
  EXPECT_EQ(e.Colors[scFrameSample], static_cast<tk::TColor>(e.Borders[sdTop]->Bitmap.PixelAt(793 / 3, 28 / 3)));
  EXPECT_TRUE(e.ColorSections.empty());
  for (tk::TColor c : e.CustomColors) EXPECT_EQ(c, tk::clWhite);
  EXPECT_TRUE(e.FaceBrush);
}

TEST_F(DefaultSkinLoad, ToolbarFaceRunsFromALightFaceToAShadeOfTheFrame) {
  ASSERT_NE(e.ToolbarFace, nullptr);
  EXPECT_EQ(e.ToolbarFace->Name, "Toolbar");
  ExpectImage(e.ToolbarFace.get(), 1, 10, 40);
  const tk::TColor c = e.Colors[scFrameSample];
  tk::TColor bottom = BlendColours(0x808080, c, 150);
  if (ColourSaturation(c) > 110) bottom = BlendColours(c, tk::clWhite, (225 - ColourSaturation(c)) * 25 / 140 + 50);
  EXPECT_EQ(e.ToolbarFace->Bitmap.PixelAt(5, 0), RGB(253, 253, 253));  // 15 % face, 85 % white
  const auto& gradient = GradientCacheSlot(GradientColours(40, RGB(253, 253, 253), bottom));
  EXPECT_EQ(e.ToolbarFace->Bitmap.PixelAt(9, 39), static_cast<COLORREF>(gradient[39]));
  EXPECT_EQ(e.ToolbarFace->Bitmap.PixelAt(0, 20), static_cast<COLORREF>(gradient[20]));
}

}  // namespace
