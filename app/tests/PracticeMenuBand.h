#pragma once
// The practice window's menu as the user sees it: the skin's band of buttons below the title (the
// window itself has no native menu while it is skinned), and where its drop-downs open.
#include <windows.h>

#include <string>

#include "SkinManage.h"
#include "Unit1.h"
#include "WinSkinForm.h"
#include "WinSkinMenu.h"

namespace practice::testing {

inline TWinSkinMenu* MenuBand(TForm1* form) {
  TSkinManage* manager = TSkinManage::Instance();
  TWinSkinForm* painter = manager ? manager->FindForm(form->Handle()) : nullptr;
  return painter ? painter->MenuBar.get() : nullptr;
}

// The middle of band button i, on the screen.
inline POINT BandButtonPoint(TForm1* form, int i) {
  RECT window{};
  GetWindowRect(form->Handle(), &window);
  const RECT b = MenuBand(form)->Buttons.at(static_cast<size_t>(i))->Bounds;
  return POINT{window.left + (b.left + b.right) / 2, window.top + (b.top + b.bottom) / 2};
}

// The screen x at which button i's drop-down opens.
inline int DropDownLeft(TForm1* form, int i) {
  RECT window{};
  GetWindowRect(form->Handle(), &window);
  return window.left + MenuBand(form)->Buttons.at(static_cast<size_t>(i))->Bounds.left;
}

// The text of a native menu item (owner-drawn items keep theirs).
inline std::wstring MenuItemText(HMENU menu, int position) {
  wchar_t text[128] = {};
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_STRING;
  info.dwTypeData = text;
  info.cch = 128;
  GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info);
  return text;
}

}  // namespace practice::testing
