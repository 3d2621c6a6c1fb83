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

void WriteKeys(HKEY classes, const std::wstring& serverPath, const GUID& typeLibrary) {
  std::wstring clsid = L"CLSID\\" + GuidText(CLSID_TextToSpeech);
  Key(classes, clsid).Set(nullptr, kDescription);
  {
    Key server(classes, clsid + L"\\InprocServer32");
    server.Set(nullptr, serverPath);
    server.Set(L"ThreadingModel", L"Apartment");
  }
  Key(classes, clsid + L"\\ProgID").Set(nullptr, kVersionedProgId);
  Key(classes, clsid + L"\\VersionIndependentProgID").Set(nullptr, kProgId);
  Key(classes, clsid + L"\\TypeLib").Set(nullptr, GuidText(typeLibrary));
  Key(classes, clsid + L"\\Version").Set(nullptr, L"1.0");
  Key(classes, kProgId).Set(nullptr, kDescription);
  Key(classes, std::wstring(kProgId) + L"\\CLSID").Set(nullptr, GuidText(CLSID_TextToSpeech));
  Key(classes, std::wstring(kProgId) + L"\\CurVer").Set(nullptr, kVersionedProgId);
  Key(classes, kVersionedProgId).Set(nullptr, kDescription);
  Key(classes, std::wstring(kVersionedProgId) + L"\\CLSID").Set(nullptr, GuidText(CLSID_TextToSpeech));
}

// The library id as the embedded type library states it (the IDL compiler has been seen to write
// a different one than the header's constant; what clients look up is what the library says).
GUID TypeLibraryId(ITypeLib* lib) {
  GUID id = LIBID_TTSObjLib;
  TLIBATTR* attr = nullptr;
  if (lib && SUCCEEDED(lib->GetLibAttr(&attr))) {
    id = attr->guid;
    lib->ReleaseTLibAttr(attr);
  }
  return id;
}

ITypeLib* LoadOwnLibrary(const std::wstring& serverPath) {
  ITypeLib* lib = nullptr;
  LoadTypeLibEx(serverPath.c_str(), REGKIND_NONE, &lib);
  return lib;
}

// The per-user type library calls (Vista and later), looked up because the headers lack them.
HRESULT RegisterTypeLibraryForUser(ITypeLib* lib, wchar_t* path) {
  using Fn = HRESULT(WINAPI*)(ITypeLib*, OLECHAR*, OLECHAR*);
  auto fn = reinterpret_cast<Fn>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"oleaut32.dll"), "RegisterTypeLibForUser")));
  return fn ? fn(lib, path, nullptr) : E_NOTIMPL;
}

void UnregisterTypeLibraryForUser(const GUID& id) {
  using Fn = HRESULT(WINAPI*)(REFGUID, WORD, WORD, LCID, SYSKIND);
  auto fn = reinterpret_cast<Fn>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"oleaut32.dll"), "UnRegisterTypeLibForUser")));
  if (fn) fn(id, 1, 0, LOCALE_NEUTRAL, SYS_WIN64);
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

RegistrationScope WriteClassKeys(HKEY preferred, HKEY fallback, const std::wstring& serverPath,
                                 const GUID& typeLibrary) {
  if (preferred) {
    try {
      WriteKeys(preferred, serverPath, typeLibrary);
      return RegistrationScope::Machine;
    } catch (const std::system_error&) {
      // Not writable (usually: not an administrator). Leave no half-written class behind.
      if (!fallback) throw;
      DeleteClassKeys(preferred);
    }
  }
  if (!fallback) throw std::system_error(ERROR_ACCESS_DENIED, std::system_category(), "no registry root");
  WriteKeys(fallback, serverPath, typeLibrary);
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
  ITypeLib* lib = LoadOwnLibrary(serverPath);
  try {
    RegistrationScope scope = WriteClassKeys(machine, user, serverPath, TypeLibraryId(lib));
    hr = lib ? S_OK : TYPE_E_CANTLOADLIBRARY;
    if (lib) {
      auto path = serverPath;
      hr = scope == RegistrationScope::Machine ? RegisterTypeLib(lib, path.data(), nullptr)
                                               : RegisterTypeLibraryForUser(lib, path.data());
      if (FAILED(hr) && scope == RegistrationScope::Machine) hr = RegisterTypeLibraryForUser(lib, path.data());
    }
    if (FAILED(hr)) ReportError(hr, std::wstring(L"The type library could not be registered."));
  } catch (const std::system_error& e) {
    hr = e.code().value() == ERROR_ACCESS_DENIED ? E_ACCESSDENIED : SELFREG_E_CLASS;
  }
  if (lib) lib->Release();
  if (machine) RegCloseKey(machine);
  if (user) RegCloseKey(user);
  return hr;
}

HRESULT UnregisterServer(const std::wstring& serverPath) {
  for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) {
    HKEY classes = nullptr;
    if (RegOpenKeyExW(root, L"Software\\Classes", 0, KEY_READ | KEY_WRITE | DELETE, &classes) == ERROR_SUCCESS) {
      DeleteClassKeys(classes);
      RegCloseKey(classes);
    }
  }
  ITypeLib* lib = LoadOwnLibrary(serverPath);
  GUID id = TypeLibraryId(lib);
  if (lib) lib->Release();
  UnRegisterTypeLib(id, 1, 0, LOCALE_NEUTRAL, SYS_WIN64);
  UnregisterTypeLibraryForUser(id);
  return S_OK;
}

}  // namespace tts
