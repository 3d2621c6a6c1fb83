// Skin loads of descriptions written for the case at hand, packed with small bitmaps.
#include <gtest/gtest.h>

#include "LzhEncoder.h"
#include "SkinLoader.h"
#include "SkinPixels.h"
#include "SkinRead.h"

using namespace skin_test;

namespace {

std::vector<uint8_t> Solid(int width, int height, COLORREF colour) {
  return BmpBytes(width, height, [colour](int, int) { return colour; });
}

class CraftedSkinLoad : public ::testing::Test {
 protected:
  bool Load(const std::string& description, std::vector<TSkinMember> bitmaps = {}) {
    return LoadSkinElements(e, PackedSkin(description, std::move(bitmaps)),
                            [this](const std::string& text) { notices.push_back(text); });
  }
  TSkinElements e;
  std::vector<std::string> notices;
};

TEST_F(CraftedSkinLoad, MemberNamesMatchWithoutRegardToCase) {
  ASSERT_TRUE(Load("[MenuItem]\nImage=MENU.bmp\n[Tabs]\nImage=tabs.bmp\n",
                   {{"Menu.bmp", Solid(10, 4, RGB(1, 2, 3))}, {"TABS.BMP", Solid(5, 5, RGB(4, 5, 6))}}));
  ASSERT_NE(e.MenuItem, nullptr);
  EXPECT_EQ(e.MenuItem->Bitmap.PixelAt(0, 0), RGB(1, 2, 3));
  ASSERT_NE(e.Tabs, nullptr);
  EXPECT_EQ(e.Tabs->Bitmap.PixelAt(4, 4), RGB(4, 5, 6));
}

TEST_F(CraftedSkinLoad, ADirectoryPartIsIgnoredACapitalExtensionIsNoImage) {
  ASSERT_TRUE(Load("[MenuItem]\nImage=skins\\slate/menu.bmp\n[Scrollbar]\nImage=menu.BMP\nLeftWidth=7\n"
                   "[HorzScroll]\nImage=menu\n",
                   {{"menu.bmp", Solid(10, 4, RGB(1, 2, 3))}}));
  EXPECT_EQ(e.MenuItem->Bitmap.Width(), 10);
  ASSERT_NE(e.Scrollbar, nullptr);  // the record exists, without a picture
  EXPECT_TRUE(e.Scrollbar->Bitmap.Empty());
  EXPECT_EQ(e.Scrollbar->LeftWidth, 7);
  EXPECT_TRUE(e.HorzScroll->Bitmap.Empty());
}

TEST_F(CraftedSkinLoad, AMemberThatIsNoBitmapLeavesTheImageEmpty) {
  ASSERT_TRUE(Load("[MenuItem]\nImage=broken.bmp\n[Tabs]\nImage=absent.bmp\n", {{"broken.bmp", Bytes("BMnot really")}}));
  EXPECT_TRUE(e.MenuItem->Bitmap.Empty());
  EXPECT_TRUE(e.Tabs->Bitmap.Empty());
}

TEST_F(CraftedSkinLoad, TabPaneMarginsAreCutToFour) {
  ASSERT_TRUE(Load("[Tab.Pane]\nImage=p.bmp\nLeftWidth=6\nTopHeight=4\nRightWidth=5\nBottomHeight=3\n",
                   {{"p.bmp", Solid(20, 20, 0)}}));
  EXPECT_EQ(e.TabPane->LeftWidth, 4);
  EXPECT_EQ(e.TabPane->TopHeight, 4);
  EXPECT_EQ(e.TabPane->RightWidth, 4);
  EXPECT_EQ(e.TabPane->BottomHeight, 3);
}

TEST_F(CraftedSkinLoad, CaptionButtonSectionsAreChosenByName) {
  ASSERT_TRUE(Load("[BUTTON]\nButtonImage=b.bmp\n[Buttons]\nBitmap=b.bmp\n[button.radio]\nAction=0\n"
                   "[Button.CheckBox]\nAction=0\n[Panel]\nButtonImage=b.bmp\n"
                   "[ButtonHidden]\nAction=-1\n"
                   "[ButtonShown]\nAction=-1\nVisibility=0\nButtonImage=b.bmp\n"
                   "[ButtonLeft]\nAction=3\nButtonImage=b.bmp\n"
                   "[ButtonCounted]\nAction=3\nframe=2\nButtonImage=b.bmp\n"
                   "[ButtonWide]\nAction=0\nButtonImage=w.bmp\n",
                   {{"b.bmp", Solid(30, 10, 0)}, {"w.bmp", Solid(39, 10, 0)}}));
  ASSERT_EQ(e.SysButtons.size(), 4u + 3u);
  const TDataSkinSysButton& shown = *e.SysButtons[0];
  EXPECT_EQ(shown.Name, "BUTTONSHOWN");
  EXPECT_EQ(shown.Visibility1, -1);  // no action: the second visibility defaults to -1
  EXPECT_EQ(shown.FrameCount, 6);    // 30 / 10 would give 3, but a negative action takes 6
  const TDataSkinSysButton& left = *e.SysButtons[1];
  EXPECT_EQ(left.FrameCount, 3);
  EXPECT_TRUE(left.Bitmap.Empty());  // drawn without an image of its own
  const TDataSkinSysButton& counted = *e.SysButtons[2];
  EXPECT_EQ(counted.FrameCount, 2);
  EXPECT_EQ(counted.Bitmap.Width(), 30);  // a "frame" key keeps the bitmap
  EXPECT_EQ(e.SysButtons[3]->FrameCount, 6);  // 39 / 10 = 3.9
  EXPECT_EQ(e.SysButtons[3]->Visibility1, 0);
}

TEST_F(CraftedSkinLoad, AnAction4ButtonTakesThePlaceOfTheMaximizedStatesButton) {
  ASSERT_TRUE(Load("[Button9]\nAction=4\nXCoord=3\nYCoord=4\n"
                   "[Button1]\nAction=1\nVisibility=2\nXCoord=49\nYCoord=5\n"
                   "[Button5]\nAction=4\nXCoord=1\nYCoord=1\n"));
  ASSERT_EQ(e.SysButtons.size(), 6u);
  EXPECT_EQ(e.SysButtons[0]->XCoord, 3);  // nothing to take yet: keeps its own
  EXPECT_EQ(e.SysButtons[0]->YCoord, 4);
  EXPECT_EQ(e.SysButtons[2]->XCoord, 49);
  EXPECT_EQ(e.SysButtons[2]->YCoord, 5);
}

TEST_F(CraftedSkinLoad, MdiButtonsCutTheirStripInThreeAndGoWithoutIt) {
  ASSERT_TRUE(Load("[MDICONTROLS]\nImage=mdi.bmp\n",
                   {{"mdi.bmp", BmpBytes(120, 9, [](int x, int) { return RGB(x, 0, 0); })}}));
  ASSERT_EQ(e.SysButtons.size(), 3u);
  for (int i = 0; i < 3; ++i) {
    const TDataSkinSysButton& b = *e.SysButtons[static_cast<size_t>(i)];
    ASSERT_EQ(b.Bitmap.Width(), 40);
    EXPECT_EQ(b.Bitmap.Height(), 9);
    EXPECT_EQ(b.Bitmap.PixelAt(0, 0), RGB(40 * i, 0, 0));
    EXPECT_EQ(b.Bitmap.PixelAt(39, 8), RGB(40 * i + 39, 0, 0));
    EXPECT_EQ(b.XCoord, 14 * (3 - i));
  }
  ASSERT_TRUE(Load("[Colours]\nButtonFace=1 2 3\n"));
  ASSERT_EQ(e.SysButtons.size(), 3u);
  EXPECT_TRUE(e.SysButtons[0]->Bitmap.Empty());
  EXPECT_EQ(e.SysButtons[0]->FrameCount, 4);
}

TEST_F(CraftedSkinLoad, ColourTablesOfTheDescription) {
  ASSERT_TRUE(Load("[Colours]\nButtonFace=10 20 30\nButtonText=\n"
                   "[Colour1]\ncolor=1 2 3\n[COLOURS2]\n[colours]\nMenu=9 9 9\n[Customcolors]\nColor3=4 5 6\n"
                   "[Tabs]\nImage=t.bmp\nNormalColour2=7 8 9\n",
                   {{"t.bmp", Solid(5, 5, 0)}}));
  EXPECT_EQ(e.Colors[scMenubar], static_cast<tk::TColor>(RGB(10, 20, 30)));  // defaults to the face
  EXPECT_EQ(e.ColorGiven[scMenubar], 0);
  EXPECT_EQ(e.Colors[scButtonText], tk::SysColor(18));
  EXPECT_EQ(e.ColorGiven[scButtonText], 0);
  ASSERT_EQ(e.ColorSections.size(), 2u);  // [Colours] and its later namesake are the table itself
  EXPECT_EQ(e.ColorSections[0], static_cast<tk::TColor>(RGB(1, 2, 3)));
  EXPECT_EQ(e.ColorSections[1], tk::SysColor(8));
  EXPECT_EQ(e.CustomColors[3], static_cast<tk::TColor>(RGB(4, 5, 6)));
  EXPECT_EQ(e.CustomColors[2], tk::clWhite);
  EXPECT_EQ(e.Tabs->NormalColour2, static_cast<tk::TColor>(RGB(7, 8, 9)));
  EXPECT_EQ(e.Tabs->PressedColour2, tk::SysColor(18));
  EXPECT_EQ(e.Colors[scFrameSample], static_cast<tk::TColor>(RGB(10, 20, 30)));  // no top border
}

TEST_F(CraftedSkinLoad, TitleColoursNeedAllThreeNumbers) {
  ASSERT_TRUE(Load("[Personality]\nActiveTextR=300\nActiveTextG=2\nActiveTextB=3\nInActiveTextR=1\nInActiveTextG=2\n"
                   "TextAlignment=2\n[Fonts]\nFontHeight=11\n"));
  EXPECT_EQ(e.Title->ActiveTextColour, static_cast<tk::TColor>(RGB(44, 2, 3)));
  EXPECT_EQ(e.Title->InactiveTextColour, TDataSkinTitle::NoColour);
  EXPECT_EQ(e.Title->TextAlignment, 2);
  EXPECT_EQ(e.Title->FontHeight, 11);
}

TEST_F(CraftedSkinLoad, MenuBarProgressAndTrackVariants) {
  ASSERT_TRUE(Load("[Personality]\nmenuBar=bar.bmp\nTileMenu=5\nTileRightMenu=4\nTopHeight=9\n"
                   "[Progress]\nBitmap=bar.bmp\nStyle=0\nTile=3\nNormalColour=5\n"
                   "[Track]\nImage=bar.bmp\nFrame=3\n[Headerbar]\nImage=bar.bmp\nFrame=0\n"
                   "[Buttons]\nCheckButton=chk.bmp\nRadioButton=rad.bmp\nTile=2\nNormalColour2=1 1 1\n",
                   {{"bar.bmp", Solid(12, 8, 0)}, {"chk.bmp", Solid(64, 16, 0)}, {"rad.bmp", Solid(26, 13, 0)}}));
  ASSERT_NE(e.MenuBar, nullptr);
  EXPECT_EQ(e.MenuBar->Tile, 1);
  EXPECT_EQ(e.MenuBar->LeftWidth, 1);
  EXPECT_EQ(e.MenuBar->RightWidth, 4);
  EXPECT_EQ(e.MenuBar->TopHeight, 0);
  EXPECT_EQ(e.MenuBar->FrameCount, 2);
  EXPECT_EQ(e.Progress->FrameCount, 2);  // style 0
  EXPECT_EQ(e.Progress->Tile, 1);
  EXPECT_EQ(e.Progress->NormalColour, -1);  // not read for this kind
  EXPECT_EQ(e.Track->FrameCount, 3);
  EXPECT_EQ(e.Track->Bitmap.Width(), 12);
  EXPECT_EQ(e.Track->LeftWidth, 0);
  EXPECT_EQ(e.TrackVert->Bitmap.Width(), 4);  // built in
  EXPECT_EQ(e.Headerbar->FrameCount, 5);
  EXPECT_EQ(e.Buttons->CheckFrameCount, 4);  // 64 div 16
  EXPECT_EQ(e.Buttons->RadioFrameCount, 4);  // 26 div 13 = 2, at least 4
  EXPECT_EQ(e.Buttons->Tile, 0);
  EXPECT_EQ(e.Buttons->HasNormalColour2, 1);
  EXPECT_EQ(e.Buttons->HasPressedColour2, 0);
}

TEST_F(CraftedSkinLoad, TrackChannelsWithoutTheirSectionsComeFromTheProgramsOwnBitmaps) {
  ASSERT_TRUE(Load("[Skins]\nVersion=200\n"));
  ASSERT_NE(e.Track, nullptr);
  ASSERT_NE(e.TrackVert, nullptr);
  EXPECT_EQ(e.Track->FrameCount, 1);
  EXPECT_EQ(e.Track->Bitmap.Width(), 16);
  EXPECT_EQ(e.Track->Bitmap.Height(), 4);
  EXPECT_EQ(e.Track->LeftWidth, 3);
  EXPECT_EQ(e.Track->BottomHeight, 3);
  EXPECT_EQ(e.TrackVert->Bitmap.Width(), 4);
  EXPECT_EQ(e.TrackVert->Bitmap.Height(), 16);
  const COLORREF g = 0x808080, s = 0xC0C0C0, w = 0xFFFFFF;
  const COLORREF track[4][16] = {{s, s, g, g, g, g, g, g, g, g, g, g, g, g, w, w},
                                 {s, s, w, w, w, w, w, w, w, w, w, w, w, w, w, w},
                                 {g, s, w, w, w, w, w, w, w, w, w, w, w, w, w, w},
                                 {s, s, w, w, w, w, w, w, w, w, w, w, w, w, w, w}};
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 16; ++x) EXPECT_EQ(e.Track->Bitmap.PixelAt(x, y), track[y][x]) << x << "," << y;
  const COLORREF top[2][4] = {{s, s, g, s}, {s, s, s, s}};
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 4; ++x) {
      const COLORREF expected = y < 2 ? top[y][x] : y < 14 ? (x == 0 ? g : w) : w;
      EXPECT_EQ(e.TrackVert->Bitmap.PixelAt(x, y), expected) << x << "," << y;
    }
  EXPECT_EQ(e.Track->Bitmap.BitCount(), 4);
}

