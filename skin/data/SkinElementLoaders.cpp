#include "SkinElementLoaders.h"

#include <windows.h>

#include <cctype>

#include "Encoding.h"

namespace {

void ReadMargins(const TSkinSource& source, std::string_view section, TDataSkinObject& record) {
  record.LeftWidth = source.Integer(section, "LeftWidth", 0);
  record.RightWidth = source.Integer(section, "RightWidth", 0);
  record.TopHeight = source.Integer(section, "TopHeight", 0);
  record.BottomHeight = source.Integer(section, "BottomHeight", 0);
}

void ReadStateColours(const TSkinSource& source, std::string_view section, TDataSkinObject& record) {
  record.NormalColour = source.Integer(section, "NormalColour", -1);
  record.MouseOverColour = source.Integer(section, "MouseOverColour", -1);
  record.PressedColour = source.Integer(section, "PressedColour", -1);
}

void ReadTextColours(const TSkinSource& source, std::string_view section, TDataSkinObject& record,
                     tk::TColor textColour) {
  record.NormalColour2 = source.Colour(section, "NormalColour2", textColour);
  record.MouseOverColour2 = source.Colour(section, "MouseOverColour2", textColour);
  record.PressedColour2 = source.Colour(section, "PressedColour2", textColour);
}

// What every image-like element reads; "Frame" only where the caller asks for it.
void ReadElement(const TSkinSource& source, std::string_view section, TDataSkinObject& record, bool readFrame,
                 tk::TColor textColour) {
  record.Style = source.Integer(section, "Style", 0);
  ReadMargins(source, section, record);
  if (readFrame) record.FrameCount = source.Integer(section, "Frame", 0);
  record.Trans = source.Integer(section, "Trans", 0);
  record.Tile = source.Integer(section, "Tile", 0);
  ReadStateColours(source, section, record);
  ReadTextColours(source, section, record, textColour);
  if (record.Tile > 1) record.Tile = 0;
}

// Empties the slot; a new record named after the section when it names an image.
template <class T>
T* StartElement(const TSkinSource& source, TSlot<T>& slot, std::string_view section, std::string_view imageKey) {
  slot.reset();
  const std::string image = source.String(section, imageKey);
  if (image.empty()) return nullptr;
  slot = std::make_unique<T>(std::string(section));
  source.LoadMemberBitmap(slot->Bitmap, image);
  return slot.get();
}

const char* const SidePrefix[] = {"", "Left", "Right", "Top", "Bottom"};

struct TColourKey {
  TSkinColour Entry;
  const char* Key;
  tk::TColor Default;  // system colours; Menubar's default is the face just loaded
};

// In the order they are read: Menubar follows ButtonFace, whose value it defaults to.
const TColourKey ColourKeys[] = {
    {scWindowText, "WindowText", tk::SysColor(COLOR_WINDOWTEXT)},
    {scButtonFace, "ButtonFace", tk::SysColor(COLOR_BTNFACE)},
    {scScrollbar, "Scrollbar", tk::SysColor(COLOR_SCROLLBAR)},
    {scHilightText, "HilightText", tk::SysColor(COLOR_HIGHLIGHTTEXT)},
    {scHilight, "Hilight", tk::SysColor(COLOR_HIGHLIGHT)},
    {scMenubar, "Menubar", 0},
    {scMenu, "Menu", tk::SysColor(COLOR_MENU)},
    {scMenuText, "MenuText", tk::SysColor(COLOR_MENUTEXT)},
    {scButtonText, "ButtonText", tk::SysColor(COLOR_BTNTEXT)},
    {scButtonHilight, "ButtonHilight", tk::SysColor(COLOR_BTNHIGHLIGHT)},
    {scButtonlight, "Buttonlight", tk::SysColor(COLOR_BTNHIGHLIGHT)},
    {scButtonShadow, "ButtonShadow", tk::SysColor(COLOR_BTNSHADOW)},
    {scButtonDkShadow, "ButtonDkShadow", tk::SysColor(COLOR_3DDKSHADOW)},
    {scMenuBarText, "MenuBarText", tk::SysColor(COLOR_MENUTEXT)},
    {scTitleTextActive, "TitleTextActive", tk::SysColor(COLOR_CAPTIONTEXT)},
    {scTitleTextNoActive, "TitleTextNoActive", tk::SysColor(COLOR_INACTIVECAPTIONTEXT)},
};

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (size_t i = 0; i < prefix.size(); ++i)
    if (std::toupper(static_cast<unsigned char>(text[i])) != std::toupper(static_cast<unsigned char>(prefix[i])))
      return false;
  return true;
}

}  // namespace

