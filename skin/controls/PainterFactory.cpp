#include "PainterFactory.h"

namespace {

enum class TFamily { Buttons, ScrollBars, Edits, Choices, Tabs, Lists, Ranges };

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
    case TPainterKind::pkTab:
    case TPainterKind::pkPageControl:
    case TPainterKind::pkTab31:
    case TPainterKind::pkTabBtn:
    case TPainterKind::pkTabSheet:
    case TPainterKind::pkAdvPage:
      return TFamily::Tabs;
    case TPainterKind::pkHeader:
    case TPainterKind::pkListView:
    case TPainterKind::pkUpDown:
    case TPainterKind::pkUpDownEmbedded:
    case TPainterKind::pkUpDownHorz:
      return TFamily::Lists;
    case TPainterKind::pkTrackBar:
    case TPainterKind::pkProgress:
    case TPainterKind::pkMediaPlayer:
    case TPainterKind::pkObjImageCheck:
    case TPainterKind::pkObjImageRadio:
    case TPainterKind::pkObjImageGlyph:
      return TFamily::Ranges;
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
    case TFamily::Tabs: return MakeTabPainter(kind, control, form, skin, recolour, canvas);
    case TFamily::Lists: return MakeListPainter(kind, control, form, skin, recolour, canvas);
    case TFamily::Ranges: return MakeRangePainter(kind, control, form, skin, recolour, canvas);
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
    case TFamily::Tabs: return MakeTabWindowPainter(kind, wnd, form, skin, canvas);
    case TFamily::Lists: return MakeListWindowPainter(kind, wnd, form, skin, canvas);
    case TFamily::Ranges: return MakeRangeWindowPainter(kind, wnd, form, skin, canvas);
  }
  return nullptr;
}
