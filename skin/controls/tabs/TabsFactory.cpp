// Which painters of this family (tab strips, page controls and their sheets) exist and how each is attached.
#include "PainterFactory.h"
#include "SkinAdvPage.h"
#include "SkinTab.h"
#include "SkinTab31.h"
#include "SkinTabBtn.h"
#include "SkinTabSheet.h"
#include "WinSkinData.h"
#include "WinSkinForm.h"

namespace {

bool HasTabs(const TSkinData* skin) { return skin && skin->Tabs && !skin->Tabs->Bitmap.Empty(); }
bool HasButtons(const TSkinData* skin) { return skin && skin->Buttons && !skin->Buttons->Bitmap.Empty(); }

// What a kind needs from the skin; without it the control keeps its own looks.
bool SkinServes(TPainterKind kind, const TSkinData* skin) {
  switch (kind) {
    case TPainterKind::pkTab:
    case TPainterKind::pkPageControl:
    case TPainterKind::pkTab31:
    case TPainterKind::pkAdvPage: return HasTabs(skin);
    case TPainterKind::pkTabBtn: return HasButtons(skin);
    case TPainterKind::pkTabSheet: return skin != nullptr;
    default: return false;
  }
}

template <class P>
TSkinControl* AttachedTo(tk::TControl* control, TWinSkinForm* form, TSkinData* skin, bool recolour, tk::TCanvas* canvas,
                         int mode = 0) {
  auto* painter = new P(control);
  painter->Mode = mode;
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

TSkinControl* MakeTabPainter(TPainterKind kind, tk::TControl* control, TWinSkinForm* form, TSkinData* skin, bool recolour,
                             tk::TCanvas* canvas) {
  if (!dynamic_cast<tk::TWinControl*>(control) || !SkinServes(kind, skin)) return nullptr;
  switch (kind) {
    case TPainterKind::pkTab: return AttachedTo<TSkinTab>(control, form, skin, recolour, canvas);
    case TPainterKind::pkPageControl:
      return AttachedTo<TSkinTab>(control, form, skin, recolour, canvas, TSkinTab::PageControlMode);
    case TPainterKind::pkTab31: return AttachedTo<TSkinTab31>(control, form, skin, recolour, canvas);
    case TPainterKind::pkTabBtn: return AttachedTo<TSkinTabBtn>(control, form, skin, recolour, canvas);
    case TPainterKind::pkTabSheet: return AttachedTo<TSkinTabSheet>(control, form, skin, recolour, canvas);
    case TPainterKind::pkAdvPage:
      return AttachedTo<TSkinAdvPage>(control, form, skin, recolour, canvas, TSkinAdvPage::PictureStyle);
    default: return nullptr;
  }
}

TSkinControl* MakeTabWindowPainter(TPainterKind kind, HWND wnd, TWinSkinForm* form, TSkinData* skin, tk::TCanvas* canvas) {
  if (!wnd || !IsWindow(wnd) || !SkinServes(kind, skin)) return nullptr;
  switch (kind) {
    case TPainterKind::pkTab: return AttachedToWindow<TSkinTab>(wnd, form, skin, canvas);
    case TPainterKind::pkTabBtn: return AttachedToWindow<TSkinTabBtn>(wnd, form, skin, canvas);
    default: return nullptr;
  }
}
