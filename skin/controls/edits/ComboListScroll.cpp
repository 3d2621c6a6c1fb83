#include "ComboListScroll.h"

#include "TComboxScrollBar.h"
#include "TSkinScrollbarH.h"

TSkinControl* AttachComboDropScroll(tk::TComponent* owner, HWND list, TSkinData* skin, TWinSkinForm* form,
                                    tk::TCanvas* canvas) {
  return AttachComboListScrollBar(owner, list, skin, form, canvas);
}

TSkinControl* AttachComboListScroll(tk::TComponent* owner, HWND list, TSkinData* skin, TWinSkinForm* form,
                                    tk::TCanvas* canvas) {
  if (!list) return nullptr;
  auto* painter = new TSkinScrollbarH(owner);
  painter->AttachWindow(list, skin, form, canvas);
  return painter;
}