TEST_F(CraftedSkinLoad, SunkEdgeAndComboButtonMakeTheComboPieces) {
  // SunkEdge: 4 frames of 8 x 6, frame f all blue f * 50; the button: 4 frames of 5 x 5 in red.
  ASSERT_TRUE(Load("[SunkEdge]\nImage=edge.bmp\nLeftWidth=2\nTopHeight=2\nRightWidth=2\nBottomHeight=2\n"
                   "[ComboButton]\nImage=btn.bmp\nTrans=1\nStyle=1\n",
                   {{"edge.bmp", BmpBytes(32, 6, [](int x, int) { return RGB(0, 0, (x / 8 + 1) * 50); })},
                    {"btn.bmp", BmpBytes(20, 5, [](int x, int) { return RGB((x / 5 + 1) * 60, 0, 0); })}}));
  const int w = GetSystemMetrics(SM_CXHSCROLL) + 2;
  const TDataSkinBorder& combo = *e.ComboButton;
  EXPECT_EQ(combo.Style, 2);
  EXPECT_EQ(combo.LeftWidth, 2);
  EXPECT_EQ(combo.RightWidth, w + 2);
  EXPECT_EQ(combo.TopHeight, 2);
  ASSERT_EQ(combo.Bitmap.Width(), 200);
  ASSERT_EQ(combo.Bitmap.Height(), 21);
  for (int f = 0; f < 4; ++f) {
    EXPECT_EQ(combo.Bitmap.PixelAt(50 * f, 0), RGB(0, 0, (f + 1) * 50));       // the edit frame
    EXPECT_EQ(combo.Bitmap.PixelAt(50 * f + 49, 10), RGB((f + 1) * 60, 0, 0));  // the button
    EXPECT_EQ(combo.Bitmap.PixelAt(50 * f + 10, 10), Magenta);                   // the edit's inside
  }
  const TDataSkinObject& edge = *e.SunkEdge;
  EXPECT_EQ(edge.LeftWidth, w + 2);
  EXPECT_EQ(edge.RightWidth, 2);
  for (int x = 0; x < 200; ++x) EXPECT_EQ(edge.Bitmap.PixelAt(x, 10), combo.Bitmap.PixelAt(199 - x, 10));
  const TDataSkinObject& arrow = *e.ComboArrow;
  EXPECT_EQ(arrow.FrameCount, 4);
  ASSERT_EQ(arrow.Bitmap.Width(), 68);
  ASSERT_EQ(arrow.Bitmap.Height(), 17);
  for (int i = 0; i < 4; ++i)
    for (int y = 0; y < 17; ++y)
      for (int x = 0; x < 17; x += 8)
        EXPECT_EQ(arrow.Bitmap.PixelAt(17 * i + x, y), combo.Bitmap.PixelAt((i + 1) * 50 - 19 + x, 2 + y));
}

