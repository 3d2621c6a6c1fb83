// A control whose window was made again gets its scroll-bar painter made again: the covers of the
// old painter sat over the old window's bars.
#include "PainterFactory.h"
#include "TSkinScrollbar.h"
#include "WinSkinData.h"
#include "WinSkinForm.h"
#include "WinSkinHelpers.h"

void TWinSkinForm::ReskinScrollPainter(HWND control) {
  tk::TWinControl* target = ControlOfWindow(control);
  if (!target || !SkinData) return;
  TSkinScrollbar* old = nullptr;
  for (TSkinControl* painter : Painters)
    if (painter->Control == target)
      if (auto* scroll = dynamic_cast<TSkinScrollbar*>(painter)) old = scroll;
  if (!old) return;
  const TPainterKind kind = old->Mode == 1 ? TPainterKind::pkScrollbarSingle : TPainterKind::pkScrollbar;
  tk::TCanvas* canvas = old->Canvas;
  tk::TComponent::Free(old);
  SkinControlAs(kind, target, this, SkinData, false, canvas);
}
