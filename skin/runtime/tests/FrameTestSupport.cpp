#include "FrameTestSupport.h"

namespace skin_test {

namespace {
MenuWatcher* current = nullptr;

BOOL CALLBACK FindMenuWindow(HWND wnd, LPARAM found) {
  wchar_t cls[16] = {};
  GetClassNameW(wnd, cls, 16);
  if (lstrcmpW(cls, L"#32768") == 0 && IsWindowVisible(wnd)) {
    *reinterpret_cast<HWND*>(found) = wnd;
    return FALSE;
  }
  return TRUE;
}
}  // namespace

HWND VisibleMenuWindow() {
  HWND found = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), FindMenuWindow, reinterpret_cast<LPARAM>(&found));
  return found;
}

MenuWatcher::MenuWatcher() {
  current = this;
  timer_ = SetTimer(nullptr, 0, 30, &MenuWatcher::Tick);
}

MenuWatcher::~MenuWatcher() {
  if (timer_) KillTimer(nullptr, timer_);
  current = nullptr;
}

void CALLBACK MenuWatcher::Tick(HWND, UINT, UINT_PTR, DWORD) {
  if (current) current->Check();
}

void MenuWatcher::Check() {
  if (opened) return;
  HWND window = VisibleMenuWindow();
  if (!window) return;
  opened = true;
  GetWindowRect(window, &menuRect);
  menu = reinterpret_cast<HMENU>(SendMessageW(window, MN_GETHMENU, 0, 0));
  itemCount = menu ? GetMenuItemCount(menu) : 0;
  if (keys.empty()) {
    EndMenu();
    return;
  }
  // The menu's loop reads keys from the thread's queue, whatever window they are posted to.
  for (WORD key : keys) {
    PostMessageW(window, WM_KEYDOWN, key, 1);
    PostMessageW(window, WM_KEYUP, key, 0xC0000001);
  }
}

}  // namespace skin_test
