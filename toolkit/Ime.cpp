#include "Ime.h"

#include <imm.h>

#include <vector>

#include "Encoding.h"

namespace tk {

bool IsEastAsianSystem() { return GetSystemMetrics(SM_DBCSENABLED) != 0; }

HKL StartupKeyboardLayout() {
  static const HKL layout = GetKeyboardLayout(0);
  return layout;
}

HKL FindInputMethod(const std::string& gbkDescription) {
  if (gbkDescription.empty()) return nullptr;
  const std::wstring wanted = GbkToWide(gbkDescription);
  const int n = GetKeyboardLayoutList(0, nullptr);
  std::vector<HKL> layouts(static_cast<size_t>(std::max(n, 0)));
  GetKeyboardLayoutList(n, layouts.data());
  for (HKL layout : layouts) {
    if (!ImmIsIME(layout)) continue;
    wchar_t description[256] = {};
    const UINT length = ImmGetDescriptionW(layout, description, 255);
    if (length && wanted == std::wstring(description, length)) return layout;
  }
  return nullptr;
}

void ActivateInputMethod(const std::string& gbkDescription) {
  HKL layout = FindInputMethod(gbkDescription);
  ActivateKeyboardLayout(layout ? layout : StartupKeyboardLayout(), 0);
}

void RestoreStartupKeyboardLayout() { ActivateKeyboardLayout(StartupKeyboardLayout(), 0); }

}  // namespace tk
