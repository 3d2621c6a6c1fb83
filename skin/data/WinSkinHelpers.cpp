#include "WinSkinHelpers.h"

#include <cwchar>

#include "Encoding.h"

namespace {

// user32 is held for the life of the program, so its entry points stay valid.
class TOptionalUser32 {
 public:
  using GetScrollBarInfoProc = BOOL(WINAPI*)(HWND, LONG, PSCROLLBARINFO);
  using TrackMouseEventProc = BOOL(WINAPI*)(LPTRACKMOUSEEVENT);

  TOptionalUser32() : FLibrary(LoadLibraryW(L"user32.dll")) {
    if (!FLibrary) return;
    GetScrollBarInfo = reinterpret_cast<GetScrollBarInfoProc>(
        reinterpret_cast<void*>(GetProcAddress(FLibrary, "GetScrollBarInfo")));
    TrackMouseEvent = reinterpret_cast<TrackMouseEventProc>(
        reinterpret_cast<void*>(GetProcAddress(FLibrary, "TrackMouseEvent")));
  }
  ~TOptionalUser32() {
    if (FLibrary) FreeLibrary(FLibrary);
  }
  TOptionalUser32(const TOptionalUser32&) = delete;
  TOptionalUser32& operator=(const TOptionalUser32&) = delete;

  GetScrollBarInfoProc GetScrollBarInfo = nullptr;
  TrackMouseEventProc TrackMouseEvent = nullptr;

 private:
  HMODULE FLibrary;
};

const TOptionalUser32& User32() {
  static const TOptionalUser32 user32;
  return user32;
}

}  // namespace

bool HasGetScrollBarInfo() { return User32().GetScrollBarInfo != nullptr; }
bool HasTrackMouseEvent() { return User32().TrackMouseEvent != nullptr; }

bool SafeGetScrollBarInfo(HWND wnd, LONG objectId, SCROLLBARINFO& info) {
  if (!User32().GetScrollBarInfo) return false;
  return User32().GetScrollBarInfo(wnd, objectId, &info) != FALSE;
}

void TrackMouseLeave(HWND wnd) {
  if (!User32().TrackMouseEvent) return;
  // The size is that of this build's structure: the call refuses any other.
  TRACKMOUSEEVENT event{};
  event.cbSize = sizeof event;
  event.dwFlags = TME_LEAVE;
  event.hwndTrack = wnd;
  User32().TrackMouseEvent(&event);
}

std::wstring AnsiToWide(std::string_view text) { return tk::GbkToWide(text); }

std::wstring WideCopy(const wchar_t* text, int count) {
  if (!text) return {};
  if (count == -1) return std::wstring(text);
  if (count <= 0) return {};
  // A count larger than the text stops at its terminator: nothing past it is read.
  return std::wstring(text, wcsnlen(text, static_cast<size_t>(count)));
}

int DrawTextWide(HDC dc, const std::wstring& text, RECT& rect, UINT format) {
  // Every Windows this program runs on draws wide text itself.
  return DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect, format);
}

tk::TWinControl* ControlOfWindow(HWND wnd) {
  if (!wnd) return nullptr;
  return tk::TWinControl::FromHandle(wnd);
}
