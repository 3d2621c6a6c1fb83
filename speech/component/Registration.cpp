#include "Registration.h"

#include <oleauto.h>
#include <olectl.h>

#include <system_error>

#include "ComError.h"
#include "TTSObj.h"

namespace tts {

namespace {

constexpr wchar_t kProgId[] = L"TTSObj.TextToSpeech";
constexpr wchar_t kVersionedProgId[] = L"TTSObj.TextToSpeech.1";
constexpr wchar_t kDescription[] = L"Tolvane text-to-speech reader";

std::wstring GuidText(REFGUID guid) {
  wchar_t text[40];
  StringFromGUID2(guid, text, 40);
  return text;
}

class Key {
 public:
  Key(HKEY parent, const std::wstring& path) {
    LSTATUS s = RegCreateKeyExW(parent, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key_, nullptr);
    if (s != ERROR_SUCCESS) throw std::system_error(s, std::system_category(), "RegCreateKeyEx");
  }
  ~Key() { RegCloseKey(key_); }
  Key(const Key&) = delete;
  Key& operator=(const Key&) = delete;
  void Set(const wchar_t* name, const std::wstring& value) {
    LSTATUS s = RegSetValueExW(key_, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                               static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    if (s != ERROR_SUCCESS) throw std::system_error(s, std::system_category(), "RegSetValueEx");
  }

 private:
  HKEY key_ = nullptr;
};

void WriteKeys(HKEY classes, const std::wstring& serverPath) {
  std::wstring clsid = L"CLSID\\" + GuidText(CLSID_TextToSpeech);
  Key(classes, clsid).Set(nullptr, kDescription);
  {
    Key server(classes, clsid + L"\\InprocServer32");
    server.Set(nullptr, serverPath);
    server.Set(L"ThreadingModel", L"Apartment");
  }
  Key(classes, clsid + L"\\ProgID").Set(nullptr, kVersionedProgId);
  Key(classes, clsid + L"\\VersionIndependentProgID").Set(nullptr, kProgId);
  Key(classes, clsid + L"\\TypeLib").Set(nullptr, GuidText(LIBID_TTSObjLib));
  Key(classes, clsid + L"\\Version").Set(nullptr, L"1.0");
  Key(classes, kProgId).Set(nullptr, kDescription);
  Key(classes, std::wstring(kProgId) + L"\\CLSID").Set(nullptr, GuidText(CLSID_TextToSpeech));
  Key(classes, std::wstring(kProgId) + L"\\CurVer").Set(nullptr, kVersionedProgId);
  Key(classes, kVersionedProgId).Set(nullptr, kDescription);
  Key(classes, std::wstring(kVersionedProgId) + L"\\CLSID").Set(nullptr, GuidText(CLSID_TextToSpeech));
}

// The per-user type library calls (Vista and later), looked up because the headers lack them.
HRESULT RegisterTypeLibraryForUser(ITypeLib* lib, wchar_t* path) {
  using Fn = HRESULT(WINAPI*)(ITypeLib*, OLECHAR*, OLECHAR*);
  auto fn = reinterpret_cast<Fn>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"oleaut32.dll"), "RegisterTypeLibForUser")));
  return fn ? fn(lib, path, nullptr) : E_NOTIMPL;
}

void UnregisterTypeLibraryForUser() {
  using Fn = HRESULT(WINAPI*)(REFGUID, WORD, WORD, LCID, SYSKIND);
  auto fn = reinterpret_cast<Fn>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"oleaut32.dll"), "UnRegisterTypeLibForUser")));
  if (fn) fn(LIBID_TTSObjLib, 1, 0, LOCALE_NEUTRAL, SYS_WIN64);
}

bool IsAccessDenied(const std::system_error& e) {
  return e.code().value() == ERROR_ACCESS_DENIED;
}

HKEY OpenClasses(HKEY root) {
  HKEY key = nullptr;
  if (RegCreateKeyExW(root, L"Software\\Classes", 0, nullptr, 0, KEY_WRITE | KEY_READ | DELETE, nullptr, &key,
                      nullptr) != ERROR_SUCCESS) {
    // Not allowed to write there: open it for reading, so that writing fails the same way.
    if (RegOpenKeyExW(root, L"Software\\Classes", 0, KEY_READ, &key) != ERROR_SUCCESS) return nullptr;
  }
  return key;
}

}  // namespace

RegistrationScope WriteClassKeys(HKEY preferred, HKEY fallback, const std::wstring& serverPath) {
  if (preferred) {
    try {
      WriteKeys(preferred, serverPath);
      return RegistrationScope::Machine;
    } catch (const std::system_error& e) {
      if (!IsAccessDenied(e) || !fallback) throw;
      DeleteClassKeys(preferred);
    }
  }
  if (!fallback) throw std::system_error(ERROR_ACCESS_DENIED, std::system_category(), "no registry root");
  WriteKeys(fallback, serverPath);
  return RegistrationScope::User;
}

void DeleteClassKeys(HKEY classes) {
  RegDeleteTreeW(classes, (L"CLSID\\" + GuidText(CLSID_TextToSpeech)).c_str());
  RegDeleteTreeW(classes, kProgId);
  RegDeleteTreeW(classes, kVersionedProgId);
}

HRESULT RegisterServer(const std::wstring& serverPath) {
  HKEY machine = OpenClasses(HKEY_LOCAL_MACHINE);
  HKEY user = OpenClasses(HKEY_CURRENT_USER);
  HRESULT hr = S_OK;
  try {
    RegistrationScope scope = WriteClassKeys(machine, user, serverPath);
    ITypeLib* lib = nullptr;
    hr = LoadTypeLibEx(serverPath.c_str(), REGKIND_NONE, &lib);
    if (SUCCEEDED(hr)) {
      auto path = serverPath;
      hr = scope == RegistrationScope::Machine ? RegisterTypeLib(lib, path.data(), nullptr)
                                               : RegisterTypeLibraryForUser(lib, path.data());
      if (FAILED(hr) && scope == RegistrationScope::Machine) hr = RegisterTypeLibraryForUser(lib, path.data());
      lib->Release();
    }
    if (FAILED(hr)) ReportError(hr, std::wstring(L"The type library could not be registered."));
  } catch (const std::system_error& e) {
    hr = e.code().value() == ERROR_ACCESS_DENIED ? E_ACCESSDENIED : SELFREG_E_CLASS;
  }
  if (machine) RegCloseKey(machine);
  if (user) RegCloseKey(user);
  return hr;
}

HRESULT UnregisterServer() {
  for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) {
    HKEY classes = nullptr;
    if (RegOpenKeyExW(root, L"Software\\Classes", 0, KEY_READ | KEY_WRITE | DELETE, &classes) == ERROR_SUCCESS) {
      DeleteClassKeys(classes);
      RegCloseKey(classes);
    }
  }
  UnRegisterTypeLib(LIBID_TTSObjLib, 1, 0, LOCALE_NEUTRAL, SYS_WIN64);
  UnregisterTypeLibraryForUser();
  return S_OK;
}

}  // namespace tts
