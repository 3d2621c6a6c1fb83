// Which painters of this family (headers, list views and up-down buttons) exist and how each is attached.
#include "PainterFactory.h"

TSkinControl* MakeListPainter(TPainterKind, tk::TControl*, TWinSkinForm*, TSkinData*, bool, tk::TCanvas*) { return nullptr; }

TSkinControl* MakeListWindowPainter(TPainterKind, HWND, TWinSkinForm*, TSkinData*, tk::TCanvas*) { return nullptr; }
