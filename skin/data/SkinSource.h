// What the element loaders read a skin from: its archive (for the bitmaps) and its parsed
// description, with the description's conversions of colour texts.
#pragma once

#include <string>
#include <string_view>

#include "Graphics.h"
#include "SkinRead.h"
#include "WinSkinIni.h"

class TSkinSource {
 public:
  TSkinSource(const TSkinReader& reader, const TQuickIni& ini) : FReader(reader), FIni(ini) {}

  const TQuickIni& Ini() const { return FIni; }
  std::string String(std::string_view section, std::string_view key) const { return FIni.ReadString(section, key, ""); }
  int Integer(std::string_view section, std::string_view key, int defaultValue) const {
    return FIni.ReadInteger(section, key, defaultValue);
  }
  // A colour written as three numbers; the default when the key is absent or empty.
  tk::TColor Colour(std::string_view section, std::string_view key, tk::TColor defaultColour) const;

  // The archive member a description names ("Buttons.bmp", also with a directory part) into
  // bitmap. Only names ending in ".bmp", in lower case, are images; anything else, a missing or
  // empty member or one that is no valid bitmap leaves the bitmap empty.
  void LoadMemberBitmap(tk::TBitmap& bitmap, std::string_view text) const;

 private:
  const TSkinReader& FReader;
  const TQuickIni& FIni;
};
