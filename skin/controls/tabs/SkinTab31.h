// Old-style tab sets: tabs hanging from the top edge, drawn from the Tabs element turned upside
// down (frame 2 for the selected tab), the set's own scroller drawn as horizontal arrows.
#pragma once

#include "WinSubClass.h"

class TSkinTab31 : public TSkinControl {
  TK_CLASS(TSkinTab31)
 public:
  static constexpr int TabPadding = 9;       // a tab is its caption's width plus this
  static constexpr int ScrollerReserve = 12;  // more room kept at the end while the scroller shows

  explicit TSkinTab31(tk::TComponent* owner);
  ~TSkinTab31() override;

  void Attach(TWinSkinForm* form, TSkinData* skin, bool recolour, tk::TCanvas* canvas) override;
  bool BeforeMessage(tk::TMessage& msg) override;
  void Draw(HDC dc, const RECT& rect) override;
  void SkinChanged() override;

  tk::TBitmap TabImage;
  TSkinControl* UpDown = nullptr;  // painter of the scroller, owned by the scroller
  tk::TWinControl* Scroller = nullptr;

 protected:
  void Notification(tk::TComponent* component, tk::TOperation operation) override;

 private:
  void PrepareImage();
  tk::TBitmap Work;
};
