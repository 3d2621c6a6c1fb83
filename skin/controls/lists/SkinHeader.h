// Painter of a column header: every item a nine-grid of the skin's header bar, the item under the
// mouse in its hot frame, the strip right of the last item in the normal frame.
#pragma once

#include <windows.h>

#include <vector>

#include "WinSubClass.h"

class TSkinHeader : public TSkinControl {
  TK_CLASS(TSkinHeader)
 public:
  using TSkinControl::TSkinControl;

  void Attach(TWinSkinForm* form, TSkinData* skin, bool recolour, tk::TCanvas* canvas) override;
  void AttachWindow(HWND handle, TSkinData* skin, TWinSkinForm* form, tk::TCanvas* canvas) override;
  bool BeforeMessage(tk::TMessage& msg) override;
  void AfterMessage(tk::TMessage& msg) override;
  void Draw(HDC dc, const RECT& rect) override;

  // Where each item answers the mouse (its rectangle less 3 pixels each side), by item index.
  std::vector<RECT> ItemRects;
  int HotItem = -1;

 private:
  bool HasHeaderbar() const;
  void OnMouseMove(const tk::TMessage& msg);
  void OnMouseLeave();
  void DrawItem(HDC dc, int index, const RECT& itemRect);
};
