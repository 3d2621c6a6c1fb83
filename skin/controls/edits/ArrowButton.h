// The skinned drop-down button a date-time picker painter puts over the picker's own: a small
// window inside the picker that passes its clicks on to the picker's button.
#pragma once

#include <windows.h>

#include "Controls.h"

class TSkinControl;

class TArrowButton : public tk::TCustomControl {
  TK_CLASS(TArrowButton)
 public:
  explicit TArrowButton(tk::TComponent* owner);

  // Puts the button into the picker's window, over the picker's own button.
  void AttachTo(TSkinControl* painter, tk::TWinControl* picker);
  // Follows the picker's new size (rect: its window rectangle at the origin).
  void Place(const RECT& rect);
  bool Hot() const { return (FState & 1) != 0; }

  int ArrowWidth = 0;
  tk::TWinControl* Picker = nullptr;
  TSkinControl* Painter = nullptr;
  HWND PickerHandle = nullptr;

 protected:
  void Notification(tk::TComponent* component, tk::TOperation operation) override;
  void WndProc(tk::TMessage& msg) override;
  void Paint() override;

 private:
  int LeftFor(int pickerWidth) const;
  void SetHot(bool hot);
  void PassClickToPicker(const tk::TMessage& msg);
  uint8_t FState = 0;  // bit 0: hot
};
