#include "PainterFactory.h"

namespace {

enum class TFamily { Buttons, ScrollBars, Edits, Choices };

TFamily FamilyOf(TPainterKind kind) {
  switch (kind) {
    case TPainterKind::pkButton:
    case TPainterKind::pkBitButton:
    case TPainterKind::pkBitButtonPng:
    case TPainterKind::pkSpeedButton:
    case TPainterKind::pkSpeedButtonPng:
    case TPainterKind::pkMenuButton:
      return TFamily::Buttons;
    case TPainterKind::pkScrollbar:
    case TPainterKind::pkScrollbarSingle:
    case TPainterKind::pkScControl:
    case TPainterKind::pkScrollbarH:
      return TFamily::ScrollBars;
    case TPainterKind::pkEdit:
    case TPainterKind::pkComBox:
    case TPainterKind::pkComBoxEx:
    case TPainterKind::pkDateTime:
      return TFamily::Edits;
    default:
      return TFamily::Choices;
  }
}

}  // namespace

TSkinControl* SkinControlAs(TPainterKind kind, tk::TControl* control, TWinSkinForm* form, TSkinData* skin,
                            bool recolour, tk::TCanvas* canvas) {
  if (!control) return nullptr;
  switch (FamilyOf(kind)) {
    case TFamily::Buttons: return MakeButtonPainter(kind, control, form, skin, recolour, canvas);
    case TFamily::ScrollBars: return MakeScrollPainter(kind, control, form, skin, recolour, canvas);
    case TFamily::Edits: return MakeEditPainter(kind, control, form, skin, recolour, canvas);
    case TFamily::Choices: return MakeChoicePainter(kind, control, form, skin, recolour, canvas);
  }
  return nullptr;
}

TSkinControl* SkinWindowAs(TPainterKind kind, HWND wnd, TWinSkinForm* form, TSkinData* skin, tk::TCanvas* canvas) {
  if (!wnd) return nullptr;
  switch (FamilyOf(kind)) {
    case TFamily::Buttons: return MakeButtonWindowPainter(kind, wnd, form, skin, canvas);
    case TFamily::ScrollBars: return MakeScrollWindowPainter(kind, wnd, form, skin, canvas);
    case TFamily::Edits: return MakeEditWindowPainter(kind, wnd, form, skin, canvas);
    case TFamily::Choices: return MakeChoiceWindowPainter(kind, wnd, form, skin, canvas);
  }
  return nullptr;
}
