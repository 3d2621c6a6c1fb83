#include "SkinRadioButton.h"

#include "WinSkinData.h"

const tk::TClassInfo& TSkinRadioButton::StaticClass() {
  static const tk::TClassInfo info("TSkinRadioButton", &TSkinChoiceButton::StaticClass());
  return info;
}

tk::TBitmap* TSkinRadioButton::BoxImage() const {
  return SkinData && SkinData->Buttons ? &SkinData->Buttons->RadioBitmap : nullptr;
}

int TSkinRadioButton::BoxFrameCount() const {
  return SkinData && SkinData->Buttons ? SkinData->Buttons->RadioFrameCount : 0;
}

int TSkinRadioButton::FrameIndex() const {
  TCheckFrameInput in = FrameInput();
  in.windowChecked = Handle && (SendMessageW(Handle, BM_GETCHECK, 0, 0) & 1) != 0;
  return RadioButtonFrame(in);
}
