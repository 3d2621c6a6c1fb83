#include "EventWindow.h"

#include <stdexcept>

#include "ModuleInfo.h"

namespace tts {

namespace {
constexpr wchar_t kClassName[] = L"TolvaneSpeechEvents";
constexpr UINT kWakeMessage = WM_APP + 0x51;
}  // namespace

EventWindow::EventWindow(std::function<void()> onWake) : onWake_(std::move(onWake)) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = &EventWindow::WindowProc;
  wc.hInstance = ThisModule();
  wc.lpszClassName = kClassName;
  if (!RegisterClassExW(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
    throw std::runtime_error("the event window class could not be registered");
  hwnd_ = CreateWindowExW(0, kClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, ThisModule(), nullptr);
  if (!hwnd_) throw std::runtime_error("the event window could not be created");
  SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

EventWindow::~EventWindow() {
  if (hwnd_) {
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
  }
}

void EventWindow::Wake() { PostMessageW(hwnd_, kWakeMessage, 0, 0); }

void EventWindow::UnregisterClass() { ::UnregisterClassW(kClassName, ThisModule()); }

LRESULT CALLBACK EventWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kWakeMessage) {
    if (auto* self = reinterpret_cast<EventWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA))) self->onWake_();
    return 0;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace tts
