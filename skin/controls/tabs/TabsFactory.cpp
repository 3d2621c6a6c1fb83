// Which painters of this family (tab strips, page controls and their sheets) exist and how each is attached.
#include "PainterFactory.h"

TSkinControl* MakeTabPainter(TPainterKind, tk::TControl*, TWinSkinForm*, TSkinData*, bool, tk::TCanvas*) { return nullptr; }

TSkinControl* MakeTabWindowPainter(TPainterKind, HWND, TWinSkinForm*, TSkinData*, tk::TCanvas*) { return nullptr; }
