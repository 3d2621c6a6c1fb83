#include "UserInput.h"

#include <chrono>

#include "GuiTestSupport.h"

namespace tk::testing {

namespace {

// While a script runs, its input is injected by the test thread (a window of that thread is sent
// each event): under Wine's X11 driver only the thread that holds the pointer during a menu loop
// can move the display's pointer, and a pointer left behind puts the cursor back when the next
// menu opens.
std::atomic<HWND> g_injector{nullptr};
constexpr UINT WM_INJECT = WM_APP + 0x51;
constexpr UINT WM_RUN = WM_APP + 0x52;

LRESULT CALLBACK InjectorProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_INJECT:
      SendInput(1, reinterpret_cast<INPUT*>(lParam), sizeof(INPUT));
      return 0;
    case WM_RUN:
      (*reinterpret_cast<const std::function<void()>*>(lParam))();
      return 0;
    default:
      return DefWindowProcW(wnd, msg, wParam, lParam);
  }
}

HWND CreateInjector() {
  static const ATOM atom = [] {
    WNDCLASSW wc{};
    wc.lpfnWndProc = InjectorProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"TolvaneTestInput";
    return RegisterClassW(&wc);
  }();
  return atom ? CreateWindowExW(0, L"TolvaneTestInput", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr) : nullptr;
}

void Send(INPUT input) {
  HWND injector = g_injector;
  if (injector && GetWindowThreadProcessId(injector, nullptr) != GetCurrentThreadId()) {
    SendMessageW(injector, WM_INJECT, 0, reinterpret_cast<LPARAM>(&input));
    return;
  }
  SendInput(1, &input, sizeof input);
}

INPUT MouseInput(DWORD flags) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  return input;
}

INPUT KeyInput(WORD vk, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = vk;
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  return input;
}

BOOL CALLBACK CollectMenuWindow(HWND wnd, LPARAM found) {
  DWORD pid = 0;
  GetWindowThreadProcessId(wnd, &pid);
  wchar_t name[16] = {};
  GetClassNameW(wnd, name, 16);
  if (pid == GetCurrentProcessId() && IsWindowVisible(wnd) && lstrcmpW(name, L"#32768") == 0)
    reinterpret_cast<std::vector<HWND>*>(found)->push_back(wnd);
  return TRUE;
}

}  // namespace

void OnTestThread(const std::function<void()>& work) {
  HWND injector = g_injector;
  if (injector && GetWindowThreadProcessId(injector, nullptr) != GetCurrentThreadId()) {
    SendMessageW(injector, WM_RUN, 0, reinterpret_cast<LPARAM>(&work));
    return;
  }
  work();
}

void MoveMouseTo(POINT screen) {
  // Absolute coordinates run from 0 to 65535 across the primary screen.
  const int cx = GetSystemMetrics(SM_CXSCREEN) - 1, cy = GetSystemMetrics(SM_CYSCREEN) - 1;
  INPUT move = MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE);
  move.mi.dx = static_cast<LONG>((screen.x * 65535 + cx / 2) / cx);
  move.mi.dy = static_cast<LONG>((screen.y * 65535 + cy / 2) / cy);
  Send(move);
  WaitFor(
      [screen] {
        POINT p{};
        GetCursorPos(&p);
        return p.x == screen.x && p.y == screen.y;
      },
      1000);
}

void ClickAt(POINT screen) {
  MoveMouseTo(screen);
  Send(MouseInput(MOUSEEVENTF_LEFTDOWN));
  Send(MouseInput(MOUSEEVENTF_LEFTUP));
}

void TapKey(WORD vk) {
  Send(KeyInput(vk, false));
  Send(KeyInput(vk, true));
}

void TapKeyWith(WORD modifier, WORD vk) {
  Send(KeyInput(modifier, false));
  TapKey(vk);
  Send(KeyInput(modifier, true));
}

std::vector<HWND> VisibleMenuWindows() {
  std::vector<HWND> found;
  EnumWindows(CollectMenuWindow, reinterpret_cast<LPARAM>(&found));
  return found;
}

bool WaitFor(const std::function<bool()>& condition, int timeoutMilliseconds) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMilliseconds);
  while (!condition()) {
    if (std::chrono::steady_clock::now() >= deadline) return false;
    Sleep(10);
  }
  return true;
}

InputScript::InputScript(std::function<void()> script) : injector_(CreateInjector()) {
  g_injector = injector_;
  thread_ = std::thread([this, script = std::move(script)] {
    script();
    finished_ = true;
  });
}

InputScript::~InputScript() {
  // The script may still be sending input to the test thread: keep answering until it ends.
  PumpUntil([this] { return Finished(); }, 30000);
  if (thread_.joinable()) thread_.join();
  g_injector = nullptr;
  if (injector_) DestroyWindow(injector_);
}

bool InputScript::RunToEnd(int timeoutMilliseconds) {
  return PumpUntil([this] { return Finished(); }, timeoutMilliseconds);
}

}  // namespace tk::testing
