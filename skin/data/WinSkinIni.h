// The skin description: a small INI-style text, parsed once and then only looked up.
//
// Lines end at CR, LF or CR LF; a NUL ends the text. Lines are trimmed; empty lines and lines
// starting with ";" are dropped. "[Name]" starts a section. Any other line is "key = value": the key
// before the first "=" (case-insensitive), the value after it, both trimmed. Only the first section
// of a name and the first occurrence of a key in it count, and an empty value means "not given".
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// red + green * 256 + blue * 65536, or 0xFF000000 + n for system colour n.
using TColour = std::uint32_t;

class TQuickIni {
 public:
  // Replaces the contents with the text. An absent stream (nullptr) leaves everything as it was.
  void LoadFromStream(std::span<const std::uint8_t> text);
  void LoadFromStream(const std::vector<std::uint8_t>* stream);

  // Index in the line list of the first header "[" + section + "]", compared without regard to the
  // case of ASCII letters (section names are ASCII); -1 when there is none.
  int SectionIndex(std::string_view section) const;
  std::string ReadString(std::string_view section, std::string_view key, std::string_view defaultValue) const;
  // Decimal, "$" + hex or "0x" + hex, with an optional sign, in the 32-bit range; else the default.
  std::int32_t ReadInteger(std::string_view section, std::string_view key, std::int32_t defaultValue) const;
  // Section names in file order, brackets and surrounding blanks removed; duplicates kept.
  void ReadSections(std::vector<std::string>& sections) const;

  // The significant lines, trimmed, in file order (headers included).
  const std::vector<std::string>& Lines() const { return FLines; }

 private:
  struct TSection {
    std::string Header;  // trimmed, brackets included
    int LineIndex;
  };
  std::vector<std::string> FLines;
  std::vector<bool> FIsHeader;
  std::vector<TSection> FSections;
};

// The integer conversion of the description: optional sign, then decimal digits or "$" and hex
// digits; the whole text must convert and stay within the signed 32-bit range.
bool TryTextToInteger(std::string_view text, std::int32_t& value);

// "244 244 244" -> red + green * 256 + blue * 65536. Numbers are runs of digits, anything else
// separates them. Only the first three count, a number that ends the text counts only when it is
// the third, and each keeps its low 8 bits. Empty text gives 0.
TColour TextToColour(std::string_view text);

// A colour given as three integer keys prefix + "R", "G", "B" of one section. target changes only
// when all three are given and not negative; each component is taken modulo 256.
void ReadColourTriplet(const TQuickIni& ini, std::string_view section, std::string_view prefix, TColour& target);
