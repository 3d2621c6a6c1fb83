// The element records of a loaded skin and the set of them a skin data component holds: one record
// per skinnable thing, each with a strip of frames and the margins, flags and colours that tell a
// painter how to cut and draw it, plus the skin's colour table. Painters only read them.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "ElementDrawing.h"
#include "GdiHandle.h"
#include "Graphics.h"

class TDataSkinObject {
 public:
  explicit TDataSkinObject(std::string name = {}) : Name(std::move(name)) {}
  virtual ~TDataSkinObject() = default;
  TDataSkinObject(const TDataSkinObject&) = delete;
  TDataSkinObject& operator=(const TDataSkinObject&) = delete;

  TElementMargins Margins() const { return {LeftWidth, TopHeight, RightWidth, BottomHeight}; }

  int32_t LeftWidth = 0;     // columns at the left that are neither stretched nor tiled
  int32_t TopHeight = 0;
  int32_t RightWidth = 0;
  int32_t BottomHeight = 0;
  tk::TBitmap Bitmap;        // FrameCount frames of equal size
  int32_t Trans = 0;         // 1: magenta is transparent
  int32_t Tile = 0;          // 1: the centre is tiled instead of stretched
  std::string Name;          // the section the record was made for
  int32_t FrameCount = 0;
  int32_t Style = 0;
  int32_t NormalColour = -1;
  int32_t MouseOverColour = -1;
  int32_t PressedColour = -1;
  tk::TColor NormalColour2 = 0;     // text colours of the states
  tk::TColor MouseOverColour2 = 0;
  tk::TColor PressedColour2 = 0;
};

class TDataSkinBorder : public TDataSkinObject {
 public:
  using TDataSkinObject::TDataSkinObject;
  tk::TBitmap Bitmap2;  // a second image (tab border, up-down glyphs, mirrored combo button)
};

// Push, check and radio buttons.
class TDataSkinButton : public TDataSkinObject {
 public:
  using TDataSkinObject::TDataSkinObject;
  tk::TBitmap CheckBitmap;
  tk::TBitmap RadioBitmap;
  int32_t RadioFrameCount = 0;
  int32_t CheckFrameCount = 0;
  uint8_t HasNormalColour2 = 0;
  uint8_t HasMouseOverColour2 = 0;
  uint8_t HasPressedColour2 = 0;
};

// The caption text: LeftWidth shifts it right, TopHeight down, RightWidth clips it at the right.
class TDataSkinTitle : public TDataSkinObject {
 public:
  static constexpr tk::TColor NoColour = 0x1FFFFFFF;  // the skin gives no text colour
  using TDataSkinObject::TDataSkinObject;
  int32_t TextAlignment = 0;
  int32_t TextBackground = 0;
  int32_t FontHeight = 0;
  int32_t TextBackLeft = 0;
  int32_t TextBackRight = 0;
  tk::TColor ActiveTextColour = NoColour;
  tk::TColor InactiveTextColour = NoColour;
};

// One caption button.
class TDataSkinSysButton : public TDataSkinObject {
 public:
  using TDataSkinObject::TDataSkinObject;
  int32_t Action = 0;  // 0 close, 1 maximize/restore, 2 minimize, 3 left end without image; 7..9 MDI
  int32_t Align = 0;
  int32_t XCoord = 0;
  int32_t YCoord = 0;
  int32_t CombineOp = -1;
  int32_t Visibility = 0;
  int32_t Visibility1 = 0;
};

// The group box.
class TDataSkinBoxLabel : public TDataSkinObject {
 public:
  using TDataSkinObject::TDataSkinObject;
  int32_t BackgroundLeftShift = 0;
  int32_t BackgroundRightShift = 0;
  int32_t BackgroundAlignment = 0;
};

