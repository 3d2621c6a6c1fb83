#include "ChoiceFrames.h"

#include <algorithm>

namespace {

// Images with more frames keep separate pictures for the states the four-frame order shares.
int WideImageFrame(int frame) {
  switch (frame) {
    case 2: return 5;
    case 3: return 4;
    case 4: return 8;
    default: return frame;
  }
}

// A frame the image does not have would cut pixels beyond its end.
int InImage(int frame, int count) { return std::clamp(frame, 1, std::max(count, 1)); }

}  // namespace

int CheckBoxFrame(const TCheckFrameInput& in) {
  int frame = in.windowChecked ? 2 : 1;
  if (in.hasControl) {
    if (in.hasState) {
      if (in.stateUnchecked) frame = 1;
      else if (in.stateChecked) frame = 2;
      else if (in.stateGrayed) frame = 4;
    } else {
      frame = in.checkedTrue ? 2 : 3;
    }
    if (in.hasDataField && in.checkState != 0) frame = in.checkState == 3 ? 4 : in.checkState;
    if (in.hasDataBinding) frame = 1;
  }
  if (in.disabled) frame += 2;
  if (in.windowIndeterminate) frame = 4;
  if (in.frameCount == 12) frame = in.windowIndeterminate ? (in.disabled ? 12 : 9) : WideImageFrame(frame);
  return InImage(frame, in.frameCount);
}

int RadioButtonFrame(const TCheckFrameInput& in) {
  int frame = in.windowChecked ? 2 : 1;
  if (in.hasControl) frame = in.checkedTrue ? 2 : 1;
  if (in.disabled) frame += 2;
  if (in.frameCount == 8) frame = WideImageFrame(frame);
  return InImage(frame, in.frameCount);
}
