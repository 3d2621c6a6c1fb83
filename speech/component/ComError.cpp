#include "ComError.h"

#include <oleauto.h>

#include <new>

#include "AudioEncoder.h"
#include "AudioFileWriter.h"
#include "SpeechEngine.h"
#include "TTSObj.h"
#include "Utf.h"

namespace tts {

HRESULT ReportError(HRESULT hr, const std::wstring& description) {
  ICreateErrorInfo* create = nullptr;
  if (SUCCEEDED(CreateErrorInfo(&create))) {
    create->SetGUID(IID_ITextToSpeech);
    create->SetSource(const_cast<LPOLESTR>(L"TTSObj.TextToSpeech"));
    create->SetDescription(const_cast<LPOLESTR>(description.c_str()));
    IErrorInfo* info = nullptr;
    if (SUCCEEDED(create->QueryInterface(IID_IErrorInfo, reinterpret_cast<void**>(&info)))) {
      SetErrorInfo(0, info);
      info->Release();
    }
    create->Release();
  }
  return hr;
}

HRESULT ReportError(HRESULT hr, const std::string& utf8Description) {
  auto u16 = Utf8ToUtf16(utf8Description);
  return ReportError(hr, std::wstring(u16.begin(), u16.end()));
}

HRESULT ReportCurrentException() noexcept {
  try {
    throw;
  } catch (const std::bad_alloc&) {
    return ReportError(E_OUTOFMEMORY, std::wstring(L"Not enough memory."));
  } catch (const FileWriteError& e) {
    return ReportError(HRESULT_FROM_WIN32(e.SystemError()), std::string(e.what()));
  } catch (const EncoderError& e) {
    return ReportError(E_FAIL, std::string(e.what()));
  } catch (const EngineError& e) {
    return ReportError(E_FAIL, std::string(e.what()));
  } catch (const std::exception& e) {
    return ReportError(E_UNEXPECTED, std::string("Unexpected failure: ") + e.what());
  } catch (...) {
    return ReportError(E_UNEXPECTED, std::wstring(L"Unexpected failure."));
  }
}

}  // namespace tts
