// Which frame of the skin's check box or radio button image shows a button's state. Pure: the
// painters gather the inputs from the window and the control.
#pragma once

#include <cstdint>

struct TCheckFrameInput {
  bool windowChecked = false;        // BM_GETSTATE has BST_CHECKED (radio: BM_GETCHECK bit 0)
  bool windowIndeterminate = false;  // BM_GETSTATE has BST_INDETERMINATE
  bool disabled = false;             // WS_DISABLED
  bool hasControl = false;
  // Read from the control when there is one.
  bool hasState = false;
  bool stateUnchecked = false, stateChecked = false, stateGrayed = false;  // by the State identifier
  bool checkedTrue = false;          // Checked reads "True"
  bool hasDataField = false;
  int32_t checkState = 0;            // the last BM_SETCHECK + 1, 0 before any
  bool hasDataBinding = false;
  int frameCount = 4;
};

int CheckBoxFrame(const TCheckFrameInput& in);
int RadioButtonFrame(const TCheckFrameInput& in);
