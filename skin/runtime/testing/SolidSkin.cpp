#include "SolidSkin.h"

#include <functional>
#include <sstream>

#include "Graphics.h"
#include "SkinArchiveWriter.h"
#include "SkinLoader.h"
#include "SkinPixels.h"
#include "WinSkinData.h"

namespace skin_test {

namespace {

constexpr int BorderLength = 60;  // the long side of every border picture

using skin_test::BmpBytes;

// Frames side by side (horizontal) or stacked (vertical), each one solid colour.
std::vector<uint8_t> Strip(int frameWidth, int frameHeight, int frames, bool vertical,
                           const std::function<COLORREF(int frame)>& colour,
                           const std::function<bool(int x, int y)>& transparent = nullptr) {
  const int width = vertical ? frameWidth : frameWidth * frames;
  const int height = vertical ? frameHeight * frames : frameHeight;
  return BmpBytes(width, height, [&](int x, int y) {
    const int frame = vertical ? y / frameHeight + 1 : x / frameWidth + 1;
    const int fx = vertical ? x : x % frameWidth, fy = vertical ? y % frameHeight : y;
    if (transparent && transparent(fx, fy)) return Magenta;
    return colour(frame);
  });
}

}  // namespace

std::vector<uint8_t> SolidStrip(int frameWidth, int frameHeight, int frames, bool vertical,
                                COLORREF (*colour)(int frame)) {
  return Strip(frameWidth, frameHeight, frames, vertical, colour);
}

COLORREF BorderColour(int side, int frame) { return RGB(10 * side, 100 + 40 * frame, 20); }
COLORREF CaptionButtonColour(int action, int frame) { return RGB(200, 30 * action + 10, 40 * frame); }
COLORREF RestoreColour(int frame) { return RGB(150, 150, 40 * frame); }
COLORREF CustomButtonColour(int frame) { return RGB(60, 200, 40 * frame); }
COLORREF TextBackColour(int part, int frame) { return RGB(240, 20 + 60 * part, 100 + 50 * frame); }
COLORREF MenuItemColour(int frame) { return RGB(30, 30 * frame, 200); }
COLORREF MenuBackgroundColour() { return RGB(220, 210, 90); }
COLORREF MenuBarColour(int frame) { return RGB(90, 60 * frame, 60); }
COLORREF TableColour(int index) { return RGB(100 + index * 7, 60 + index * 5, 30 + index * 3); }

std::string SolidSkinDescription(const SolidSkinOptions& o) {
  std::ostringstream d;
  const int trans = o.transparentCorners ? 1 : 0;
  d << "[TitlebarSkin]\nSkinName=Solid test skin\n[Skins]\nVersion=200\n";
  d << "[Personality]\n";
  d << "Left=left.bmp\nLeftFrame=2\nLeftStretch=1\nLeftTrans=" << trans << "\nLeftTopHeight=" << TitleHeight
    << "\nLeftBotHeight=" << BottomHeight << "\n";
  d << "Right=right.bmp\nRightFrame=2\nRightStretch=1\nRightTrans=" << trans << "\nRightTopHeight=" << TitleHeight
    << "\nRightBotHeight=" << BottomHeight << "\n";
  d << "Top=top.bmp\nTopFrame=2\nTopStretch=1\nTopTrans=" << trans << "\nTopTopHeight=8\nTopBotHeight=8\n";
  const int bottomTrans = o.transparentCorners || o.bottomMagentaCorner ? 1 : 0;
  d << "Bottom=bottom.bmp\nBottomFrame=2\nBottomStretch=1\nBottomTrans=" << bottomTrans
    << "\nBottomTopHeight=8\nBottomBotHeight=8\n";
  d << "TextShift=" << TextShift << "\nTextShiftVert=0\nTextRightClip=" << TextRightClip << "\n";
  if (o.textBack) d << "TextBack=textback.bmp\nTXTBackleft=" << TextBackEnd << "\nTXTBackRight=" << TextBackEnd << "\n";
  if (o.menuBar)
    d << "menuBar=menubar.bmp\nTileMenu=1\nTileLeftMenu=" << o.menuBarLeftWidth << "\nTileRightMenu=2\n";
  if (o.captionButtons) {
    d << "[Button0]\nButtonImage=close.bmp\nAlign=1\nXCoord=" << CloseX << "\nYCoord=4\nAction=0\nVisibility=0\nframe=4\n";
    d << "[Button1]\nButtonImage=max.bmp\nAlign=1\nXCoord=" << MaxX << "\nYCoord=4\nAction=1\nVisibility=2\nVisibility1=6\nframe=4\n";
    d << "[Button2]\nButtonImage=min.bmp\nAlign=1\nXCoord=" << MinX << "\nYCoord=4\nAction=2\nVisibility=8\nframe=4\n";
    d << "[Button3]\nButtonImage=restore.bmp\nAlign=1\nXCoord=" << MaxX << "\nYCoord=4\nAction=1\nVisibility=1\nframe=4\n";
    d << "[Button4]\nAlign=0\nXCoord=4\nYCoord=4\nAction=3\nVisibility=0\n";
    if (o.customButton)
      d << "[Button5]\nButtonImage=custom.bmp\nAlign=1\nXCoord=" << CustomX << "\nYCoord=4\nAction=" << CustomAction
        << "\nVisibility=" << CustomAction << "\nframe=4\n";
  }
  if (o.menuItem) d << "[MenuItem]\nImage=menuitem.bmp\nLeftWidth=2\nRightwidth=2\nTopHeight=2\nBottomHeight=2\nTrans=0\n";
  if (o.menuBackground) d << "[MenuBackground]\nImage=menubg.bmp\nLeftWidth=3\nRightwidth=3\nTopHeight=3\nBottomHeight=3\n";
  d << o.extraDescription;
  if (!o.extraDescription.empty() && o.extraDescription.back() != '\n') d << "\n";
  d << "[Colours]\n";
  const char* keys[] = {"WindowText", "TitleTextActive", "TitleTextNoActive", "ButtonFace", "ButtonText", "ButtonHilight",
                        "Buttonlight", "ButtonShadow", "ButtonDkShadow", nullptr, nullptr, "HilightText", "Hilight",
                        "Menubar", "MenuBarText", "MenuText", "Menu"};
  for (int i = 0; i < static_cast<int>(std::size(keys)); ++i) {
    if (!keys[i]) continue;
    const COLORREF c = TableColour(i);
    d << keys[i] << "=" << int(GetRValue(c)) << " " << int(GetGValue(c)) << " " << int(GetBValue(c)) << "\n";
  }
  return d.str();
}

std::vector<uint8_t> PackSolidSkin(const SolidSkinOptions& o) {
  auto corner = [&](int size) -> std::function<bool(int, int)> {
    if (!o.transparentCorners) return nullptr;
    return [size](int x, int y) { return x < size && y < size; };
  };
  const int c = CornerSize;
  std::vector<TSkinMember> members;
  // Left and right: frames side by side, the magenta corner at the outer top corner.
  members.push_back({"left.bmp", Strip(LeftWidth, BorderLength, 2, false, [](int f) { return BorderColour(1, f); }, corner(c))});
  members.push_back({"right.bmp", Strip(RightWidth, BorderLength, 2, false, [](int f) { return BorderColour(2, f); },
                                        o.transparentCorners ? std::function<bool(int, int)>([c](int x, int y) {
                                          return x >= RightWidth - c && y < c;
                                        })
                                                             : nullptr)});
  // Top and bottom: frames stacked.
  members.push_back({"top.bmp", Strip(BorderLength, TitleHeight, 2, true, [](int f) { return BorderColour(3, f); })});
  members.push_back({"bottom.bmp", Strip(BorderLength, o.bottomHeight, 2, true, [](int f) { return BorderColour(4, f); },
                                         o.bottomMagentaCorner ? std::function<bool(int, int)>([](int x, int) { return x < 3; })
                                                               : nullptr)});
  if (o.captionButtons) {
    const int s = CaptionButtonSize;
    members.push_back({"close.bmp", Strip(s, s, 4, false, [](int f) { return CaptionButtonColour(0, f); })});
    members.push_back({"max.bmp", Strip(s, s, 4, false, [](int f) { return CaptionButtonColour(1, f); })});
    members.push_back({"min.bmp", Strip(s, s, 4, false, [](int f) { return CaptionButtonColour(2, f); })});
    members.push_back({"restore.bmp", Strip(s, s, 4, false, [](int f) { return RestoreColour(f); })});
    if (o.customButton) members.push_back({"custom.bmp", Strip(s, s, 4, false, CustomButtonColour)});
  }
  if (o.textBack) {
    members.push_back({"textback.bmp", BmpBytes(TextBackWidth, 2 * TextBackHeight, [](int x, int y) {
                         const int frame = y / TextBackHeight + 1, fy = y % TextBackHeight;
                         const int part = x < TextBackEnd ? 0 : x >= TextBackWidth - TextBackEnd ? 2 : 1;
                         if (part == 1 && fy < 2) return Magenta;
                         return TextBackColour(part, frame);
                       })});
  }
  if (o.menuItem) members.push_back({"menuitem.bmp", Strip(12, 12, 5, false, MenuItemColour)});
  if (o.menuBackground) members.push_back({"menubg.bmp", Strip(12, 12, 1, false, [](int) { return MenuBackgroundColour(); })});
  if (o.menuBar) members.push_back({"menubar.bmp", Strip(20, 10, 2, true, MenuBarColour)});
  for (const auto& [name, bytes] : o.extraMembers) members.push_back({name, bytes});
  const std::string description = SolidSkinDescription(o);
  return PackedSkin(description, std::move(members));
}

bool LoadSolidSkin(TSkinData& skin, const SolidSkinOptions& options) {
  const std::vector<uint8_t> packed = PackSolidSkin(options);
  return LoadSkinElements(skin, packed, [](const std::string&) {});
}

}  // namespace skin_test
