#pragma once
// What the user sees of a rich edit, and keeping it while the program rewrites text out of sight:
// writing into the control moves its selection and scrolls it to the end of what was written.
#include <windows.h>
#include <richedit.h>

#include "MarkingPlan.h"

namespace practice {

// The positions the control shows now, from its top left corner to its bottom right one (laid out
// whether or not the window is visible).
PositionRange ShownPositions(HWND edit);

// Between construction and destruction the control draws nothing; afterwards its selection and
// scroll position are as before, and it repaints when the rewritten range was in sight.
class KeptView {
 public:
  KeptView(HWND edit, PositionRange rewritten);
  ~KeptView();
  KeptView(const KeptView&) = delete;
  KeptView& operator=(const KeptView&) = delete;

 private:
  HWND edit_;
  PositionRange rewritten_;
  CHARRANGE selection_{};
  POINT scroll_{};
  bool visible_;
};

}  // namespace practice
