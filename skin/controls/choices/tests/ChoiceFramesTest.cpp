// The frame choice on its own, for the inputs no toolkit control of ours produces: controls bound
// to data, controls with Checked but no State.
#include <gtest/gtest.h>

#include "ChoiceFrames.h"

namespace {

TCheckFrameInput Control(int frames = 4) {
  TCheckFrameInput in;
  in.hasControl = true;
  in.frameCount = frames;
  return in;
}

TEST(ChoiceFramesTest, ACheckBoxWithoutStateReadsChecked) {
  TCheckFrameInput in = Control();
  in.checkedTrue = true;
  EXPECT_EQ(CheckBoxFrame(in), 2);
  in.checkedTrue = false;
  EXPECT_EQ(CheckBoxFrame(in), 3);
  in.disabled = true;
  in.checkedTrue = true;
  EXPECT_EQ(CheckBoxFrame(in), 4);
}

TEST(ChoiceFramesTest, ABareCheckBoxFollowsItsWindow) {
  TCheckFrameInput in;
  EXPECT_EQ(CheckBoxFrame(in), 1);
  in.windowChecked = true;
  EXPECT_EQ(CheckBoxFrame(in), 2);
  in.disabled = true;
  EXPECT_EQ(CheckBoxFrame(in), 4);
  in.windowIndeterminate = true;
  in.frameCount = 12;
  EXPECT_EQ(CheckBoxFrame(in), 12);
  in.disabled = false;
  EXPECT_EQ(CheckBoxFrame(in), 9);
}

TEST(ChoiceFramesTest, DataBoundCheckBoxesUseTheLastSetCheckOrTheFirstFrame) {
  TCheckFrameInput in = Control();
  in.hasState = true;
  in.stateChecked = true;
  in.hasDataField = true;
  in.checkState = 0;  // no BM_SETCHECK yet: the State decides
  EXPECT_EQ(CheckBoxFrame(in), 2);
  in.checkState = 1;
  EXPECT_EQ(CheckBoxFrame(in), 1);
  in.checkState = 3;  // indeterminate
  EXPECT_EQ(CheckBoxFrame(in), 4);
  in.hasDataBinding = true;
  EXPECT_EQ(CheckBoxFrame(in), 1);
}

TEST(ChoiceFramesTest, AFrameBeyondTheImageIsNeverAskedFor) {
  TCheckFrameInput in = Control();
  in.hasState = true;
  in.stateGrayed = true;
  in.disabled = true;  // 4 + 2 without an indeterminate window
  EXPECT_EQ(CheckBoxFrame(in), 4);
  TCheckFrameInput radio = Control(2);
  radio.checkedTrue = true;
  radio.disabled = true;
  EXPECT_EQ(RadioButtonFrame(radio), 2);
}

TEST(ChoiceFramesTest, RadioButtonsReadCheckedAndTheirWindowWithoutAControl) {
  TCheckFrameInput in;
  in.windowChecked = true;
  EXPECT_EQ(RadioButtonFrame(in), 2);
  in.frameCount = 8;
  EXPECT_EQ(RadioButtonFrame(in), 5);
  TCheckFrameInput control = Control(8);
  control.windowChecked = true;  // the control's Checked wins
  EXPECT_EQ(RadioButtonFrame(control), 1);
}

}  // namespace
