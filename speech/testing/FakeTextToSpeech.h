#pragma once
// A scripted stand-in for the speech component, for tests of the code that drives it. It records
// every call with its arguments, in order; its voices, format names and failures are set by the
// test; events are fired when the test says so. Register it as the running object of the class and
// TCTextToSpeech connects to it instead of creating the real component.
#include <windows.h>
#include <ocidl.h>

#include <atomic>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "TTSObj.h"

namespace tts {
class ConnectionPoint;
}

namespace tts::testing {

struct FakeCall {
  std::string method;             // "Speak", "SetVoice", ...
  std::vector<long> numbers;      // integer arguments in order
  std::vector<std::wstring> texts;  // text arguments in order
};

class FakeTextToSpeech final : public ITextToSpeech, public IConnectionPointContainer, public ISupportErrorInfo {
 public:
  // Reference count 1, owned by the caller (Release when done). Without a connection point the
  // fake answers no to IConnectionPointContainer, like a component without events.
  static FakeTextToSpeech* Create(bool withConnectionPoint = true);

  // ---- script ----
  std::vector<std::wstring> voices = {L"普通话 (Mandarin Chinese)", L"English (British)"};
  // Format names of each file type (index = file type); an empty list is a type without options.
  std::vector<std::vector<std::wstring>> formats = {
      {L"22kHz 16Bit Mono", L"16kHz 16Bit Mono"}, {L"22kHz 48kbps Mono", L"44kHz 128kbps Stereo"}, {L"22kHz 32kbps Mono"},
      {L"22kHz 48kbps Mono"}, {}, {L"8kHz 16Bit Mono"}, {L"44kHz 16Bit Stereo"}};
  // Every later call of `method` fails with `hr`; with a description, it is set as error info.
  void FailOn(const std::string& method, HRESULT hr, const std::wstring& description = L"");
  void ClearFailures() { failures_.clear(); }

  // ---- what happened ----
  std::vector<FakeCall> calls;
  std::vector<std::string> Methods() const;  // names of the calls in order
  size_t CountOf(const std::string& method) const;
  const FakeCall* Last(const std::string& method) const;
  long rate = 0, volume = 100, pitch = 0, voice = 0, fileType = 0, format = 0;
  bool speaking = false, paused = false;

  // ---- events (to every advised sink, now) ----
  void FireStart();
  void FireEnd();
  void FireWord(long start, long length);
  void FireSentence(long start, long length);
  void FireProgress(long percent);
  size_t SinkCount() const;

  // ---- the running object of CLSID_TextToSpeech ----
  void RegisterAsActive();
  void RevokeActive();

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
  ULONG STDMETHODCALLTYPE Release() override;
  // IDispatch: the fake is called through its table only.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
    return E_NOTIMPL;
  }
  // ITextToSpeech
  HRESULT STDMETHODCALLTYPE VoiceCount(LONG* count) override;
  HRESULT STDMETHODCALLTYPE GetVoice(LONG* index) override;
  HRESULT STDMETHODCALLTYPE SetVoice(LONG index) override;
  HRESULT STDMETHODCALLTYPE VoiceLanguage(LONG index, BSTR* language) override;
  HRESULT STDMETHODCALLTYPE IsSpeaking(VARIANT_BOOL* value) override;
  HRESULT STDMETHODCALLTYPE IsPaused(VARIANT_BOOL* value) override;
  HRESULT STDMETHODCALLTYPE Speak(BSTR text, LONG flags) override;
  HRESULT STDMETHODCALLTYPE SpeakToFile(BSTR text, BSTR fileName, LONG flags) override;
  HRESULT STDMETHODCALLTYPE Stop() override;
  HRESULT STDMETHODCALLTYPE Pause() override;
  HRESULT STDMETHODCALLTYPE Resume() override;
  HRESULT STDMETHODCALLTYPE GetRate(LONG* value) override;
  HRESULT STDMETHODCALLTYPE SetRate(LONG value) override;
  HRESULT STDMETHODCALLTYPE GetVolume(LONG* value) override;
  HRESULT STDMETHODCALLTYPE SetVolume(LONG value) override;
  HRESULT STDMETHODCALLTYPE GetPitch(LONG* value) override;
  HRESULT STDMETHODCALLTYPE SetPitch(LONG value) override;
  HRESULT STDMETHODCALLTYPE FormatCount(LONG* count) override;
  HRESULT STDMETHODCALLTYPE GetFormat(LONG* index) override;
  HRESULT STDMETHODCALLTYPE SetFormat(LONG index) override;
  HRESULT STDMETHODCALLTYPE FormatName(BSTR* name) override;
  HRESULT STDMETHODCALLTYPE GetFileType(LONG* index) override;
  HRESULT STDMETHODCALLTYPE SetFileType(LONG index) override;
  HRESULT STDMETHODCALLTYPE VoiceName(LONG index, BSTR* name) override;
  HRESULT STDMETHODCALLTYPE FileTypeCount(LONG* count) override;
  HRESULT STDMETHODCALLTYPE FileTypeName(LONG index, BSTR* name) override;
  // IConnectionPointContainer
  HRESULT STDMETHODCALLTYPE EnumConnectionPoints(IEnumConnectionPoints** out) override;
  HRESULT STDMETHODCALLTYPE FindConnectionPoint(REFIID riid, IConnectionPoint** out) override;
  // ISupportErrorInfo
  HRESULT STDMETHODCALLTYPE InterfaceSupportsErrorInfo(REFIID riid) override;

 private:
  explicit FakeTextToSpeech(bool withConnectionPoint);
  ~FakeTextToSpeech();
  // Records the call and returns the scripted failure, if any.
  HRESULT Record(const char* method, std::vector<long> numbers = {}, std::vector<std::wstring> texts = {});

  struct Failure {
    HRESULT hr;
    std::wstring description;
  };
  std::atomic<ULONG> refs_{1};
  std::unique_ptr<tts::ConnectionPoint> point_;
  std::map<std::string, Failure> failures_;
  DWORD activeCookie_ = 0;
};

}  // namespace tts::testing
