#include "EventRecorder.h"

#include <gtest/gtest.h>

#include "TTSObj.h"

namespace tts::testing {

HRESULT EventRecorder::QueryInterface(REFIID riid, void** out) {
  if (riid == IID_IUnknown || riid == IID_IDispatch || riid == DIID_ITextToSpeechEvents) {
    *out = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
  }
  *out = nullptr;
  return E_NOINTERFACE;
}

HRESULT EventRecorder::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*, UINT*) {
  RecordedEvent e;
  e.id = id;
  e.thread = GetCurrentThreadId();
  e.at = std::chrono::steady_clock::now();
  // Arguments arrive last to first.
  if (params && params->cArgs >= 1) e.a = params->rgvarg[params->cArgs - 1].lVal;
  if (params && params->cArgs >= 2) e.b = params->rgvarg[params->cArgs - 2].lVal;
  events.push_back(e);
  if (onEvent) onEvent(e);
  return S_OK;
}

void EventRecorder::Connect(IUnknown* object) {
  IConnectionPointContainer* container = nullptr;
  ASSERT_EQ(object->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(&container)), S_OK);
  ASSERT_EQ(container->FindConnectionPoint(DIID_ITextToSpeechEvents, &point_), S_OK);
  container->Release();
  ASSERT_EQ(point_->Advise(static_cast<IDispatch*>(this), &cookie_), S_OK);
}

void EventRecorder::Disconnect() {
  if (point_) {
    point_->Unadvise(cookie_);
    point_->Release();
    point_ = nullptr;
  }
}

size_t EventRecorder::Count(DISPID id) const {
  size_t n = 0;
  for (const auto& e : events) n += e.id == id;
  return n;
}

std::vector<RecordedEvent> EventRecorder::Of(DISPID id) const {
  std::vector<RecordedEvent> out;
  for (const auto& e : events)
    if (e.id == id) out.push_back(e);
  return out;
}

void Pump(int milliseconds) {
  PumpUntil([] { return false; }, milliseconds);
}

bool PumpUntil(const std::function<bool()>& done, int timeoutMilliseconds) {
  auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMilliseconds);
  while (true) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    if (done()) return true;
    if (std::chrono::steady_clock::now() >= deadline) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
  }
}

std::wstring LastErrorDescription() {
  IErrorInfo* info = nullptr;
  if (GetErrorInfo(0, &info) != S_OK || !info) return L"";
  BSTR text = nullptr;
  info->GetDescription(&text);
  std::wstring out = text ? text : L"";
  SysFreeString(text);
  info->Release();
  return out;
}

}  // namespace tts::testing