TEST_F(CraftedSkinLoad, ASecondLoadEmptiesSlotsTheNewSkinLeavesOut) {
  ASSERT_TRUE(Load("[MenuItem]\nImage=m.bmp\n", {{"m.bmp", Solid(10, 4, 0)}}));
  ASSERT_NE(e.MenuItem, nullptr);
  ASSERT_TRUE(Load("[Tabs]\nImage=m.bmp\n", {{"m.bmp", Solid(10, 4, 0)}}));
  EXPECT_EQ(e.MenuItem, nullptr);
  EXPECT_NE(e.Tabs, nullptr);
}

TEST_F(CraftedSkinLoad, AnUnknownArchiveIsRefusedAndChangesNothing) {
  ASSERT_TRUE(Load("[MenuItem]\nImage=m.bmp\n", {{"m.bmp", Solid(10, 4, 0)}}));
  std::vector<uint8_t> archive = BuildSkinArchive(std::vector<TSkinMember>{{"a.ini", Bytes("[Tabs]\n")}});
  archive[0] = 0x10;  // version 69904
  EXPECT_FALSE(LoadSkinElements(e, LzhEncode(archive), [this](const std::string& text) { notices.push_back(text); }));
  ASSERT_EQ(notices.size(), 1u);
  EXPECT_EQ(notices[0], TSkinReader::OlderSkinMessage);
  EXPECT_TRUE(e.Loading);
  EXPECT_NE(e.MenuItem, nullptr);
}

}  // namespace
