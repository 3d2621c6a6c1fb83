// The start-up benchmark's baseline: a plain window of the practice window's client size and
// caption, shown as soon as it exists. Nothing else is loaded, so its start is what any window
// costs on this system.
#include <windows.h>

namespace {

LRESULT CALLBACK BareProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(wnd, msg, wp, lp);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = BareProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = L"TolvaneBareWindow";
  if (!RegisterClassW(&wc)) return 1;

  // Client area 942 x 622, single fixed border, as the practice window.
  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_BORDER;
  RECT r{0, 0, 942, 622};
  AdjustWindowRect(&r, style, FALSE);
  const int w = r.right - r.left, h = r.bottom - r.top;
  const int x = (GetSystemMetrics(SM_CXSCREEN) - w) / 2, y = (GetSystemMetrics(SM_CYSCREEN) - h) / 2;
  HWND wnd = CreateWindowExW(0, wc.lpszClassName, L"TolvaneV1.5", style, x, y, w, h, nullptr, nullptr, instance, nullptr);
  if (!wnd) return 1;
  ShowWindow(wnd, SW_SHOWNORMAL);
  UpdateWindow(wnd);

  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}
