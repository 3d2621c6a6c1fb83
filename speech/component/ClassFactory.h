#pragma once
// The class object of TextToSpeech, and the module's lock count.
#include <unknwn.h>

namespace tts {

HRESULT GetClassFactory(REFCLSID clsid, REFIID riid, void** out);
bool ModuleInUse();

}  // namespace tts
