#pragma once
// The platform's description of an error code, as GBK text without the trailing line break.
#include <windows.h>

#include <string>

namespace tk {

std::string SystemErrorText(DWORD error);
inline std::string LastErrorText() { return SystemErrorText(GetLastError()); }

}  // namespace tk
