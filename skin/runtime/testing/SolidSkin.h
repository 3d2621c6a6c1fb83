// A test skin whose every frame of every element is one distinct solid colour, so that a pixel read
// back from the screen tells which element and which frame was drawn there. Packed and loaded the
// way a real skin is.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

class TSkinData;

namespace skin_test {

struct SolidSkinOptions {
  // Magenta corners on the four borders (a shaped window), or plain rectangles.
  bool transparentCorners = false;
  bool captionButtons = true;
  bool menuItem = true;
  bool menuBackground = true;
  bool menuBar = false;
  // A caption button of the program's own: Action and Visibility CustomAction, right-aligned at
  // CustomX, frames CustomButtonColour(frame).
  bool customButton = false;
  // A caption text background: two frames stacked, each TextBackColour(part, frame) in its left
  // (TextBackEnd columns), middle and right parts; the middle's top two rows are magenta.
  bool textBack = false;
  // The bottom border's height, and magenta in its first three columns.
  int bottomHeight = 6;
  bool bottomMagentaCorner = false;
  // The menu bar picture's fixed left end (its right end is 2).
  int menuBarLeftWidth = 2;
  // More sections and pictures, for the control painters' tests (each family adds its elements).
  std::string extraDescription;
  std::vector<std::pair<std::string, std::vector<uint8_t>>> extraMembers;
};

// The skin's geometry.
constexpr int LeftWidth = 4;
constexpr int RightWidth = 5;
constexpr int TitleHeight = 24;
constexpr int BottomHeight = 6;
constexpr int CornerSize = 3;            // magenta square at each outer corner when asked for
constexpr int CaptionButtonSize = 16;     // square caption buttons
constexpr int CloseX = 22, MaxX = 40, MinX = 58;  // right-aligned XCoord of the buttons
constexpr int CustomX = 76, CustomAction = 1500;
constexpr int TextShift = 24, TextRightClip = 70;
constexpr int TextBackEnd = 4, TextBackWidth = 20, TextBackHeight = 12;

// Colours: border side 1..4 (left, right, top, bottom), frame 1 active, 2 inactive.
COLORREF BorderColour(int side, int frame);
// Caption buttons by action (0 close, 1 maximize, 2 minimize) and frame 1..4; restore is action 1
// drawn by its own entry: RestoreColour(frame).
COLORREF CaptionButtonColour(int action, int frame);
COLORREF RestoreColour(int frame);
COLORREF CustomButtonColour(int frame);
// Text background parts: 0 left, 1 middle, 2 right; frame 1 active, 2 inactive.
COLORREF TextBackColour(int part, int frame);
// Menu item element frames 1..5, menu background, menu bar frames 1..2.
COLORREF MenuItemColour(int frame);
COLORREF MenuBackgroundColour();
COLORREF MenuBarColour(int frame);
// The [Colours] section, by colour-table index (scButtonFace ...).
COLORREF TableColour(int index);

// A picture of frames side by side (or stacked), each frame one solid colour: for extra members.
std::vector<uint8_t> SolidStrip(int frameWidth, int frameHeight, int frames, bool vertical,
                                COLORREF (*colour)(int frame));

std::string SolidSkinDescription(const SolidSkinOptions& options);
std::vector<uint8_t> PackSolidSkin(const SolidSkinOptions& options = {});
// Loads the solid skin into a component (Loading cleared); false when the load failed.
bool LoadSolidSkin(TSkinData& skin, const SolidSkinOptions& options = {});

}  // namespace skin_test
