// The default skin as the build packs it: archive layout, member table, description and pixels.
#include <gtest/gtest.h>

#include <map>
#include <sstream>

#include "BmpInfo.h"
#include "SkinRead.h"
#include "TestFiles.h"
#include "WinSkinIni.h"

namespace {

struct TExpectedMember {
  const char* Name;
  std::int32_t Size;
  int Width, Height, Bits;
};

const TExpectedMember Members[] = {
    {"buttons.bmp", 26274, 380, 23, 24},        {"checkbox.bmp", 6138, 156, 13, 24},
    {"radiobutton.bmp", 4110, 104, 13, 24},     {"progress.bmp", 2742, 55, 16, 24},
    {"progresschunk.bmp", 1974, 53, 12, 24},    {"tab.bmp", 7198, 125, 19, 24},
    {"tabsheet.bmp", 6966, 48, 48, 24},         {"comboboxbtn.bmp", 3318, 68, 16, 24},
    {"statusbar.bmp", 12906, 204, 21, 24},      {"header.bmp", 3942, 72, 18, 24},
    {"scrollbararrow.bmp", 26642, 391, 17, 32}, {"scrollbarhthumb.bmp", 4542, 88, 17, 24},
    {"scrollbarvthumb.bmp", 20454, 68, 100, 24}, {"scrollbarhbar.bmp", 3522, 68, 17, 24},
    {"scrollbarvbar.bmp", 3522, 68, 17, 24},    {"menubackground.bmp", 1654, 20, 20, 32},
    {"menuitem.bmp", 7254, 100, 18, 32},        {"extraimages.bmp", 4134, 80, 17, 24},
    {"trackthumbh.bmp", 3582, 55, 21, 24},      {"trackbot.bmp", 2790, 50, 18, 24},
    {"mdibutton.bmp", 6138, 156, 13, 24},       {"spin.bmp", 5814, 120, 16, 24},
    {"spinarrow.bmp", 1062, 56, 6, 24},         {"spinh.bmp", 5814, 120, 16, 24},
    {"spinharrow.bmp", 1062, 48, 7, 24},        {"closebutton.bmp", 8118, 168, 16, 24},
    {"maxbutton.bmp", 4982, 102, 16, 24},       {"minbutton.bmp", 4982, 102, 16, 24},
    {"restrorebutton.bmp", 4982, 102, 16, 24},  {"frameleft.bmp", 13830, 8, 574, 24},
    {"frameright.bmp", 13830, 8, 574, 24},      {"frametop.bmp", 133334, 793, 56, 24},
    {"framebottom.bmp", 23854, 793, 10, 24},    {"mincaption.bmp", 33102, 203, 54, 24},
    {"trackthumbv.bmp", 3530, 105, 11, 24},     {"track.bmp", 294, 20, 4, 24},
    {"trackvert.bmp", 294, 4, 20, 24},
};

// Sections and their keys and values, in order ([TitlebarSkin] values are the skin's own).
const std::pair<const char*, const char*> Description[] = {
    {"TitlebarSkin", "SkinName=*; SkinAuthor=*"},
    {"Skins", "Version=200"},
    {"Buttons", "Bitmap=Buttons.bmp; TopHeight=3; BottomHeight=4; LeftWidth=3; Rightwidth=3; Trans=1; "
                "CheckButtonFrame=12; RadioButtonFrame=8; CheckButton=Checkbox.bmp; RadioButton=RadioButton.bmp"},
    {"Progress", "Bitmap=Progress.bmp; TopHeight=2; BottomHeight=2; LeftWidth=2; Rightwidth=2; Trans=0; Tile=0; Style=1"},
    {"Progress.Chunk", "Image=ProgressChunk.bmp; TopHeight=0; BottomHeight=0; LeftWidth=26; Rightwidth=26; Trans=1; "
                       "Tile=0; Style=1"},
    {"Tabs", "Image=Tab.bmp; TopHeight=6; BottomHeight=6; LeftWidth=6; Rightwidth=6; Trans=0; Tile=0; Style=1"},
    {"Tab.Pane", "Image=TabSheet.bmp; TopHeight=2; BottomHeight=4; LeftWidth=2; Rightwidth=4; Trans=0; Tile=0; Style=1"},
    {"ComboButton", "Image=ComboboxBtn.bmp; Trans=1; Style=1"},
    {"StatusBarEdges", "Image=StatusBar.bmp; TopHeight=5; BottomHeight=9; LeftWidth=50; Rightwidth=17; Tile=1"},
    {"Headerbar", "Image=Header.bmp; TopHeight=13; BottomHeight=2; LeftWidth=8; Rightwidth=7; Tile=1; Trans=1; frame=4"},
    {"Scrollbar", "Image=ScrollbarArrow.bmp"},
    {"HorzScrollThumb", "Image=ScrollbarHThumb.bmp; TopHeight=5; BottomHeight=5; LeftWidth=5; Rightwidth=5; FrameCount=4"},
    {"VertScrollThumb", "Image=ScrollbarVThumb.bmp; TopHeight=5; BottomHeight=5; LeftWidth=5; Rightwidth=5; FrameCount=4"},
    {"HorzScroll", "Image=ScrollbarHBar.bmp; TopHeight=1; BottomHeight=1; LeftWidth=0; Rightwidth=0; Tile=0"},
    {"VertScroll", "Image=ScrollbarVBar.bmp; TopHeight=1; BottomHeight=1; LeftWidth=1; Rightwidth=1; Tile=0"},
    {"MenuBackground", "Image=MenuBackground.bmp; TopHeight=5; BottomHeight=5; LeftWidth=5; Rightwidth=5"},
    {"MenuItem", "Image=MenuItem.bmp; TopHeight=3; BottomHeight=3; LeftWidth=2; Rightwidth=2; Frame=5; Trans=1"},
    {"ExtraImages", "Image=ExtraImages.bmp"},
    {"Trackbar.ThumbHorz", "Image=TrackThumbH.bmp"},
    {"Trackbar.ThumbDown", "Image=TrackBot.bmp"},
    {"MDICONTROLS", "Image=Mdibutton.bmp"},
    {"UpDown.Vert", "Image=Spin.bmp; GlyphImage=SpinArrow.bmp"},
    {"UpDown.Horz", "Image=Spinh.bmp; GlyphImage=SpinhArrow.bmp"},
    {"Button0", "ButtonImage=CloseButton.bmp; Align=1; XCoord=31; YCoord=5; Action=0; Visibility=0"},
    {"Button1", "ButtonImage=MaxButton.bmp; Align=1; XCoord=49; YCoord=5; Action=1; Visibility=2; Visibility1=6"},
    {"Button2", "ButtonImage=MinButton.bmp; Align=1; XCoord=67; YCoord=5; Action=2; Visibility=8"},
    {"Button3", "ButtonImage=RestroreButton.bmp; Align=1; XCoord=49; YCoord=5; Action=1; Visibility=1"},
    {"Button4", "Align=0; XCoord=8; YCoord=7; Action=3; Visibility=0"},
    {"Personality", "Left=FrameLeft.bmp; LeftFrame=2; LeftStretch=1; LeftTrans=1; LeftTopHeight=28; LeftBotHeight=5; "
                    "Right=FrameRight.bmp; RightFrame=2; RightStretch=1; RightTrans=1; RightTopHeight=115; "
                    "RightBotHeight=59; Top=FrameTop.bmp; TopFrame=2; TopStretch=1; TopTrans=1; TopTopHeight=12; "
                    "TopBotHeight=12; Bottom=FrameBottom.bmp; BottomFrame=2; BottomStretch=1; BottomTrans=1; "
                    "BottomTopHeight=12; BottomBotHeight=12; TextShift=16; TextShiftVert=2; TextRightClip=20"},
    {"MinCaption", "Image=MinCaption.bmp; TopHeight=7; BottomHeight=3; LeftWidth=4; Rightwidth=4; Tile=0; Trans=0; Frame=2"},
    {"Colours", "ButtonFace=244 244 244; TitleTextActive=223 223 223; TitleTextNoActive=175 175 175; "
                "ButtonHilight=255 255 255; ButtonShadow=201 201 201; ButtonDkShadow=106 106 106; "
                "Buttonlight=241 241 241; Menubar=244 244 244; Menu=244 244 244; MenuText=0 0 0; "
                "MenuBarText=95 95 95; Hilight=197 231 246; HilightText=0 0 0"},
    {"Trackbar.ThumbVert", "Image=TrackThumbV.bmp"},
    {"Track", "Image=Track.bmp; LeftWidth=2; RightWidth=2"},
    {"TRACKVERT", "Image=TrackVert.bmp; TopHeight=2; BottomHeight=2"},
};

std::vector<std::string> Split(const std::string& text, const std::string& separator) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (std::size_t at; (at = text.find(separator, start)) != std::string::npos; start = at + separator.size())
    parts.push_back(text.substr(start, at - start));
  parts.push_back(text.substr(start));
  return parts;
}

