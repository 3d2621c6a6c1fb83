#pragma once
// Self-registration: the class, its ProgIDs and the type library, machine-wide when allowed, else
// for the current user (HKCU\Software\Classes).
#include <windows.h>

#include <string>

namespace tts {

enum class RegistrationScope { Machine, User };

// Writes the class keys under `preferred` (a ...\Software\Classes key), or under `fallback` when
// `preferred` cannot be written. Returns the scope used; throws std::system_error otherwise.
RegistrationScope WriteClassKeys(HKEY preferred, HKEY fallback, const std::wstring& serverPath,
                                 const GUID& typeLibrary);
// Removes the class keys under `classes`; missing keys are fine.
void DeleteClassKeys(HKEY classes);

HRESULT RegisterServer(const std::wstring& serverPath);
HRESULT UnregisterServer(const std::wstring& serverPath);

}  // namespace tts
