#include "SkinNotice.h"

#include <windows.h>

#include <string>

void ShowSkinNotice(const std::string& text) {
  // GBK text, shown the same on every Windows locale.
  const int n = MultiByteToWideChar(936, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(n > 0 ? n : 0), L'\0');
  if (n > 0) MultiByteToWideChar(936, 0, text.data(), static_cast<int>(text.size()), wide.data(), n);
  // Owned by the active window so that it is modal to whatever is loading the skin.
  MessageBoxW(GetActiveWindow(), wide.c_str(), nullptr, MB_OK | MB_ICONWARNING);
}
