// Entry points of TTSObj.dll.
#include <windows.h>

#include "ClassFactory.h"
#include "EventWindow.h"
#include "ModuleInfo.h"
#include "Registration.h"

extern "C" {

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
  if (reason == DLL_PROCESS_ATTACH) DisableThreadLibraryCalls(instance);
  if (reason == DLL_PROCESS_DETACH && !reserved) tts::EventWindow::UnregisterClass();
  return TRUE;
}

STDAPI DllGetClassObject(REFCLSID clsid, REFIID riid, LPVOID* out) { return tts::GetClassFactory(clsid, riid, out); }

STDAPI DllCanUnloadNow() { return tts::ModuleInUse() ? S_FALSE : S_OK; }

STDAPI DllRegisterServer() { return tts::RegisterServer(tts::ModulePath()); }

STDAPI DllUnregisterServer() { return tts::UnregisterServer(tts::ModulePath()); }

}
