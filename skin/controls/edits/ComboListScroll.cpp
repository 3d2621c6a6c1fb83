#include "ComboListScroll.h"

// The list scroll painters are not there yet: the lists keep the platform's scroll bars.
TSkinControl* AttachComboDropScroll(tk::TComponent*, HWND, TSkinData*, TWinSkinForm*, tk::TCanvas*) { return nullptr; }

TSkinControl* AttachComboListScroll(tk::TComponent*, HWND, TSkinData*, TWinSkinForm*, tk::TCanvas*) { return nullptr; }
