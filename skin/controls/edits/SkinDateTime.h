// Painter of date-time pickers: a flat frame, and a skinned drop-down button window over the
// picker's own.
#pragma once

#include <windows.h>

#include "WinSubClass.h"

class TArrowButton;

class TSkinDateTime : public TSkinControl {
  TK_CLASS(TSkinDateTime)
 public:
  using TSkinControl::TSkinControl;
  ~TSkinDateTime() override;

  void Attach(TWinSkinForm* form, TSkinData* skin, bool recolour, tk::TCanvas* canvas) override;
  void Unskin() override;
  void AfterMessage(tk::TMessage& msg) override;
  void Draw(HDC dc, const RECT& rect) override;

  TArrowButton* Arrow = nullptr;  // owned

 protected:
  void Notification(tk::TComponent* component, tk::TOperation operation) override;
};
