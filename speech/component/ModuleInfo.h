#pragma once
// The module (DLL, or the test program that links the component's code) that holds this code.
#include <windows.h>

#include <string>

namespace tts {

HMODULE ThisModule();
std::wstring ModulePath();
std::wstring ModuleDirectory();

}  // namespace tts
