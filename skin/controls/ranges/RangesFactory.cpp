// Which painters of this family (track bars, progress bars, media players and picture-mark controls) exist and how each is attached.
#include "PainterFactory.h"

TSkinControl* MakeRangePainter(TPainterKind, tk::TControl*, TWinSkinForm*, TSkinData*, bool, tk::TCanvas*) { return nullptr; }

TSkinControl* MakeRangeWindowPainter(TPainterKind, HWND, TWinSkinForm*, TSkinData*, tk::TCanvas*) { return nullptr; }
