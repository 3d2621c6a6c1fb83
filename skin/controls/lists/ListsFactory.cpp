// Which painters of this family (headers, list views and up-down buttons) exist and how each is attached.
#include "PainterFactory.h"
#include "SkinHeader.h"
#include "SkinListView.h"
#include "SkinUpDown.h"
#include "WinSkinForm.h"

namespace {

// The up-down kinds differ only in the painter's two flags.
void SetUpDownKind(TSkinUpDown& painter, TPainterKind kind) {
  painter.Embedded = kind == TPainterKind::pkUpDownEmbedded;
  painter.Horizontal = kind == TPainterKind::pkUpDownHorz;
}

bool IsUpDownKind(TPainterKind kind) {
  return kind == TPainterKind::pkUpDown || kind == TPainterKind::pkUpDownEmbedded || kind == TPainterKind::pkUpDownHorz;
}

}  // namespace

TSkinControl* MakeListPainter(TPainterKind kind, tk::TControl* control, TWinSkinForm* form, TSkinData* skin, bool recolour,
                              tk::TCanvas* canvas) {
  // Every painter of this family paints a window of the control's own.
  auto* windowed = dynamic_cast<tk::TWinControl*>(control);
  if (!windowed) return nullptr;
  if (IsUpDownKind(kind)) {
    auto* painter = new TSkinUpDown(control);
    SetUpDownKind(*painter, kind);
    painter->Attach(form, skin, recolour, canvas);
    return painter;
  }
  switch (kind) {
    case TPainterKind::pkHeader: {
      auto* painter = new TSkinHeader(control);
      painter->Attach(form, skin, recolour, canvas);
      return painter;
    }
    case TPainterKind::pkListView: {
      auto* painter = new TSkinListView(control);
      painter->AttachScrollbars(control, skin, form, canvas);
      return painter;
    }
    default:
      return nullptr;
  }
}

TSkinControl* MakeListWindowPainter(TPainterKind kind, HWND wnd, TWinSkinForm* form, TSkinData* skin, tk::TCanvas* canvas) {
  if (!wnd || !IsWindow(wnd) || !form) return nullptr;
  if (IsUpDownKind(kind)) {
    auto* painter = new TSkinUpDown(form);
    SetUpDownKind(*painter, kind);
    painter->AttachWindow(wnd, skin, form, canvas);
    return painter;
  }
  if (kind != TPainterKind::pkHeader) return nullptr;
  auto* painter = new TSkinHeader(form);
  painter->AttachWindow(wnd, skin, form, canvas);
  return painter;
}
