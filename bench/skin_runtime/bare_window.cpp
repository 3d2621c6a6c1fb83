// The comparison window of the first-frame benchmark: a bare Win32 window with the practice
// window's caption and client size, centred on the screen, painting nothing but its background.
#include <windows.h>

namespace {

constexpr int ClientWidth = 942;
constexpr int ClientHeight = 622;

LRESULT CALLBACK WindowProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(wnd, msg, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  wc.lpszClassName = L"TolvaneBareWindow";
  if (!RegisterClassW(&wc)) return 1;
  const DWORD style = WS_OVERLAPPEDWINDOW;
  RECT frame{0, 0, ClientWidth, ClientHeight};
  AdjustWindowRect(&frame, style, FALSE);
  const int width = frame.right - frame.left, height = frame.bottom - frame.top;
  const int x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2, y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  HWND wnd = CreateWindowExW(0, wc.lpszClassName, L"TolvaneV1.5", style, x, y, width, height, nullptr, nullptr,
                             instance, nullptr);
  if (!wnd) return 1;
  ShowWindow(wnd, show == SW_HIDE ? SW_SHOWNORMAL : show);
  UpdateWindow(wnd);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}
