// The speed button painter. A speed button has no window: the painter takes over its WindowProc,
// draws it into the DC its parent hands over with WM_PAINT, and follows the mouse through the
// enter and leave notices the parent sends it.
#pragma once

#include <exception>

#include "SkinBitButton.h"

class TSkinSpeedButton : public TSkinBitButton {
  TK_CLASS(TSkinSpeedButton)
 public:
  explicit TSkinSpeedButton(tk::TComponent* owner);
  ~TSkinSpeedButton() override;

  // Takes over the owner, a windowless speed button.
  void AttachSpeedButton(TWinSkinForm* form, TSkinData* skin, tk::TCanvas* canvas);
  bool BeforeMessage(tk::TMessage& msg) override;
  void AfterMessage(tk::TMessage& msg) override;
  // Draws into dc, or (when null) straight onto the parent's window at the button's place.
  void PaintNow(HDC dc) override;
  void Draw(HDC dc, const RECT& rect) override;

  bool Busy = false;  // a drawing is under way (drawing can bring messages that draw again)

 protected:
  void Notification(tk::TComponent* component, tk::TOperation operation) override;

 private:
  void CompanionMessage(tk::TMessage& msg);
  void CallCompanion(tk::TMessage& msg);
  void GiveCompanionBack();
  void DrawSpeedButton(HDC dc, const RECT& rect, TDataSkinButton& element);

  bool FCompanionTaken = false;
  bool* FAliveFlag = nullptr;
  std::exception_ptr* FCompanionFailure = nullptr;
};
