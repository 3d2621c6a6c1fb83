#pragma once
// Failures of the component's methods as HRESULTs with error info (a text for people).
#include <windows.h>

#include <string>

namespace tts {

// Sets the thread's error info for ITextToSpeech and returns `hr`.
HRESULT ReportError(HRESULT hr, const std::wstring& description);
HRESULT ReportError(HRESULT hr, const std::string& utf8Description);

// Runs `body` (returning HRESULT) and turns escaping exceptions into reported failures.
template <class F>
HRESULT Guarded(F&& body) noexcept;

HRESULT ReportCurrentException() noexcept;

template <class F>
HRESULT Guarded(F&& body) noexcept {
  try {
    return body();
  } catch (...) {
    return ReportCurrentException();
  }
}

}  // namespace tts
