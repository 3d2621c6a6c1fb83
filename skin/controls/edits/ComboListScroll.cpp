#include "ComboListScroll.h"

// The lists keep the platform's scroll bars for now: the drop-down list's bar painter, taken over
// on the list window of the practice window's voice box, brings the program down under Wine.
TSkinControl* AttachComboDropScroll(tk::TComponent*, HWND, TSkinData*, TWinSkinForm*, tk::TCanvas*) { return nullptr; }

TSkinControl* AttachComboListScroll(tk::TComponent*, HWND, TSkinData*, TWinSkinForm*, tk::TCanvas*) { return nullptr; }
