// Which painters of this family exist and how each is attached.
#include "PainterFactory.h"
#include "StdCtrls.h"
#include "TSkinScControl.h"
#include "TSkinScrollbar.h"
#include "TSkinScrollbarH.h"
#include "WinSkinForm.h"

namespace {

bool IsScrollBarControl(tk::TWinControl* control) {
  if (dynamic_cast<tk::TScrollBar*>(control)) return true;
  HWND wnd = control->HandleIfAllocated();
  wchar_t name[16] = {};
  return wnd && GetClassNameW(wnd, name, 16) > 0 && lstrcmpiW(name, L"ScrollBar") == 0;
}

TSkinControl* MakeScrollbar(tk::TWinControl* control, TWinSkinForm* form, TSkinData* skin, tk::TCanvas* canvas, bool single) {
  auto* painter = new TSkinScrollbar(control);
  if (single) painter->Mode = 1;
  painter->AttachScrollbars(control, skin, form, canvas);
  return painter;
}

TSkinControl* MakeScControl(tk::TWinControl* control, TWinSkinForm* form, TSkinData* skin, tk::TCanvas* canvas) {
  if (!IsScrollBarControl(control)) return nullptr;
  auto* painter = new TSkinScControl(control);
  painter->AttachScrollBarControl(control, skin, form, canvas);
  return painter;
}

}  // namespace

TSkinControl* MakeScrollPainter(TPainterKind kind, tk::TControl* control, TWinSkinForm* form, TSkinData* skin, bool,
                                tk::TCanvas* canvas) {
  auto* windowed = dynamic_cast<tk::TWinControl*>(control);
  if (!windowed) return nullptr;
  switch (kind) {
    case TPainterKind::pkScrollbar: return MakeScrollbar(windowed, form, skin, canvas, false);
    case TPainterKind::pkScrollbarSingle: return MakeScrollbar(windowed, form, skin, canvas, true);
    case TPainterKind::pkScControl: return MakeScControl(windowed, form, skin, canvas);
    default: return nullptr;
  }
}

TSkinControl* MakeScrollWindowPainter(TPainterKind kind, HWND wnd, TWinSkinForm* form, TSkinData* skin, tk::TCanvas* canvas) {
  if (kind != TPainterKind::pkScrollbarH || !wnd || !form) return nullptr;
  auto* painter = new TSkinScrollbarH(form);
  painter->AttachWindow(wnd, skin, form, canvas);
  return painter;
}
