#pragma once
// An event sink for the component's dispinterface that records each event with its time and thread,
// and message pumping for tests that wait for events.
#include <windows.h>
#include <ocidl.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace tts::testing {

struct RecordedEvent {
  DISPID id = 0;  // 1 start, 2 end, 3 word, 4 sentence, 5 progress
  LONG a = 0, b = 0;
  DWORD thread = 0;
  std::chrono::steady_clock::time_point at;
};

class EventRecorder final : public IDispatch {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
  ULONG STDMETHODCALLTYPE Release() override { return --refs_; }  // lives on the test's stack
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* n) override { *n = 0; return S_OK; }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*,
                                   UINT*) override;

  // Advises at `object`'s connection point; Disconnect undoes it.
  void Connect(IUnknown* object);
  void Disconnect();

  std::vector<RecordedEvent> events;
  std::function<void(const RecordedEvent&)> onEvent;  // runs inside the event

  size_t Count(DISPID id) const;
  std::vector<RecordedEvent> Of(DISPID id) const;
  bool Has(DISPID id) const { return Count(id) > 0; }

 private:
  std::atomic<ULONG> refs_{1};
  IConnectionPoint* point_ = nullptr;
  DWORD cookie_ = 0;
};

enum : DISPID { kStart = 1, kEnd = 2, kWord = 3, kSentence = 4, kProgress = 5 };

void Pump(int milliseconds);
bool PumpUntil(const std::function<bool()>& done, int timeoutMilliseconds);

// Description of the thread's error info (empty when none).
std::wstring LastErrorDescription();

}  // namespace tts::testing
