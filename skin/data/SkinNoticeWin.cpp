#include "SkinNotice.h"

#include <windows.h>

void ShowSkinNotice(const std::string& text) {
  // Owned by the active window so that it is modal to whatever is loading the skin.
  MessageBoxA(GetActiveWindow(), text.c_str(), nullptr, MB_OK | MB_ICONWARNING);
}
