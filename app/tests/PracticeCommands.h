#pragma once
// Commands given to the practice window the way the user gives them: menu commands and button
// clicks arrive as window messages, so a failure ends in the error box as it does for a user.
#include <windows.h>

#include "Unit1.h"

namespace practice::testing {

inline void Command(TForm1* form, tk::TMenuItem* item) {
  SendMessageW(form->Handle(), WM_COMMAND, MAKEWPARAM(item->Command(), 0), 0);
}

inline void Press(tk::TWinControl* button) { SendMessageW(button->Handle(), BM_CLICK, 0, 0); }

}  // namespace practice::testing