// Entries of the colour table, named by their keys in [Colours].
enum TSkinColour {
  scWindowText = 0,
  scTitleTextActive = 1,
  scTitleTextNoActive = 2,
  scButtonFace = 3,
  scButtonText = 4,
  scButtonHilight = 5,
  scButtonlight = 6,
  scButtonShadow = 7,
  scButtonDkShadow = 8,
  scHilightText = 11,
  scHilight = 12,
  scMenubar = 13,
  scMenuBarText = 14,
  scMenuText = 15,
  scMenu = 16,
  scFrameSample = 17,  // not a key: sampled from the top frame border
  scScrollbar = 18,
};
constexpr int SkinColourCount = 19;
constexpr int CustomColourCount = 10;

enum TBorderSide { sdLeft = 1, sdRight = 2, sdTop = 3, sdBottom = 4 };

template <class T>
using TSlot = std::unique_ptr<T>;

// Everything a skin load produces. Empty slots mean the skin has no such element.
class TSkinElements {
 public:
  TSkinElements();
  virtual ~TSkinElements();
  TSkinElements(const TSkinElements&) = delete;
  TSkinElements& operator=(const TSkinElements&) = delete;

  std::array<TSlot<TDataSkinBorder>, 5> Borders;  // by TBorderSide; 0 stays empty
  TSlot<TDataSkinTitle> Title;
  TSlot<TDataSkinObject> MenuBar;
  std::vector<TSlot<TDataSkinSysButton>> SysButtons;
  TSlot<TDataSkinButton> Buttons;
  TSlot<TDataSkinBorder> Progress;
  TSlot<TDataSkinObject> ProgressChunk;
  TSlot<TDataSkinObject> GroupBoxEdge;
  TSlot<TDataSkinBoxLabel> GroupBox;
  TSlot<TDataSkinBorder> Tabs;
  TSlot<TDataSkinObject> StatusBarEdges;
  TSlot<TDataSkinObject> TabPane;
  TSlot<TDataSkinObject> ToolBars;
  TSlot<TDataSkinBorder> ComboButton;
  TSlot<TDataSkinObject> SunkEdge;
  TSlot<TDataSkinObject> ExtraImages;
  TSlot<TDataSkinObject> Headerbar;
  TSlot<TDataSkinObject> MenuItem;
  TSlot<TDataSkinObject> MenuBackground;
  TSlot<TDataSkinObject> Scrollbar;
  TSlot<TDataSkinObject> HorzScroll;
  TSlot<TDataSkinObject> VertScroll;
  TSlot<TDataSkinObject> HorzScrollThumb;
  TSlot<TDataSkinObject> VertScrollThumb;
  TSlot<TDataSkinObject> TrackThumbHorz;
  TSlot<TDataSkinObject> TrackThumbVert;
  TSlot<TDataSkinObject> TrackThumbLeft;
  TSlot<TDataSkinObject> TrackThumbRight;
  TSlot<TDataSkinObject> TrackThumbUp;
  TSlot<TDataSkinObject> TrackThumbDown;
  TSlot<TDataSkinBorder> UpDownHorz;
  TSlot<TDataSkinBorder> UpDownVert;
  TSlot<TDataSkinObject> Track;
  TSlot<TDataSkinObject> TrackVert;
  TSlot<TDataSkinObject> ComboArrow;   // derived from ComboButton / SunkEdge
  TSlot<TDataSkinObject> ToolbarFace;  // a gradient made by the load

  std::array<tk::TColor, SkinColourCount> Colors{};
  std::array<uint8_t, SkinColourCount> ColorGiven{};  // 1 when the skin gave the key
  std::vector<tk::TColor> ColorSections;              // the "color" of each [Colour...] section
  std::array<tk::TColor, CustomColourCount> CustomColors{};
  tk::UniqueBrush FaceBrush;  // solid, of Colors[scButtonFace]
  std::string SkinName;
  // Set until a load completes; while set, there is no usable skin.
  bool Loading = true;

  // The colour at a third of the top border's first frame, else the button face.
  tk::TColor FrameSampleColour() const;
};
