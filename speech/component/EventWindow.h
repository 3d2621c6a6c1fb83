#pragma once
// A hidden message-only window on the thread that creates it. Other threads call Wake(); the
// window then runs its handler on its own thread, the way the component's events must arrive.
#include <windows.h>

#include <functional>

namespace tts {

class EventWindow {
 public:
  explicit EventWindow(std::function<void()> onWake);
  ~EventWindow();
  EventWindow(const EventWindow&) = delete;
  EventWindow& operator=(const EventWindow&) = delete;

  void Wake();  // any thread
  HWND Handle() const { return hwnd_; }

  // For DLL unload: the class names this module's window procedure.
  static void UnregisterClass();

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  std::function<void()> onWake_;
  HWND hwnd_ = nullptr;
};

}  // namespace tts
