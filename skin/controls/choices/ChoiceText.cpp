#include "ChoiceText.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "Controls.h"
#include "WinSubClass.h"

std::wstring BoundedWindowText(HWND wnd) {
  if (!wnd) return {};
  // The length is only a hint: the buffer is fixed and the copy is told its size.
  const int hinted = GetWindowTextLengthW(wnd);
  const int room = std::clamp(hinted, 0, MaxCaptionLength) + 1;
  std::vector<wchar_t> buffer(static_cast<size_t>(room) + 1, L'\0');
  const int copied = GetWindowTextW(wnd, buffer.data(), room);
  const size_t length = static_cast<size_t>(std::clamp(copied, 0, room - 1));
  return std::wstring(buffer.data(), wcsnlen(buffer.data(), length));
}

std::wstring BoundedTextProp(const tk::TControl* control, std::string_view name) {
  std::wstring text = ::GetTextProp(control, name);
  if (text.size() > static_cast<size_t>(MaxCaptionLength)) text.resize(MaxCaptionLength);
  return text;
}

tk::TFont* ControlFont(const tk::TControl* control) {
  return dynamic_cast<tk::TFont*>(::GetObjectProp(control, "Font", &tk::TFont::StaticClass()));
}

bool EnumTextContains(const tk::TObject* obj, std::string_view name, std::string_view part) {
  std::string value = ::GetEnumText(obj, name);
  std::transform(value.begin(), value.end(), value.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return value.find(part) != std::string::npos;
}
