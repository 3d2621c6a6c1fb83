#include "CaptionHintWindow.h"

#include "Encoding.h"

namespace {

constexpr wchar_t ClassName[] = L"TolvaneCaptionHint";
// Room around the text inside the border, as the system's tool tips leave it.
constexpr int PaddingX = 3;
constexpr int PaddingY = 1;

void RegisterHintClass() {
  static const bool registered = [] {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_SAVEBITS;
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512) /* IDC_ARROW */);
    wc.lpszClassName = ClassName;
    return RegisterClassExW(&wc) != 0;
  }();
  (void)registered;
}

}  // namespace

TCaptionHintWindow::TCaptionHintWindow() = default;
TCaptionHintWindow::~TCaptionHintWindow() = default;

HFONT TCaptionHintWindow::Font() {
  if (!FFont) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
      FFont.Reset(CreateFontIndirectW(&metrics.lfStatusFont));
  }
  return FFont ? FFont.Get() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

RECT TCaptionHintWindow::CalcHintRect(int maxWidth, const std::string& text) {
  RECT rect{0, 0, maxWidth, 0};
  tk::UniqueDC dc(CreateCompatibleDC(nullptr));
  tk::SelectGuard font(dc.Get(), Font());
  const std::wstring wide = tk::GbkToWide(text);
  DrawTextW(dc.Get(), wide.c_str(), static_cast<int>(wide.size()), &rect,
            DT_CALCRECT | DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
  // The text, its padding and the one-pixel border.
  rect.right += 2 * PaddingX + 2;
  rect.bottom += 2 * PaddingY + 2;
  return rect;
}

void TCaptionHintWindow::CreateWnd() {
  RegisterHintClass();
  HWND wnd = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE, ClassName, L"", WS_POPUP | WS_BORDER,
                             0, 0, 0, 0, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  if (!wnd) return;
  SetWindowLongPtrW(wnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetWindowLongPtrW(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TCaptionHintWindow::WndProc));
  FWindow.Reset(wnd);
}

void TCaptionHintWindow::ActivateHint(const RECT& rect, const std::string& text) {
  if (!FWindow) CreateWnd();
  if (!FWindow) return;
  FText = text;
  SetWindowPos(FWindow.Get(), HWND_TOPMOST, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
               SWP_SHOWWINDOW | SWP_NOACTIVATE);
  InvalidateRect(FWindow.Get(), nullptr, TRUE);
}

void TCaptionHintWindow::Hide() {
  if (FWindow) ShowWindow(FWindow.Get(), SW_HIDE);
}

void TCaptionHintWindow::Paint(HDC dc) {
  RECT client{};
  GetClientRect(FWindow.Get(), &client);
  tk::UniqueBrush back(CreateSolidBrush(tk::ColorToRGB(tk::clInfoBk)));
  FillRect(dc, &client, back.Get());
  tk::SelectGuard font(dc, Font());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, tk::ColorToRGB(tk::clInfoText));
  RECT text{client.left + PaddingX, client.top + PaddingY, client.right - PaddingX, client.bottom - PaddingY};
  const std::wstring wide = tk::GbkToWide(FText);
  DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &text, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
}

LRESULT CALLBACK TCaptionHintWindow::WndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<TCaptionHintWindow*>(GetWindowLongPtrW(wnd, GWLP_USERDATA));
  switch (msg) {
    case WM_PAINT:
      if (self) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(wnd, &ps);
        self->Paint(dc);
        EndPaint(wnd, &ps);
        return 0;
      }
      break;
    case WM_ERASEBKGND:
      return 1;
    case WM_NCHITTEST:
      return HTTRANSPARENT;
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;
    default:
      break;
  }
  return DefWindowProcW(wnd, msg, wParam, lParam);
}
