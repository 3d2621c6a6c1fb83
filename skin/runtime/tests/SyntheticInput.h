// Keyboard and mouse input through the system's input queue, as a user would give it; usable from
// any thread (a watcher thread answering a modal box).
#pragma once

#include <windows.h>

namespace skin_test {

inline void PressKey(WORD key) {
  INPUT input[2]{};
  input[0].type = INPUT_KEYBOARD;
  input[0].ki.wVk = key;
  input[1] = input[0];
  input[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, input, sizeof(INPUT));
}

// A left click at a screen point.
inline void ClickAt(POINT screen) {
  const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
  INPUT input[3]{};
  for (INPUT& i : input) {
    i.type = INPUT_MOUSE;
    i.mi.dx = MulDiv(screen.x, 65535, width - 1);
    i.mi.dy = MulDiv(screen.y, 65535, height - 1);
  }
  input[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  input[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_ABSOLUTE;
  input[2].mi.dwFlags = MOUSEEVENTF_LEFTUP | MOUSEEVENTF_ABSOLUTE;
  SendInput(1, &input[0], sizeof(INPUT));
  Sleep(30);
  SendInput(2, &input[1], sizeof(INPUT));
}

inline POINT CentreOf(HWND wnd) {
  RECT r{};
  GetWindowRect(wnd, &r);
  return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

}  // namespace skin_test
