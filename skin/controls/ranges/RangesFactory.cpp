// Which painters of this family (track bars, progress bars, media players and picture-mark controls) exist and how each is attached.
#include "PainterFactory.h"
#include "SkinMP.h"
#include "SkinObjImage.h"
#include "SkinProgress.h"
#include "SkinTrackBar.h"
#include "WinSkinForm.h"

namespace {

template <class P>
TSkinControl* AttachedTo(P* painter, TWinSkinForm* form, TSkinData* skin, bool recolour, tk::TCanvas* canvas) {
  painter->Attach(form, skin, recolour, canvas);
  return painter;
}

}  // namespace

TSkinControl* MakeRangePainter(TPainterKind kind, tk::TControl* control, TWinSkinForm* form, TSkinData* skin, bool recolour,
                               tk::TCanvas* canvas) {
  // Every painter of the family works on a window of the control's own.
  if (!dynamic_cast<tk::TWinControl*>(control)) return nullptr;
  switch (kind) {
    case TPainterKind::pkTrackBar: return AttachedTo(new TSkinTrackBar(control), form, skin, recolour, canvas);
    case TPainterKind::pkProgress: return AttachedTo(new TSkinProgress(control), form, skin, recolour, canvas);
    case TPainterKind::pkMediaPlayer: return AttachedTo(new TSkinMP(control), form, skin, recolour, canvas);
    case TPainterKind::pkObjImageCheck:
      return AttachedTo(new TSkinObjImage(control, TSkinObjImage::ikCheck), form, skin, recolour, canvas);
    case TPainterKind::pkObjImageRadio:
      return AttachedTo(new TSkinObjImage(control, TSkinObjImage::ikRadio), form, skin, recolour, canvas);
    case TPainterKind::pkObjImageGlyph:
      return AttachedTo(new TSkinObjImage(control, TSkinObjImage::ikGlyph), form, skin, recolour, canvas);
    default: return nullptr;
  }
}

TSkinControl* MakeRangeWindowPainter(TPainterKind kind, HWND wnd, TWinSkinForm* form, TSkinData* skin, tk::TCanvas* canvas) {
  if (!wnd || !IsWindow(wnd)) return nullptr;
  // Only the progress bar paints a bare window: the others need their control (the track bar's
  // custom-draw notices reach it through the toolkit, the media player's panel follows it).
  if (kind != TPainterKind::pkProgress) return nullptr;
  auto* painter = new TSkinProgress(form);
  painter->AttachWindow(wnd, skin, form, canvas);
  return painter;
}
