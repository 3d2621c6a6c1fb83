// Which painters of this family exist and how each is attached.
#include "PainterFactory.h"

TSkinControl* MakeEditPainter(TPainterKind, tk::TControl*, TWinSkinForm*, TSkinData*, bool, tk::TCanvas*) {
  return nullptr;
}

TSkinControl* MakeEditWindowPainter(TPainterKind, HWND, TWinSkinForm*, TSkinData*, tk::TCanvas*) { return nullptr; }
