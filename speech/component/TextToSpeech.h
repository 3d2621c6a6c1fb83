#pragma once
// The speech component's COM object: ITextToSpeech (dual), its events through a connection point,
// error info, apartment-threaded. Readings run on threads of their own; every event reaches the
// sinks on the thread that created the object, from its hidden event window.
#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include <atomic>
#include <functional>
#include <memory>

#include "AudioOutput.h"
#include "ConnectionPoint.h"
#include "EventWindow.h"
#include "Reading.h"
#include "ReadingEvents.h"
#include "SpeechEngine.h"
#include "TTSObj.h"

namespace tts {

struct ComponentParts {
  std::function<std::shared_ptr<SpeechEngine>()> makeEngine;           // called on first need
  std::function<std::unique_ptr<AudioOutput>(uint32_t rate)> openOutput;  // once per reading
  ReadingTuning tuning;
};

// Parts of the installed component: eSpeak NG through the helper under Wine, else SAPI; the sound
// card or the silent clock.
ComponentParts DefaultParts();

class TextToSpeech final : public ITextToSpeech,
                           public IConnectionPointContainer,
                           public ISupportErrorInfo,
                           public IProvideClassInfo {
 public:
  static HRESULT Create(ComponentParts parts, REFIID riid, void** out);
  // Objects alive in this module (for DllCanUnloadNow).
  static LONG LiveObjects();

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  // IDispatch
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID lcid, ITypeInfo** info) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID lcid, DISPID* ids) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID riid, LCID lcid, WORD flags, DISPPARAMS* params, VARIANT* result,
                                   EXCEPINFO* exception, UINT* argError) override;
  // ITextToSpeech
  HRESULT STDMETHODCALLTYPE VoiceCount(LONG* count) override;
  HRESULT STDMETHODCALLTYPE GetVoice(LONG* index) override;
  HRESULT STDMETHODCALLTYPE SetVoice(LONG index) override;
  HRESULT STDMETHODCALLTYPE VoiceLanguage(LONG index, BSTR* language) override;
  HRESULT STDMETHODCALLTYPE IsSpeaking(VARIANT_BOOL* speaking) override;
  HRESULT STDMETHODCALLTYPE IsPaused(VARIANT_BOOL* paused) override;
  HRESULT STDMETHODCALLTYPE Speak(BSTR text, LONG flags) override;
  HRESULT STDMETHODCALLTYPE SpeakToFile(BSTR text, BSTR fileName, LONG flags) override;
  HRESULT STDMETHODCALLTYPE Stop() override;
  HRESULT STDMETHODCALLTYPE Pause() override;
  HRESULT STDMETHODCALLTYPE Resume() override;
  HRESULT STDMETHODCALLTYPE GetRate(LONG* rate) override;
  HRESULT STDMETHODCALLTYPE SetRate(LONG rate) override;
  HRESULT STDMETHODCALLTYPE GetVolume(LONG* volume) override;
  HRESULT STDMETHODCALLTYPE SetVolume(LONG volume) override;
  HRESULT STDMETHODCALLTYPE GetPitch(LONG* pitch) override;
  HRESULT STDMETHODCALLTYPE SetPitch(LONG pitch) override;
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
  // IProvideClassInfo
  HRESULT STDMETHODCALLTYPE GetClassInfo(ITypeInfo** info) override;

 private:
  explicit TextToSpeech(ComponentParts parts);
  ~TextToSpeech();

  SpeechEngine& Engine();
  const std::vector<VoiceInfo>& Voices();
  HRESULT CheckVoiceIndex(LONG index);
  void EndReading();
  void DeliverEvents();
  SynthesisSettings Settings() const { return {voice_, rate_, volume_, pitch_}; }

  std::atomic<ULONG> refs_{1};
  ComponentParts parts_;
  std::shared_ptr<SpeechEngine> engine_;
  std::unique_ptr<std::vector<VoiceInfo>> voices_;
  ITypeInfo* typeInfo_ = nullptr;

  LONG voice_ = 0, rate_ = 0, volume_ = 100, pitch_ = 0;
  LONG fileType_ = 0, format_ = 0;

  ReadingEvents events_;
  EventWindow window_;
  ConnectionPoint connectionPoint_;
  std::unique_ptr<Reading> reading_;
  uint32_t nextReading_ = 0;
  bool delivering_ = false;
};

}  // namespace tts
