#pragma once
// Input methods of edit-like controls: a control names the input method it wants; on an
// East-Asian system it is switched on while the control has the focus.
#include <windows.h>

#include <string>

namespace tk {

// Whether the system is one with double-byte input (East-Asian locale).
bool IsEastAsianSystem();
// The keyboard layout that was active when the program started.
HKL StartupKeyboardLayout();
// The installed keyboard layout whose input method has this description (GBK), or null.
HKL FindInputMethod(const std::string& gbkDescription);
// Focus gained: the named input method if installed, else the start-up layout.
void ActivateInputMethod(const std::string& gbkDescription);
// Focus lost: back to the start-up layout.
void RestoreStartupKeyboardLayout();

}  // namespace tk
