#pragma once
// Helpers for tests that drive real windows: pumping messages, counting GDI objects and windows,
// and answering the modal message boxes a test provokes.
#include <windows.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace tk::testing {

// Processes the thread's messages for the given time (or until `until` holds).
void PumpMessages(int milliseconds);
bool PumpUntil(const std::function<bool()>& until, int timeoutMilliseconds);

// GDI objects of this process: GetGuiResources where the platform counts them, else the used
// entries of the process's GDI handle table.
int GdiObjectCount();
// Windows of this thread, top-level and child.
int ThreadWindowCount();

struct CapturedDialog {
  std::wstring caption;
  std::wstring text;  // the message text (static controls joined)
  UINT icon = 0;      // MB_ICONSTOP etc. as far as it can be told from the dialog's icon control
  std::vector<std::wstring> buttons;
};

// Watches from a second thread for dialog windows (#32770) of this process, records each one and
// dismisses it by pressing the button whose caption the test chose (first button by default).
class DialogWatcher {
 public:
  DialogWatcher();
  ~DialogWatcher();
  DialogWatcher(const DialogWatcher&) = delete;
  DialogWatcher& operator=(const DialogWatcher&) = delete;

  // Button to press, matched against the button captions (without '&'); empty: the first button.
  void PressButton(const std::wstring& caption);
  // Leaves dialogs open: for a test that inspects the window itself.
  void SetAutoDismiss(bool on) { autoDismiss_ = on; }
  // Offers each new dialog to `answer` first (on the watcher's thread); a dialog it takes (returns
  // true) is neither recorded nor dismissed. For dialogs that need more than a button, such as the
  // file dialog.
  void SetAnswer(std::function<bool(HWND dialog)> answer);
  std::vector<CapturedDialog> Dialogs() const;
  size_t Count() const;
  void Clear();

 private:
  void Run();
  std::atomic<bool> stop_{false};
  std::atomic<bool> autoDismiss_{true};
  mutable std::mutex mutex_;
  std::vector<CapturedDialog> dialogs_;
  std::vector<HWND> seen_;
  std::wstring press_;
  std::function<bool(HWND)> answer_;
  std::thread thread_;
  DWORD processId_;
};

std::wstring Utf8(const char* utf8);
std::string Gbk(const char* utf8);  // GBK bytes of a UTF-8 literal

}  // namespace tk::testing