void LoadImageElement(const TSkinSource& source, TSlot<TDataSkinObject>& slot, std::string_view section,
                      tk::TColor textColour) {
  if (TDataSkinObject* record = StartElement(source, slot, section, "Image"))
    ReadElement(source, section, *record, true, textColour);
}

void LoadBorderElement(const TSkinSource& source, TSlot<TDataSkinBorder>& slot, std::string_view section,
                       std::string_view secondKey, tk::TColor textColour) {
  TDataSkinBorder* record = StartElement(source, slot, section, "Image");
  if (!record) return;
  ReadElement(source, section, *record, false, textColour);
  const std::string second = source.String(section, secondKey);
  if (!second.empty()) source.LoadMemberBitmap(record->Bitmap2, second);
}

void LoadBoxLabelElement(const TSkinSource& source, TSlot<TDataSkinBoxLabel>& slot, std::string_view section,
                         tk::TColor textColour) {
  TDataSkinBoxLabel* record = StartElement(source, slot, section, "Image");
  if (!record) return;
  ReadElement(source, section, *record, false, textColour);
  record->BackgroundAlignment = source.Integer(section, "BackgroundAlignment", 0);
  record->BackgroundLeftShift = source.Integer(section, "BackgroundLeftShift", 0);
  record->BackgroundRightShift = source.Integer(section, "BackgroundRightShift", 0);
}

void LoadBitmapElement(const TSkinSource& source, TSlot<TDataSkinBorder>& slot, std::string_view section) {
  TDataSkinBorder* record = StartElement(source, slot, section, "Bitmap");
  if (!record) return;
  record->Style = source.Integer(section, "Style", 0);
  ReadMargins(source, section, *record);
  record->Trans = source.Integer(section, "Trans", 0);
  record->Tile = source.Integer(section, "Tile", 0);
  if (record->Tile > 1) record->Tile = 1;
}

void LoadMenuBarElement(const TSkinSource& source, TSlot<TDataSkinObject>& slot) {
  constexpr std::string_view section = "Personality";
  TDataSkinObject* record = StartElement(source, slot, section, "menuBar");
  if (!record) return;
  record->TopHeight = 0;
  record->BottomHeight = 0;
  record->Tile = source.Integer(section, "TileMenu", 1);
  if (record->Tile > 1) record->Tile = 1;
  record->LeftWidth = source.Integer(section, "TileLeftMenu", 1);
  record->RightWidth = source.Integer(section, "TileRightMenu", 1);
}

void LoadBuiltInElement(TSlot<TDataSkinObject>& slot, const std::wstring& resourceName) {
  slot = std::make_unique<TDataSkinObject>(tk::WideToGbk(resourceName));
  slot->Bitmap.LoadFromResourceName(GetModuleHandleW(nullptr), resourceName.c_str());
  slot->LeftWidth = slot->TopHeight = slot->RightWidth = slot->BottomHeight = 3;
  slot->Tile = 0;
  slot->FrameCount = 1;
}

void LoadFrameBorders(const TSkinSource& source, TSkinElements& elements) {
  constexpr std::string_view section = "Personality";
  for (int side = sdLeft; side <= sdBottom; ++side) {
    TDataSkinBorder& border = *elements.Borders[static_cast<size_t>(side)];
    const std::string prefix = SidePrefix[side];
    const int first = source.Integer(section, prefix + "TopHeight", 0);
    const int second = source.Integer(section, prefix + "BotHeight", 0);
    if (side == sdLeft || side == sdRight) {
      border.TopHeight = first;
      border.BottomHeight = second;
      border.LeftWidth = border.RightWidth = 0;
    } else {
      // Along the horizontal borders the two keys give the fixed left and right parts.
      border.LeftWidth = first;
      border.RightWidth = second;
      border.TopHeight = border.BottomHeight = 0;
    }
    border.FrameCount = source.Integer(section, prefix + "Frame", 1);
    border.Tile = source.Integer(section, prefix + "Stretch", 1);
    border.Trans = source.Integer(section, prefix + "Trans", 1);
    source.LoadMemberBitmap(border.Bitmap, source.String(section, prefix));
    if (border.Tile > 1) border.Tile = 1;
  }
}

