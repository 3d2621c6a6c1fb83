// Makes and attaches the painter of a given kind. The mapping decides which kind a control or a
// raw window gets; each painter family knows how its painters are made and which attach operation
// they use. A family answers null for a kind it does not make.
#pragma once

#include <windows.h>

namespace tk {
class TCanvas;
class TControl;
}  // namespace tk
class TSkinControl;
class TSkinData;
class TWinSkinForm;

enum class TPainterKind {
  // buttons
  pkButton, pkBitButton, pkBitButtonPng, pkSpeedButton, pkSpeedButtonPng, pkMenuButton,
  // scroll bars
  pkScrollbar, pkScrollbarSingle, pkScControl, pkScrollbarH,
  // edits and combo boxes
  pkEdit, pkComBox, pkComBoxEx, pkDateTime,
  // check boxes, radio buttons, group boxes, panels, status bars
  pkCheckBox, pkRadioButton, pkGroupBox, pkBox, pkBoxH, pkSizer, pkStatusBar,
  // tab strips and their pages
  pkTab, pkPageControl, pkTab31, pkTabBtn, pkTabSheet, pkAdvPage,
  // headers, list views, up-down buttons
  pkHeader, pkListView, pkUpDown, pkUpDownEmbedded, pkUpDownHorz,
  // track bars, progress bars, media players, controls that take pictures for their marks
  pkTrackBar, pkProgress, pkMediaPlayer, pkObjImageCheck, pkObjImageRadio, pkObjImageGlyph,
};

// A painter owned by the control, attached to it (the form painter lists it). Null when the
// kind has no painter for such a control.
TSkinControl* SkinControlAs(TPainterKind kind, tk::TControl* control, TWinSkinForm* form, TSkinData* skin,
                            bool recolour, tk::TCanvas* canvas);
// A painter owned by the form painter, attached to a window that has no toolkit control.
TSkinControl* SkinWindowAs(TPainterKind kind, HWND wnd, TWinSkinForm* form, TSkinData* skin, tk::TCanvas* canvas);

// --- one per family, in the family's folder ---
TSkinControl* MakeButtonPainter(TPainterKind kind, tk::TControl* control, TWinSkinForm* form, TSkinData* skin,
                                bool recolour, tk::TCanvas* canvas);
TSkinControl* MakeButtonWindowPainter(TPainterKind kind, HWND wnd, TWinSkinForm* form, TSkinData* skin,
                                      tk::TCanvas* canvas);
TSkinControl* MakeScrollPainter(TPainterKind kind, tk::TControl* control, TWinSkinForm* form, TSkinData* skin,
                                bool recolour, tk::TCanvas* canvas);
TSkinControl* MakeScrollWindowPainter(TPainterKind kind, HWND wnd, TWinSkinForm* form, TSkinData* skin,
                                      tk::TCanvas* canvas);
TSkinControl* MakeEditPainter(TPainterKind kind, tk::TControl* control, TWinSkinForm* form, TSkinData* skin,
                              bool recolour, tk::TCanvas* canvas);
TSkinControl* MakeEditWindowPainter(TPainterKind kind, HWND wnd, TWinSkinForm* form, TSkinData* skin,
                                    tk::TCanvas* canvas);
TSkinControl* MakeChoicePainter(TPainterKind kind, tk::TControl* control, TWinSkinForm* form, TSkinData* skin,
                                bool recolour, tk::TCanvas* canvas);
TSkinControl* MakeChoiceWindowPainter(TPainterKind kind, HWND wnd, TWinSkinForm* form, TSkinData* skin,
                                      tk::TCanvas* canvas);
TSkinControl* MakeTabPainter(TPainterKind kind, tk::TControl* control, TWinSkinForm* form, TSkinData* skin,
                             bool recolour, tk::TCanvas* canvas);
TSkinControl* MakeTabWindowPainter(TPainterKind kind, HWND wnd, TWinSkinForm* form, TSkinData* skin,
                                   tk::TCanvas* canvas);
TSkinControl* MakeListPainter(TPainterKind kind, tk::TControl* control, TWinSkinForm* form, TSkinData* skin,
                              bool recolour, tk::TCanvas* canvas);
TSkinControl* MakeListWindowPainter(TPainterKind kind, HWND wnd, TWinSkinForm* form, TSkinData* skin,
                                    tk::TCanvas* canvas);
TSkinControl* MakeRangePainter(TPainterKind kind, tk::TControl* control, TWinSkinForm* form, TSkinData* skin,
                               bool recolour, tk::TCanvas* canvas);
TSkinControl* MakeRangeWindowPainter(TPainterKind kind, HWND wnd, TWinSkinForm* form, TSkinData* skin,
                                     tk::TCanvas* canvas);
