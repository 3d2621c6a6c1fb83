// Which painter each control of a skinned window receives. The visiting order and the general
// rules live here; each painter family adds its rows to the table as it arrives.
#include <algorithm>

#include "SkinManage.h"
#include "SkinMessages.h"
#include "WinSkinData.h"
#include "WinSkinForm.h"
#include "WinSubClass.h"

void TWinSkinForm::SkinChildren() {
  // Painters whose windows are gone for good leave first. A toolkit control that lives on makes
  // its window again when it is needed (shown later, say); its painter follows it then.
  for (TSkinControl* painter : std::vector<TSkinControl*>(Painters))
    if (painter->State == psWindowDestroyed && !painter->Control) tk::TComponent::Free(painter);
  if (!Form || !SkinData) return;
  SwitchFormPopupMenus(true);
}

void TWinSkinForm::SkinChildWindows(HWND parent) {
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    if (GetWindowLongPtrW(child, GWL_STYLE) & WS_CHILD) SkinChildWindow(child);
}

void TWinSkinForm::SkinChildWindow(HWND) {}
