// Texts and fonts the choice painters read from windows and controls. Captions come from other
// code (and other processes, for bare windows): every read is bounded, so that a huge caption or a
// window that lies about its text length cannot overflow or stall a paint.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace tk {
class TControl;
class TObject;
class TFont;
}  // namespace tk

// Longer captions are cut: nothing on a control shows more.
constexpr int MaxCaptionLength = 4096;

// The window's text, at most MaxCaptionLength characters.
std::wstring BoundedWindowText(HWND wnd);
// A string property's text, at most MaxCaptionLength characters; empty when missing.
std::wstring BoundedTextProp(const tk::TControl* control, std::string_view name);
// The control's published Font, or null.
tk::TFont* ControlFont(const tk::TControl* control);
// Whether an enumeration property's identifier, lower-cased, contains the text.
bool EnumTextContains(const tk::TObject* obj, std::string_view name, std::string_view part);
