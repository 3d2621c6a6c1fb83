// Which painters of this family exist and how each is attached.
#include "PainterFactory.h"
#include "SkinBox.h"
#include "SkinBoxH.h"
#include "SkinCheckBox.h"
#include "SkinGroupBox.h"
#include "SkinRadioButton.h"
#include "SkinSizer.h"
#include "SkinStatusBar.h"
#include "WinSkinForm.h"

namespace {

template <class P>
TSkinControl* AttachedTo(tk::TControl* control, TWinSkinForm* form, TSkinData* skin, bool recolour, tk::TCanvas* canvas) {
  auto* painter = new P(control);
  painter->Attach(form, skin, recolour, canvas);
  return painter;
}

template <class P>
TSkinControl* AttachedToWindow(HWND wnd, TWinSkinForm* form, TSkinData* skin, tk::TCanvas* canvas) {
  auto* painter = new P(form);
  painter->AttachWindow(wnd, skin, form, canvas);
  return painter;
}

}  // namespace

TSkinControl* MakeChoicePainter(TPainterKind kind, tk::TControl* control, TWinSkinForm* form, TSkinData* skin, bool recolour,
                                tk::TCanvas* canvas) {
  if (!control) return nullptr;
  if (kind == TPainterKind::pkBox) return AttachedTo<TSkinBox>(control, form, skin, recolour, canvas);
  // The others paint a window of the control's own.
  if (!dynamic_cast<tk::TWinControl*>(control)) return nullptr;
  switch (kind) {
    case TPainterKind::pkCheckBox: return AttachedTo<TSkinCheckBox>(control, form, skin, recolour, canvas);
    case TPainterKind::pkRadioButton: return AttachedTo<TSkinRadioButton>(control, form, skin, recolour, canvas);
    case TPainterKind::pkGroupBox: return AttachedTo<TSkinGroupBox>(control, form, skin, recolour, canvas);
    case TPainterKind::pkStatusBar: return AttachedTo<TSkinStatusBar>(control, form, skin, recolour, canvas);
    default: return nullptr;
  }
}

TSkinControl* MakeChoiceWindowPainter(TPainterKind kind, HWND wnd, TWinSkinForm* form, TSkinData* skin, tk::TCanvas* canvas) {
  if (!wnd || !IsWindow(wnd)) return nullptr;
  switch (kind) {
    case TPainterKind::pkCheckBox: return AttachedToWindow<TSkinCheckBox>(wnd, form, skin, canvas);
    case TPainterKind::pkRadioButton: return AttachedToWindow<TSkinRadioButton>(wnd, form, skin, canvas);
    case TPainterKind::pkBoxH: return AttachedToWindow<TSkinBoxH>(wnd, form, skin, canvas);
    case TPainterKind::pkSizer: return AttachedToWindow<TSkinSizer>(wnd, form, skin, canvas);
    case TPainterKind::pkGroupBox: return AttachedToWindow<TSkinGroupBox>(wnd, form, skin, canvas);
    default: return nullptr;
  }
}
