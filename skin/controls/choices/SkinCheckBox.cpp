#include "SkinCheckBox.h"

#include "ChoiceText.h"
#include "WinSkinData.h"

const tk::TClassInfo& TSkinCheckBox::StaticClass() {
  static const tk::TClassInfo info("TSkinCheckBox", &TSkinChoiceButton::StaticClass());
  return info;
}

void TSkinCheckBox::Attach(TWinSkinForm* form, TSkinData* skin, bool recolour, tk::TCanvas* canvas) {
  if (Attached) return;
  TSkinChoiceButton::Attach(form, skin, recolour, canvas);
  CheckState = 0;
}

void TSkinCheckBox::AfterMessage(tk::TMessage& msg) {
  if (msg.Msg == BM_SETCHECK) CheckState = static_cast<int32_t>(msg.WParam) + 1;
  TSkinChoiceButton::AfterMessage(msg);
}

tk::TBitmap* TSkinCheckBox::BoxImage() const {
  return SkinData && SkinData->Buttons ? &SkinData->Buttons->CheckBitmap : nullptr;
}

int TSkinCheckBox::BoxFrameCount() const {
  return SkinData && SkinData->Buttons ? SkinData->Buttons->CheckFrameCount : 0;
}

int TSkinCheckBox::FrameIndex() const {
  TCheckFrameInput in = FrameInput();
  const LRESULT state = Handle ? SendMessageW(Handle, BM_GETSTATE, 0, 0) : 0;
  in.windowChecked = (state & BST_CHECKED) != 0;
  in.windowIndeterminate = (state & BST_INDETERMINATE) != 0;
  if (Control) {
    in.hasState = tk::FindPropInfo(Control, "State") != nullptr;
    in.stateUnchecked = EnumTextContains(Control, "State", "uncheck");
    in.stateChecked = EnumTextContains(Control, "State", "check");
    in.stateGrayed = EnumTextContains(Control, "State", "gray");
    in.hasDataField = tk::FindPropInfo(Control, "DataField") != nullptr;
    in.hasDataBinding = tk::FindPropInfo(Control, "DataBinding") != nullptr;
    in.checkState = CheckState;
  }
  return CheckBoxFrame(in);
}
