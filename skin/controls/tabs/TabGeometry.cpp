#include "TabGeometry.h"

#include <commctrl.h>

#include <vector>

namespace tab_geometry {

RECT PaneArea(HWND tabs, const RECT& rect) {
  RECT r = rect;
  SendMessageW(tabs, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&r));
  InflateRect(&r, 4, 4);
  return r;
}

HFONT WindowFont(HWND wnd) {
  auto font = reinterpret_cast<HFONT>(SendMessageW(wnd, WM_GETFONT, 0, 0));
  return font ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

bool TabItem(HWND tabs, bool unicode, int index, int maxLength, std::wstring& caption, int& imageIndex) {
  imageIndex = -1;
  caption.clear();
  // One more place for the terminator; the control never writes past cchTextMax.
  if (unicode) {
    std::vector<wchar_t> text(static_cast<size_t>(maxLength) + 1, L'\0');
    TCITEMW item{};
    item.mask = TCIF_TEXT | TCIF_IMAGE;
    item.pszText = text.data();
    item.cchTextMax = maxLength + 1;
    if (!SendMessageW(tabs, TCM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item))) return false;
    text.back() = L'\0';
    caption = item.pszText ? std::wstring(item.pszText).substr(0, static_cast<size_t>(maxLength)) : std::wstring();
    imageIndex = item.iImage;
    return true;
  }
  std::vector<char> text(static_cast<size_t>(maxLength) + 1, '\0');
  TCITEMA item{};
  item.mask = TCIF_TEXT | TCIF_IMAGE;
  item.pszText = text.data();
  item.cchTextMax = maxLength + 1;
  if (!SendMessageA(tabs, TCM_GETITEMA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item))) return false;
  text.back() = '\0';
  const char* source = item.pszText ? item.pszText : "";
  const int length = MultiByteToWideChar(CP_ACP, 0, source, -1, nullptr, 0);
  if (length > 1) {
    caption.resize(static_cast<size_t>(length - 1));
    MultiByteToWideChar(CP_ACP, 0, source, -1, caption.data(), length);
  }
  imageIndex = item.iImage;
  return true;
}

TElementMargins TurnedMargins(const TElementMargins& m, int side) {
  switch (side) {
    case 1: return {m.LeftWidth, m.BottomHeight, m.RightWidth, m.TopHeight};
    case 2: return {m.TopHeight, m.RightWidth, m.BottomHeight, m.LeftWidth};   // a quarter turn to the left
    case 3: return {m.BottomHeight, m.LeftWidth, m.TopHeight, m.RightWidth};   // a quarter turn to the right
    default: return m;
  }
}

}  // namespace tab_geometry