class DefaultSkin : public testing::Test {
 protected:
  static void SetUpTestSuite() { Packed = new std::vector<std::uint8_t>(ReadBytes(TOLVANE_DEFAULT_SKIN_FILE)); }
  static void TearDownTestSuite() { delete Packed; }

  void SetUp() override {
    ASSERT_TRUE(Reader.LoadFromStream(*Packed));
    ASSERT_TRUE(Notices.empty());
  }

  std::vector<std::uint8_t> Member(const std::string& name) {
    std::vector<std::uint8_t> bytes;
    Reader.ReadMember(name, bytes);
    return bytes;
  }

  // A member bitmap's pixels, counted from the top-left, as 0xRRGGBB.
  struct TPicture {
    std::vector<std::uint8_t> Bytes;
    TBmpInfo Info;
    std::uint32_t At(int x, int y) const {
      const int step = Info.BitsPerPixel / 8;
      const int stride = (Info.Width * step + 3) & ~3;
      const std::size_t at = 54 + static_cast<std::size_t>(Info.Height - 1 - y) * stride + x * step;
      return static_cast<std::uint32_t>(Bytes.at(at + 2)) << 16 | Bytes.at(at + 1) << 8 | Bytes.at(at);
    }
  };

  TPicture Picture(const std::string& name) {
    TPicture p{Member(name), {}};
    const auto info = ReadBmpInfo(p.Bytes);
    if (info) p.Info = *info;
    return p;
  }

