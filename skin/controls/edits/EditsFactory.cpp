// Which painters of this family exist and how each is attached.
#include "PainterFactory.h"
#include "SkinComBox.h"
#include "SkinDateTime.h"
#include "SkinEdit.h"
#include "WinSkinForm.h"

namespace {

TSkinControl* NewEditPainter(TPainterKind kind, tk::TComponent* owner) {
  switch (kind) {
    case TPainterKind::pkEdit: return new TSkinEdit(owner);
    case TPainterKind::pkComBox: return new TSkinComBox(owner);
    case TPainterKind::pkComBoxEx: {
      auto* painter = new TSkinComBox(owner);
      painter->ExMode = true;
      return painter;
    }
    case TPainterKind::pkDateTime: return new TSkinDateTime(owner);
    default: return nullptr;
  }
}

}  // namespace

TSkinControl* MakeEditPainter(TPainterKind kind, tk::TControl* control, TWinSkinForm* form, TSkinData* skin, bool recolour,
                              tk::TCanvas* canvas) {
  // Every painter of this family works on the control's own window.
  if (!dynamic_cast<tk::TWinControl*>(control)) return nullptr;
  TSkinControl* painter = NewEditPainter(kind, control);
  if (painter) painter->Attach(form, skin, recolour, canvas);
  return painter;
}

TSkinControl* MakeEditWindowPainter(TPainterKind kind, HWND wnd, TWinSkinForm* form, TSkinData* skin, tk::TCanvas* canvas) {
  // Bare edits and combo boxes only: the picker's button needs a toolkit control to sit in.
  if (kind != TPainterKind::pkEdit && kind != TPainterKind::pkComBox) return nullptr;
  TSkinControl* painter = NewEditPainter(kind, form);
  if (painter) painter->AttachWindow(wnd, skin, form, canvas);
  return painter;
}
