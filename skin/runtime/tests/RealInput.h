// Mouse and keyboard input as the user gives it: through the system's input queue (SendInput), so
// that hit-testing, capture, activation and double-click detection all take place.
#pragma once

#include <windows.h>

namespace skin_test {

inline void SendMouse(DWORD flags, POINT at = POINT{-1, -1}) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  if (at.x >= 0) {
    // Absolute coordinates are 0..65535 over the primary screen.
    input.mi.dx = MulDiv(at.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = MulDiv(at.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    flags |= MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  }
  input.mi.dwFlags = flags;
  SendInput(1, &input, sizeof input);
}

inline void MoveMouse(POINT at) {
  SetCursorPos(at.x, at.y);
  SendMouse(0, at);
}
inline void LeftDown(POINT at) { SendMouse(MOUSEEVENTF_LEFTDOWN, at); }
inline void LeftUp(POINT at) { SendMouse(MOUSEEVENTF_LEFTUP, at); }
inline void RightDown(POINT at) { SendMouse(MOUSEEVENTF_RIGHTDOWN, at); }
inline void RightUp(POINT at) { SendMouse(MOUSEEVENTF_RIGHTUP, at); }

inline void SendKey(WORD key, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  SendInput(1, &input, sizeof input);
}

}  // namespace skin_test