  std::uint32_t Pixel(const std::string& name, int x, int y) { return Picture(name).At(x, y); }

  static inline std::vector<std::uint8_t>* Packed = nullptr;
  std::vector<std::string> Notices;
  TSkinReader Reader{[this](const std::string& text) { Notices.push_back(text); }};
};

constexpr std::uint32_t Magenta = 0xFF00FF;
constexpr std::uint32_t Face = 0xF4F4F4;

TEST_F(DefaultSkin, UnpacksToAVersion70000ArchiveOf423072Bytes) {
  std::vector<std::uint8_t> archive;
  ASSERT_TRUE(TSkinReader::Decompress(*Packed, archive));
  EXPECT_EQ(archive.size(), 423072u);
  EXPECT_EQ(Reader.Header().Version, 70000);
  EXPECT_EQ(Reader.Header().NameListLength, 604);
}

TEST_F(DefaultSkin, HoldsTheBitmapsInTableOrderAndTheDescriptionLast) {
  ASSERT_EQ(Reader.Count(), 38);
  for (int i = 0; i < 37; ++i) {
    const TExpectedMember& m = Members[i];
    EXPECT_EQ(Reader.Names()[i], m.Name);
    EXPECT_EQ(Reader.Sizes()[i], m.Size) << m.Name;
    const auto bytes = Member(m.Name);
    ASSERT_EQ(bytes.size(), static_cast<std::size_t>(m.Size)) << m.Name;
    const auto info = ReadBmpInfo(bytes);
    ASSERT_TRUE(info) << m.Name;
    EXPECT_EQ(info->Width, m.Width) << m.Name;
    EXPECT_EQ(info->Height, m.Height) << m.Name;
    EXPECT_EQ(info->BitsPerPixel, m.Bits) << m.Name;
  }
  std::vector<std::uint8_t> description;
  std::string name;
  Reader.FindMember(".ini", description, name);
  EXPECT_EQ(name, Reader.Names()[37]);
  EXPECT_EQ(description.size(), 3545u);
  EXPECT_EQ(Reader.Sizes()[37], 3545);
}

TEST_F(DefaultSkin, DescriptionHasExactlyTheSectionsKeysAndValuesInOrder) {
  std::vector<std::uint8_t> bytes;
  std::string name;
  Reader.FindMember(".ini", bytes, name);
  TQuickIni ini;
  ini.LoadFromStream(&bytes);

  std::vector<std::string> expectedLines;
  for (const auto& [section, keys] : Description) {
    expectedLines.push_back("[" + std::string(section) + "]");
    for (const std::string& pair : Split(keys, "; ")) expectedLines.push_back(pair);
  }
  ASSERT_EQ(ini.Lines().size(), expectedLines.size());
  for (std::size_t i = 0; i < expectedLines.size(); ++i) {
    const std::string& want = expectedLines[i];
    if (want.size() > 1 && want.back() == '*') {
      const std::string key = want.substr(0, want.size() - 1);
      EXPECT_EQ(ini.Lines()[i].rfind(key, 0), 0u) << want;
      EXPECT_GT(ini.Lines()[i].size(), key.size()) << want;
    } else {
      EXPECT_EQ(ini.Lines()[i], want);
    }
  }
  EXPECT_EQ(ini.ReadString("TitlebarSkin", "SkinName", ""), "Tolvane Slate");
  EXPECT_EQ(TextToColour(ini.ReadString("Colours", "Hilight", "")), 0xF6E7C5u);
}