void LoadTitle(const TSkinSource& source, TSkinElements& elements) {
  constexpr std::string_view section = "Personality";
  TDataSkinTitle& title = *elements.Title;
  source.LoadMemberBitmap(title.Bitmap, source.String(section, "TextBack"));
  title.LeftWidth = source.Integer(section, "TextShift", 0);
  title.TopHeight = source.Integer(section, "TextShiftVert", 0);
  title.RightWidth = source.Integer(section, "TextRightClip", 0);
  title.BottomHeight = 0;
  title.TextAlignment = source.Integer(section, "TextAlignment", 0);
  title.TextBackground = source.Integer(section, "Textbackground", 0);
  title.TextBackLeft = source.Integer(section, "TXTBackleft", 0);
  title.TextBackRight = source.Integer(section, "TXTBackRight", 0);
  title.FontHeight = source.Integer("Fonts", "FontHeight", 14);
  TColour active = static_cast<TColour>(TDataSkinTitle::NoColour);
  TColour inactive = static_cast<TColour>(TDataSkinTitle::NoColour);
  ReadColourTriplet(source.Ini(), section, "ActiveText", active);
  ReadColourTriplet(source.Ini(), section, "InActiveText", inactive);
  title.ActiveTextColour = static_cast<tk::TColor>(active);
  title.InactiveTextColour = static_cast<tk::TColor>(inactive);
}

void LoadButtons(const TSkinSource& source, TSkinElements& elements) {
  constexpr std::string_view section = "Buttons";
  TDataSkinButton& buttons = *elements.Buttons;
  ReadMargins(source, section, buttons);
  buttons.Trans = source.Integer(section, "Trans", 0);
  buttons.Tile = source.Integer(section, "Tile", 0);
  source.LoadMemberBitmap(buttons.Bitmap, source.String(section, "Bitmap"));
  source.LoadMemberBitmap(buttons.CheckBitmap, source.String(section, "CheckButton"));
  source.LoadMemberBitmap(buttons.RadioBitmap, source.String(section, "RadioButton"));
  ReadStateColours(source, section, buttons);
  buttons.RadioFrameCount = source.Integer(section, "RadioButtonFrame", 0);
  buttons.CheckFrameCount = source.Integer(section, "CheckButtonFrame", 0);
  if (buttons.Tile > 1) buttons.Tile = 0;
  buttons.HasNormalColour2 = !source.String(section, "NormalColour2").empty();
  buttons.HasMouseOverColour2 = !source.String(section, "MouseOverColour2").empty();
  buttons.HasPressedColour2 = !source.String(section, "PressedColour2").empty();
  ReadTextColours(source, section, buttons, elements.Colors[scButtonText]);
}

void LoadColours(const TSkinSource& source, const std::vector<std::string>& sections, TSkinElements& elements) {
  constexpr std::string_view section = "Colours";
  for (const TColourKey& key : ColourKeys) {
    const tk::TColor fallback = key.Entry == scMenubar ? elements.Colors[scButtonFace] : key.Default;
    const std::string text = source.String(section, key.Key);
    elements.ColorGiven[key.Entry] = !text.empty();
    elements.Colors[key.Entry] = text.empty() ? fallback : static_cast<tk::TColor>(TextToColour(text));
  }
  elements.ColorSections.clear();
  for (const std::string& name : sections) {
    const bool isColoursItself = name.size() == section.size() && StartsWithNoCase(name, section);
    if (!StartsWithNoCase(name, "COLOUR") || isColoursItself) continue;
    elements.ColorSections.push_back(source.Colour(name, "color", tk::SysColor(COLOR_WINDOWTEXT)));
  }
  for (int n = 0; n < CustomColourCount; ++n)
    elements.CustomColors[static_cast<size_t>(n)] = source.Colour("Customcolors", "Color" + std::to_string(n), tk::clWhite);
}
