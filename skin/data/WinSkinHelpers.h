// Small platform helpers the skin painters share: optional user32 entry points, mouse-leave
// tracking, wide text, and the toolkit control behind a window.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "Controls.h"

// Whether this system's user32 has the entry points (looked up by name once).
bool HasGetScrollBarInfo();
bool HasTrackMouseEvent();

// False when the system has no GetScrollBarInfo, else its result.
bool SafeGetScrollBarInfo(HWND wnd, LONG objectId, SCROLLBARINFO& info);
// Asks for WM_MOUSELEAVE for the window, where the system can track the mouse.
void TrackMouseLeave(HWND wnd);

// GBK text as wide text.
std::wstring AnsiToWide(std::string_view text);
// The whole zero-terminated text when count is -1, else its first count characters, never more
// than up to its terminator.
std::wstring WideCopy(const wchar_t* text, int count);
// DrawTextW of the text into rect; rect is updated as DrawTextW does (DT_CALCRECT).
int DrawTextWide(HDC dc, const std::wstring& text, RECT& rect, UINT format);

// The toolkit control registered on a window; nullptr for a null handle or a foreign window.
tk::TWinControl* ControlOfWindow(HWND wnd);