TEST_F(DefaultSkin, EveryImageTheDescriptionNamesIsAMember) {
  std::vector<std::uint8_t> bytes;
  std::string name;
  Reader.FindMember(".ini", bytes, name);
  TQuickIni ini;
  ini.LoadFromStream(&bytes);
  int named = 0;
  for (const std::string& line : ini.Lines()) {
    const auto eq = line.find('=');
    if (eq == std::string::npos || line.find(".bmp") == std::string::npos) continue;
    ++named;
    EXPECT_FALSE(Member(line.substr(eq + 1)).empty()) << line;
  }
  EXPECT_EQ(named, 37);
}

// Pixels: transparency only where the engine keys it out, faces in the face colour.

TEST_F(DefaultSkin, WindowCornersAreCutAwayAndTheFrameIsOpaqueElsewhere) {
  EXPECT_EQ(Pixel("frameleft.bmp", 0, 0), Magenta);
  EXPECT_EQ(Pixel("frameleft.bmp", 0, 573), Magenta);
  EXPECT_EQ(Pixel("frameright.bmp", 3, 0), Magenta);
  EXPECT_NE(Pixel("frameleft.bmp", 0, 300), Magenta);
  EXPECT_EQ(Pixel("frameleft.bmp", 2, 300), Face);
  EXPECT_EQ(Pixel("framebottom.bmp", 400, 0), Face);
  EXPECT_NE(Pixel("frametop.bmp", 400, 14), Magenta);
}

TEST_F(DefaultSkin, TitleBandIsDarkAndTheInactiveOneLighter) {
  const auto brightness = [](std::uint32_t c) { return ((c >> 16) & 0xFF) + ((c >> 8) & 0xFF) + (c & 0xFF); };
  const std::uint32_t active = Pixel("frametop.bmp", 400, 14);
  const std::uint32_t inactive = Pixel("frametop.bmp", 400, 28 + 14);
  EXPECT_LT(brightness(active), 3u * 80);
  EXPECT_GT(brightness(inactive), brightness(active));
  // The caption text colours read on it.
  EXPECT_GT(3u * 223 - brightness(active), 3u * 140);
}

TEST_F(DefaultSkin, TransparentElementsAreKeyedAroundTheirShapes) {
  EXPECT_EQ(Pixel("buttons.bmp", 0, 0), Magenta);          // rounded corner
  EXPECT_NE(Pixel("buttons.bmp", 38, 11), Magenta);        // face of frame 1
  EXPECT_EQ(Pixel("closebutton.bmp", 1, 1), Magenta);      // normal state: glyph only
  EXPECT_NE(Pixel("closebutton.bmp", 2 * 28 + 1, 1), Magenta);  // hot state: a filled button
  EXPECT_EQ(Pixel("menuitem.bmp", 10, 9), Magenta);        // frame 1 shows the menu background
  EXPECT_NE(Pixel("menuitem.bmp", 60 + 10, 9), Magenta);   // frame 4: selected
  EXPECT_EQ(Pixel("checkbox.bmp", 0, 0), Magenta);
  EXPECT_EQ(Pixel("radiobutton.bmp", 0, 0), Magenta);
}

TEST_F(DefaultSkin, OpaqueElementsHaveNoKeyColour) {
  for (const char* name : {"progress.bmp", "progresschunk.bmp", "tab.bmp", "tabsheet.bmp", "statusbar.bmp",
                           "scrollbarhthumb.bmp", "scrollbarvthumb.bmp", "scrollbarhbar.bmp", "scrollbarvbar.bmp",
                           "menubackground.bmp", "header.bmp", "mincaption.bmp"}) {
    const TPicture picture = Picture(name);
    ASSERT_GT(picture.Info.Width, 0) << name;
    for (int y = 0; y < picture.Info.Height; ++y)
      for (int x = 0; x < picture.Info.Width; ++x)
        ASSERT_NE(picture.At(x, y), Magenta) << name << " " << x << "," << y;
  }
}

TEST_F(DefaultSkin, FacesUseTheButtonFaceColour) {
  EXPECT_EQ(Pixel("tabsheet.bmp", 24, 24), Face);
  EXPECT_EQ(Pixel("statusbar.bmp", 50, 8), Face);
  EXPECT_EQ(Pixel("tab.bmp", 25 + 12, 18), Face);  // the selected tab runs into the pane
}

}  // namespace
