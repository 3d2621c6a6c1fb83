// The skinned menu band of a frame painter, its buttons, the drop-downs opened from it, and the
// painter of menu windows.
//   MenuBand.cpp      the band: building, painting, laying out, hit-testing, opening drop-downs,
//                     the tracking hook and keyboard access
//   MenuItemDraw.cpp  owner-drawn menu items (measuring and drawing from the skin)
//   PopMenu.cpp       TWinSkinPopMenu, the painter of "#32768" menu windows
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "Graphics.h"
#include "Menus.h"
#include "NCObjects.h"
#include "WindowSubclass.h"

class TSkinData;
class TWinSkinForm;
class TWinSkinMenu;

// One top-level item of the band.
class TMenuBtn : public TNCObject {
 public:
  TMenuBtn(TWinSkinForm* owner, TWinSkinMenu* band) : TNCObject(owner), Band(band) {}
  void Paint() override;

  TWinSkinMenu* Band;
  // The toolkit item behind the button when the window is a toolkit form. A record of which item
  // it was: compared, never followed (the menu may have changed since the band was built).
  tk::TMenuItem* MenuItem = nullptr;
  TSkinData* Skin = nullptr;
  int Index = 0;
  std::wstring Caption;
  HMENU SubMenu = nullptr;
  UINT Command = 0;
};

class TWinSkinMenu {
 public:
  TWinSkinMenu(TWinSkinForm* form, TSkinData* skin);
  ~TWinSkinMenu();
  TWinSkinMenu(const TWinSkinMenu&) = delete;
  TWinSkinMenu& operator=(const TWinSkinMenu&) = delete;

  // The toolkit menu behind the band (a form's main menu), or none for a plain window. A toolkit
  // form's band always follows the form's current main menu.
  void SetFrameworkMenu(tk::TMainMenu* menu) { FrameworkMenu = menu; }
  // Makes one button per top-level item from the window's menu and takes the menu off the
  // window. mdiSetMenu: items with empty text keep their native values, buttons laid out only.
  void BuildBar(bool mdiSetMenu = false);
  // Paints the band at bandRect (frame coordinates) into dc (the window DC).
  void PaintBar(HDC dc, const RECT& bandRect);
  void LayoutBar();
  TMenuBtn* ButtonAt(POINT framePoint);
  int IndexOf(const TMenuBtn* button) const;
  // Runs the button's command, or tracks its drop-down (and the neighbours the user switches to)
  // until it closes.
  void OpenDropDown(TMenuBtn& button);
  // Alt (character 0) or an accelerator: opens the matching button; false when none matches.
  bool KeyMenu(wchar_t character);
  // Opens the button under a screen point (SKM_OPENMENUAT).
  void OpenAt(POINT screenPoint);
  // A button of the band whose caption has this accelerator (ampersand letter), or none.
  TMenuBtn* ButtonWithAccelerator(wchar_t character);
  int ButtonCount() const { return static_cast<int>(Buttons.size()); }
  // WM_MENUSELECT reaching the window while one of the band's drop-downs is open.
  void MenuSelect(WPARAM wParam, LPARAM lParam);
  // The button whose drop-down is open, -1 when none.
  int OpenIndex() const { return FOpenIndex; }

  std::vector<std::unique_ptr<TMenuBtn>> Buttons;
  tk::TMainMenu* FrameworkMenu = nullptr;
  RECT MenuBand{};
  TSkinData* Skin;
  TWinSkinForm* FormPainter;
  tk::TBitmap BandBackground;
  HMENU NativeMenu = nullptr;
  // The toolkit item selected in the open drop-down (WM_MENUSELECT), none when nothing is.
  tk::TMenuItem* SelectedItem = nullptr;

 private:
  int FirstItemOffset(int bandWidth) const;
  void PlaceButtons(HDC dc, const RECT& band, bool paint);
  void PaintBandBackground(HDC dc, int width, int height);
  void PaintMDIButtons(HDC dc, const RECT& band);
  int MDIButtonsLeft() const;
  tk::TMenuItem* ToolkitItemOf(ULONG_PTR itemData, UINT command, HMENU subMenu) const;
  // Tracks the drop-down of button `index`; returns the button to switch to afterwards, or -1.
  int TrackDropDown(int index);
  void DropClosingClick(int index);
  int FOpenIndex = -1;
};

// Owner-drawn menu items: what the skin adds to an item's size, and how an item is drawn. Used for
// the band's drop-downs, the skinned system menu and the toolkit menus switched to skinned drawing.
namespace skin_menu {

// WM_MEASUREITEM / WM_DRAWITEM of a menu item sent to a skinned window. False when the message
// is not about a menu item this engine draws.
bool MeasureItem(TWinSkinForm& form, MEASUREITEMSTRUCT& mis);
bool DrawItem(TWinSkinForm& form, const DRAWITEMSTRUCT& dis);

// Makes every item of a native menu (and its sub-menus) owner-drawn, keeping its text and data.
void MakeOwnerDrawn(HMENU menu);

// Switches a toolkit menu's items to the skin's drawing (or back): a pop-up menu gets owner-draw,
// the skin's drawing and the pop-up measure; a main menu (menu items skinned) owner-draw, and the
// skin's drawing and item measure for its items below the bar that draw nothing of their own.
void SwitchMenuToSkin(tk::TMenu& menu, TSkinData& skin, bool on);
// An item tree (a tool button's menu item): the skin's drawing and item measure; off clears the
// drawing only.
void SwitchMenuItemToSkin(tk::TMenuItem& item, TSkinData& skin, bool on);

}  // namespace skin_menu

// Painter of one menu window ("#32768"): the skin's menu background and border.
class TWinSkinPopMenu : private TWindowSubclass::Target {
 public:
  TWinSkinPopMenu() = default;
  ~TWinSkinPopMenu();
  TWinSkinPopMenu(const TWinSkinPopMenu&) = delete;
  TWinSkinPopMenu& operator=(const TWinSkinPopMenu&) = delete;

  void Attach(HWND menuWindow, TSkinData* skin);
  void Detach();
  // Where the window's client area (the items) starts in PopBackground.
  POINT ClientOffset() const;

  HWND MenuWindow = nullptr;
  TSkinData* Skin = nullptr;
  int Index = -1;
  tk::TBitmap PopBackground;
  HMENU MenuHandle = nullptr;  // recorded by the item drawing
  tk::UniqueRegion ClipRegion;
  bool OpenedFromBar = false;

 private:
  LRESULT SubclassProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
  bool HasPicture() const;
  void MakeBackground();
  void PaintAroundItems(HWND wnd);
  TWindowSubclass FSubclass{*this};
};
