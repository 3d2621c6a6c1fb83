// The scroll bar painters of a combo box's lists: the drop-down list's and a simple combo box's
// list's. Made here, by the combo box painter's request, so that the combo box painter does not
// depend on which scroll painters exist.
#pragma once

#include <windows.h>

namespace tk {
class TCanvas;
class TComponent;
}  // namespace tk
class TSkinControl;
class TSkinData;
class TWinSkinForm;

// A painter owned by `owner` attached to the drop-down list window, or null when there is none.
TSkinControl* AttachComboDropScroll(tk::TComponent* owner, HWND list, TSkinData* skin, TWinSkinForm* form,
                                    tk::TCanvas* canvas);
// Covers over the scroll bars of the always-shown list of a simple combo box.
TSkinControl* AttachComboListScroll(tk::TComponent* owner, HWND list, TSkinData* skin, TWinSkinForm* form,
                                    tk::TCanvas* canvas);
