// The loaders that turn sections of the skin description into element records. A loader of a slot
// that a skin may leave out empties the slot first and fills it only when the section names an
// image; the frame borders, Title and Buttons records always exist and are filled again.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "SkinElements.h"
#include "SkinSource.h"

// Record named after the section, image from "Image"; margins, "Frame", "Style", "Trans", "Tile",
// the three state colours and the three text colours (defaulting to textColour).
void LoadImageElement(const TSkinSource& source, TSlot<TDataSkinObject>& slot, std::string_view section,
                      tk::TColor textColour);
// As LoadImageElement without "Frame"; Bitmap2 from secondKey when the section gives it.
void LoadBorderElement(const TSkinSource& source, TSlot<TDataSkinBorder>& slot, std::string_view section,
                       std::string_view secondKey, tk::TColor textColour);
// As LoadImageElement without "Frame", with the group box background placement.
void LoadBoxLabelElement(const TSkinSource& source, TSlot<TDataSkinBoxLabel>& slot, std::string_view section,
                         tk::TColor textColour);
// Image from "Bitmap"; only the margins, "Style", "Trans" and "Tile".
void LoadBitmapElement(const TSkinSource& source, TSlot<TDataSkinBorder>& slot, std::string_view section);
// The menu band image of [Personality] "menuBar", with its tiling keys.
void LoadMenuBarElement(const TSkinSource& source, TSlot<TDataSkinObject>& slot);
// A bitmap resource of the program (TRACK, TRACKVERT) as a one-frame element with margins of 3.
void LoadBuiltInElement(TSlot<TDataSkinObject>& slot, const std::wstring& resourceName);

// Borders 1..4 from the side keys of [Personality].
void LoadFrameBorders(const TSkinSource& source, TSkinElements& elements);
// The caption text placement and colours from [Personality] and [Fonts].
void LoadTitle(const TSkinSource& source, TSkinElements& elements);
// The push, check and radio button images of [Buttons].
void LoadButtons(const TSkinSource& source, TSkinElements& elements);
// The colour table from [Colours], the [Colour...] sections and [Customcolors].
void LoadColours(const TSkinSource& source, const std::vector<std::string>& sections, TSkinElements& elements);
// The caption buttons of the [Button...] sections and the three MDI child buttons.
void LoadCaptionButtons(const TSkinSource& source, const std::vector<std::string>& sections, TSkinElements& elements);
