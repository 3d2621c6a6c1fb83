#pragma once
// Reads back what a rich edit shows at one position: its character formatting.
#include <windows.h>
#include <richedit.h>

namespace practice::testing {

inline CHARFORMAT2W FormatAt(HWND edit, int position) {
  CHARRANGE range{position, position + 1};
  SendMessageW(edit, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
  CHARFORMAT2W format{};
  format.cbSize = sizeof format;
  SendMessageW(edit, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
  return format;
}

constexpr COLORREF kAutomatic = 0xFFFFFFFF;

// The text colour at a position; kAutomatic for the window text colour.
inline COLORREF ColourAt(HWND edit, int position) {
  const CHARFORMAT2W f = FormatAt(edit, position);
  return (f.dwEffects & CFE_AUTOCOLOR) ? kAutomatic : f.crTextColor;
}

inline bool BoldAt(HWND edit, int position) { return FormatAt(edit, position).dwEffects & CFE_BOLD; }

}  // namespace practice::testing
