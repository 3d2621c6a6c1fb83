#pragma once
// Real user input for tests: mouse and keys sent through the system's input queue (SendInput), as
// a user gives them, and a second thread to give them from while the test thread is held in a
// modal loop (a menu being tracked, a dialog).
#include <windows.h>

#include <atomic>
#include <functional>
#include <thread>
#include <vector>

namespace tk::testing {

// Mouse at a screen point; a left click there.
void MoveMouseTo(POINT screen);
void ClickAt(POINT screen);
// One key pressed and released; a key pressed and released while another is held (Alt+F).
void TapKey(WORD vk);
void TapKeyWith(WORD modifier, WORD vk);

// Runs a function on the thread of the running script's test (from the script's thread; directly
// when there is no script or when called on that thread), for reading what only that thread may
// read while it is held in a menu or dialog loop.
void OnTestThread(const std::function<void()>& work);

// Visible menu windows ("#32768") of this process, most recently shown first where the system
// says so (callable from any thread).
std::vector<HWND> VisibleMenuWindows();
// Waits (on any thread) until the condition holds; false when the time ran out.
bool WaitFor(const std::function<bool()>& condition, int timeoutMilliseconds);

// Runs a script of user actions on a second thread; the test thread keeps processing its
// messages (PumpUntil(Finished)) meanwhile, and injects the script's input itself. Joined on
// destruction. One script at a time.
class InputScript {
 public:
  explicit InputScript(std::function<void()> script);
  ~InputScript();
  InputScript(const InputScript&) = delete;
  InputScript& operator=(const InputScript&) = delete;
  bool Finished() const { return finished_; }
  // Pumps the test thread's messages until the script is done.
  bool RunToEnd(int timeoutMilliseconds = 10000);

 private:
  HWND injector_ = nullptr;
  std::atomic<bool> finished_{false};
  std::thread thread_;
};

}  // namespace tk::testing
