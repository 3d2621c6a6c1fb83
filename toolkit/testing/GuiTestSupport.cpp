#include "GuiTestSupport.h"

#include <winternl.h>

#include <algorithm>

#include "Application.h"
#include "Encoding.h"

namespace tk::testing {

void PumpMessages(int milliseconds) {
  PumpUntil([] { return false; }, milliseconds);
}

bool PumpUntil(const std::function<bool()>& until, int timeoutMilliseconds) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMilliseconds);
  while (true) {
    // Through the application's loop, so that keys take the toolkit's way (dialog keys).
    if (tk::Application) {
      tk::Application->ProcessMessages();
    } else {
      MSG msg;
      while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
      }
    }
    if (until()) return true;
    if (std::chrono::steady_clock::now() >= deadline) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
}

int GdiObjectCount() {
  const DWORD counted = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  if (counted) return static_cast<int>(counted);
  // The shared handle table the PEB points to: 24-byte entries, the type byte at offset 14.
  struct Entry {
    UINT64 object;
    ULONG owner;
    USHORT unique;
    UCHAR type;
    UCHAR flags;
    UINT64 user;
  };
  static_assert(sizeof(Entry) == 24);
  auto* peb = reinterpret_cast<unsigned char*>(NtCurrentTeb()->ProcessEnvironmentBlock);
  const auto* table = *reinterpret_cast<Entry* const*>(peb + 0xF8);
  if (!table) return -1;
  int n = 0;
  for (int i = 0; i < 65536; ++i)
    if (table[i].type) ++n;
  return n;
}

namespace {
BOOL CALLBACK CountChild(HWND, LPARAM count) {
  ++*reinterpret_cast<int*>(count);
  return TRUE;
}
BOOL CALLBACK CountTop(HWND wnd, LPARAM count) {
  ++*reinterpret_cast<int*>(count);
  EnumChildWindows(wnd, CountChild, count);
  return TRUE;
}
}  // namespace

int ThreadWindowCount() {
  int n = 0;
  EnumThreadWindows(GetCurrentThreadId(), CountTop, reinterpret_cast<LPARAM>(&n));
  return n;
}

std::wstring Utf8(const char* utf8) { return Utf8ToWide(utf8); }
std::string Gbk(const char* utf8) { return Utf8ToGbk(utf8); }

DialogWatcher::DialogWatcher() : processId_(GetCurrentProcessId()) { thread_ = std::thread([this] { Run(); }); }

DialogWatcher::~DialogWatcher() {
  stop_ = true;
  thread_.join();
}

void DialogWatcher::PressButton(const std::wstring& caption) {
  std::lock_guard lock(mutex_);
  press_ = caption;
}

void DialogWatcher::SetAnswer(std::function<bool(HWND dialog)> answer) {
  std::lock_guard lock(mutex_);
  answer_ = std::move(answer);
}

std::vector<CapturedDialog> DialogWatcher::Dialogs() const {
  std::lock_guard lock(mutex_);
  return dialogs_;
}

size_t DialogWatcher::Count() const {
  std::lock_guard lock(mutex_);
  return dialogs_.size();
}

void DialogWatcher::Clear() {
  std::lock_guard lock(mutex_);
  dialogs_.clear();
}

namespace {
std::wstring WindowText(HWND wnd) {
  wchar_t buffer[4096];
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(wnd, WM_GETTEXT, 4096, reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG, 1000, &length))
    return {};
  return std::wstring(buffer, std::min<size_t>(length, 4095));
}

std::wstring ClassOf(HWND wnd) {
  wchar_t buffer[256];
  const int n = GetClassNameW(wnd, buffer, 256);
  return std::wstring(buffer, static_cast<size_t>(std::max(n, 0)));
}

struct Finder {
  DWORD pid;
  std::vector<HWND> found;
};

BOOL CALLBACK FindDialogs(HWND wnd, LPARAM param) {
  auto* f = reinterpret_cast<Finder*>(param);
  DWORD pid = 0;
  GetWindowThreadProcessId(wnd, &pid);
  if (pid == f->pid && IsWindowVisible(wnd) && ClassOf(wnd) == L"#32770") f->found.push_back(wnd);
  return TRUE;
}
}  // namespace

void DialogWatcher::Run() {
  while (!stop_) {
    Finder finder{processId_, {}};
    EnumWindows(FindDialogs, reinterpret_cast<LPARAM>(&finder));
    for (HWND dlg : finder.found) {
      {
        std::lock_guard lock(mutex_);
        if (std::find(seen_.begin(), seen_.end(), dlg) != seen_.end()) continue;
      }
      // Let the box finish laying itself out before reading it.
      Sleep(100);
      std::function<bool(HWND)> answer;
      {
        std::lock_guard lock(mutex_);
        answer = answer_;
      }
      if (answer && answer(dlg)) {
        std::lock_guard lock(mutex_);
        seen_.push_back(dlg);
        continue;
      }
      CapturedDialog captured;
      captured.caption = WindowText(dlg);
      std::vector<std::pair<HWND, std::wstring>> buttons;
      for (HWND child = GetWindow(dlg, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const std::wstring cls = ClassOf(child);
        const LONG style = GetWindowLongW(child, GWL_STYLE);
        if (_wcsicmp(cls.c_str(), L"Button") == 0) {
          std::wstring text = WindowText(child);
          std::erase(text, L'&');
          captured.buttons.push_back(text);
          buttons.emplace_back(child, text);
        } else if (_wcsicmp(cls.c_str(), L"Static") == 0) {
          if ((style & SS_TYPEMASK) == SS_ICON) {
            HICON icon = reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0));
            if (icon == LoadIconW(nullptr, IDI_HAND)) captured.icon = MB_ICONSTOP;
            else if (icon == LoadIconW(nullptr, IDI_ASTERISK)) captured.icon = MB_ICONINFORMATION;
            else if (icon == LoadIconW(nullptr, IDI_EXCLAMATION)) captured.icon = MB_ICONWARNING;
            else if (icon == LoadIconW(nullptr, IDI_QUESTION)) captured.icon = MB_ICONQUESTION;
            else if (icon) captured.icon = 0xFFFF;
          } else {
            std::wstring text = WindowText(child);
            if (!text.empty()) {
              if (!captured.text.empty()) captured.text += L"\n";
              captured.text += text;
            }
          }
        }
      }
      std::wstring press;
      {
        std::lock_guard lock(mutex_);
        seen_.push_back(dlg);
        dialogs_.push_back(captured);
        press = press_;
      }
      if (autoDismiss_ && !buttons.empty()) {
        HWND target = buttons.front().first;
        for (const auto& [wnd, text] : buttons)
          if (!press.empty() && text == press) target = wnd;
        const int id = GetDlgCtrlID(target);
        PostMessageW(dlg, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(target));
      }
    }
    Sleep(30);
  }
}

}  // namespace tk::testing
