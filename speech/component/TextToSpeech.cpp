#include "TextToSpeech.h"

#include <algorithm>
#include <new>

#include "AudioFileWriter.h"
#include "ComError.h"
#include "FileTypes.h"
#include "ModuleInfo.h"
#include "Utf.h"

namespace tts {

namespace {

std::atomic<LONG> g_liveObjects{0};

// Event dispids of ITextToSpeechEvents.
enum : DISPID { kOnStart = 1, kOnEnd = 2, kOnWord = 3, kOnSentence = 4, kOnProgress = 5 };

std::u16string TextOf(BSTR text) {
  if (!text) return {};
  return std::u16string(reinterpret_cast<const char16_t*>(text), SysStringLen(text));
}

HRESULT ReturnString(const std::wstring& value, BSTR* out) {
  *out = SysAllocStringLen(value.data(), static_cast<UINT>(value.size()));
  return *out ? S_OK : E_OUTOFMEMORY;
}

std::wstring Wide(const std::string& utf8) {
  auto u16 = Utf8ToUtf16(utf8);
  return std::wstring(u16.begin(), u16.end());
}

HRESULT OutOfRange(const wchar_t* what, LONG value, LONG low, LONG high) {
  return ReportError(E_INVALIDARG, std::wstring(what) + L" " + std::to_wstring(value) + L" is out of range (" +
                                       std::to_wstring(low) + L" to " + std::to_wstring(high) + L").");
}

HRESULT NullPointer() { return ReportError(E_POINTER, std::wstring(L"A result pointer is null.")); }

ITypeLib* LoadOwnTypeLibrary() {
  ITypeLib* lib = nullptr;
  LoadTypeLibEx(ModulePath().c_str(), REGKIND_NONE, &lib);
  return lib;
}

}  // namespace

LONG TextToSpeech::LiveObjects() { return g_liveObjects; }

HRESULT TextToSpeech::Create(ComponentParts parts, REFIID riid, void** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  TextToSpeech* object = nullptr;
  try {
    object = new TextToSpeech(std::move(parts));
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  } catch (const std::exception& e) {
    return ReportError(E_FAIL, std::string(e.what()));
  }
  HRESULT hr = object->QueryInterface(riid, out);
  object->Release();
  return hr;
}

TextToSpeech::TextToSpeech(ComponentParts parts)
    : parts_(std::move(parts)),
      events_([this] { window_.Wake(); }),
      window_([this] { DeliverEvents(); }),
      connectionPoint_(this, DIID_ITextToSpeechEvents) {
  if (ITypeLib* lib = LoadOwnTypeLibrary()) {
    lib->GetTypeInfoOfGuid(IID_ITextToSpeech, &typeInfo_);
    lib->Release();
  }
  ++g_liveObjects;
}

TextToSpeech::~TextToSpeech() {
  reading_.reset();  // threads joined before the window goes
  connectionPoint_.UnadviseAll();
  if (typeInfo_) typeInfo_->Release();
  --g_liveObjects;
}

// ---- IUnknown / IDispatch ---------------------------------------------------------------------

HRESULT TextToSpeech::QueryInterface(REFIID riid, void** out) {
  if (!out) return E_POINTER;
  if (riid == IID_IUnknown || riid == IID_IDispatch || riid == IID_ITextToSpeech)
    *out = static_cast<ITextToSpeech*>(this);
  else if (riid == IID_IConnectionPointContainer)
    *out = static_cast<IConnectionPointContainer*>(this);
  else if (riid == IID_ISupportErrorInfo)
    *out = static_cast<ISupportErrorInfo*>(this);
  else if (riid == IID_IProvideClassInfo)
    *out = static_cast<IProvideClassInfo*>(this);
  else {
    *out = nullptr;
    return E_NOINTERFACE;
  }
  AddRef();
  return S_OK;
}

ULONG TextToSpeech::AddRef() { return ++refs_; }

ULONG TextToSpeech::Release() {
  ULONG r = --refs_;
  if (r == 0) delete this;
  return r;
}

HRESULT TextToSpeech::GetTypeInfoCount(UINT* count) {
  if (!count) return E_POINTER;
  *count = typeInfo_ ? 1 : 0;
  return S_OK;
}

HRESULT TextToSpeech::GetTypeInfo(UINT index, LCID, ITypeInfo** info) {
  if (!info) return E_POINTER;
  *info = nullptr;
  if (index != 0) return DISP_E_BADINDEX;
  if (!typeInfo_) return TYPE_E_CANTLOADLIBRARY;
  typeInfo_->AddRef();
  *info = typeInfo_;
  return S_OK;
}

HRESULT TextToSpeech::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
  if (!typeInfo_) return TYPE_E_CANTLOADLIBRARY;
  return DispGetIDsOfNames(typeInfo_, names, count, ids);
}

HRESULT TextToSpeech::Invoke(DISPID id, REFIID riid, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                             EXCEPINFO* exception, UINT* argError) {
  if (riid != IID_NULL) return DISP_E_UNKNOWNINTERFACE;
  if (!typeInfo_) return TYPE_E_CANTLOADLIBRARY;
  return typeInfo_->Invoke(static_cast<ITextToSpeech*>(this), id, flags, params, result, exception, argError);
}

// ---- engine and voices ------------------------------------------------------------------------

SpeechEngine& TextToSpeech::Engine() {
  if (!engine_) {
    if (!parts_.makeEngine) throw EngineError("No speech engine is available.");
    engine_ = parts_.makeEngine();
    if (!engine_) throw EngineError("No speech engine is available on this system.");
  }
  return *engine_;
}

const std::vector<VoiceInfo>& TextToSpeech::Voices() {
  if (!voices_) voices_ = std::make_unique<std::vector<VoiceInfo>>(Engine().Voices());
  return *voices_;
}

HRESULT TextToSpeech::CheckVoiceIndex(LONG index) {
  LONG count = static_cast<LONG>(Voices().size());
  if (count == 0) return ReportError(E_INVALIDARG, std::wstring(L"No voice is installed."));
  if (index < 0 || index >= count) return OutOfRange(L"Voice", index, 0, count - 1);
  return S_OK;
}

HRESULT TextToSpeech::VoiceCount(LONG* count) {
  if (!count) return NullPointer();
  return Guarded([&] {
    *count = static_cast<LONG>(Voices().size());
    return S_OK;
  });
}

HRESULT TextToSpeech::GetVoice(LONG* index) {
  if (!index) return NullPointer();
  return Guarded([&] {
    *index = Voices().empty() ? -1 : voice_;
    return S_OK;
  });
}

HRESULT TextToSpeech::SetVoice(LONG index) {
  return Guarded([&] {
    HRESULT hr = CheckVoiceIndex(index);
    if (SUCCEEDED(hr)) voice_ = index;
    return hr;
  });
}

HRESULT TextToSpeech::VoiceName(LONG index, BSTR* name) {
  if (!name) return NullPointer();
  *name = nullptr;
  return Guarded([&] {
    HRESULT hr = CheckVoiceIndex(index);
    return FAILED(hr) ? hr : ReturnString(Voices()[index].name, name);
  });
}

HRESULT TextToSpeech::VoiceLanguage(LONG index, BSTR* language) {
  if (!language) return NullPointer();
  *language = nullptr;
  return Guarded([&] {
    HRESULT hr = CheckVoiceIndex(index);
    return FAILED(hr) ? hr : ReturnString(Voices()[index].language, language);
  });
}

// ---- reading ----------------------------------------------------------------------------------

HRESULT TextToSpeech::IsSpeaking(VARIANT_BOOL* speaking) {
  if (!speaking) return NullPointer();
  *speaking = reading_ && !reading_->Ended() ? VARIANT_TRUE : VARIANT_FALSE;
  return S_OK;
}

HRESULT TextToSpeech::IsPaused(VARIANT_BOOL* paused) {
  if (!paused) return NullPointer();
  *paused = reading_ && !reading_->Ended() && reading_->Paused() ? VARIANT_TRUE : VARIANT_FALSE;
  return S_OK;
}

void TextToSpeech::EndReading() {
  if (!reading_) return;
  std::unique_ptr<Reading> reading = std::move(reading_);
  bool endOwed = reading->Cancel();
  events_.DropProgressOf(reading->Id());
  if (endOwed) events_.Push({reading->Id(), ReadingEventKind::End, 0, 0});
}

HRESULT TextToSpeech::Speak(BSTR text, LONG) {
  return Guarded([&] {
    EndReading();
    HRESULT hr = CheckVoiceIndex(voice_);
    if (FAILED(hr)) return hr;
    Engine().Refresh();
    uint32_t rate = Engine().SampleRate();
    auto output = parts_.openOutput ? parts_.openOutput(rate) : OpenAudioOutput(rate);
    uint32_t id = ++nextReading_;
    auto reading = std::make_unique<Reading>(id, TextOf(text), Settings(), engine_, std::move(output), rate, events_,
                                             parts_.tuning);
    events_.Push({id, ReadingEventKind::Start, 0, 0});
    reading_ = std::move(reading);
    reading_->Start();
    return S_OK;
  });
}

HRESULT TextToSpeech::Stop() {
  return Guarded([&] {
    EndReading();
    return S_OK;
  });
}

HRESULT TextToSpeech::Pause() {
  if (reading_) reading_->Pause();
  return S_OK;
}

HRESULT TextToSpeech::Resume() {
  if (reading_) reading_->Resume();
  return S_OK;
}

void TextToSpeech::DeliverEvents() {
  // A handler that pumps messages must not start a second round inside this one.
  if (delivering_) return;
  delivering_ = true;
  AddRef();  // a handler may drop the last outside reference
  while (auto e = events_.Pop()) {
    switch (e->kind) {
      case ReadingEventKind::Start: connectionPoint_.Fire(kOnStart, {}); break;
      case ReadingEventKind::End: connectionPoint_.Fire(kOnEnd, {}); break;
      case ReadingEventKind::Word: connectionPoint_.Fire(kOnWord, {e->first, e->second}); break;
      case ReadingEventKind::Sentence: connectionPoint_.Fire(kOnSentence, {e->first, e->second}); break;
      case ReadingEventKind::Progress: connectionPoint_.Fire(kOnProgress, {e->first}); break;
    }
  }
  delivering_ = false;
  Release();
}

// ---- settings ---------------------------------------------------------------------------------

HRESULT TextToSpeech::GetRate(LONG* rate) {
  if (!rate) return NullPointer();
  *rate = rate_;
  return S_OK;
}

HRESULT TextToSpeech::SetRate(LONG rate) {
  if (rate < -10 || rate > 10) return OutOfRange(L"Rate", rate, -10, 10);
  rate_ = rate;
  return S_OK;
}

HRESULT TextToSpeech::GetVolume(LONG* volume) {
  if (!volume) return NullPointer();
  *volume = volume_;
  return S_OK;
}

HRESULT TextToSpeech::SetVolume(LONG volume) {
  if (volume < 0 || volume > 100) return OutOfRange(L"Volume", volume, 0, 100);
  volume_ = volume;
  return S_OK;
}

HRESULT TextToSpeech::GetPitch(LONG* pitch) {
  if (!pitch) return NullPointer();
  *pitch = pitch_;
  return S_OK;
}

HRESULT TextToSpeech::SetPitch(LONG pitch) {
  if (pitch < -10 || pitch > 10) return OutOfRange(L"Pitch", pitch, -10, 10);
  pitch_ = pitch;
  return S_OK;
}

// ---- files ------------------------------------------------------------------------------------

HRESULT TextToSpeech::FileTypeCount(LONG* count) {
  if (!count) return NullPointer();
  *count = kFileTypeCount;
  return S_OK;
}

HRESULT TextToSpeech::FileTypeName(LONG index, BSTR* name) {
  if (!name) return NullPointer();
  *name = nullptr;
  if (index < 0 || index >= kFileTypeCount) return OutOfRange(L"File type", index, 0, kFileTypeCount - 1);
  return ReturnString(Wide(tts::FileTypeName(static_cast<FileType>(index))), name);
}

HRESULT TextToSpeech::GetFileType(LONG* index) {
  if (!index) return NullPointer();
  *index = fileType_;
  return S_OK;
}

HRESULT TextToSpeech::SetFileType(LONG index) {
  if (index < 0 || index >= kFileTypeCount) return OutOfRange(L"File type", index, 0, kFileTypeCount - 1);
  fileType_ = index;
  format_ = 0;
  return S_OK;
}

HRESULT TextToSpeech::FormatCount(LONG* count) {
  if (!count) return NullPointer();
  *count = static_cast<LONG>(FormatOptions(static_cast<FileType>(fileType_)).size());
  return S_OK;
}

HRESULT TextToSpeech::GetFormat(LONG* index) {
  if (!index) return NullPointer();
  *index = format_;
  return S_OK;
}

HRESULT TextToSpeech::SetFormat(LONG index) {
  LONG count = static_cast<LONG>(FormatOptions(static_cast<FileType>(fileType_)).size());
  if (index < 0 || index >= count) return OutOfRange(L"Format", index, 0, count - 1);
  format_ = index;
  return S_OK;
}

HRESULT TextToSpeech::FormatName(BSTR* name) {
  if (!name) return NullPointer();
  return ReturnString(Wide(FormatOptions(static_cast<FileType>(fileType_))[format_].name), name);
}

HRESULT TextToSpeech::SpeakToFile(BSTR text, BSTR fileName, LONG) {
  return Guarded([&] {
    HRESULT hr = CheckVoiceIndex(voice_);
    if (FAILED(hr)) return hr;
    std::wstring path = fileName ? std::wstring(fileName, SysStringLen(fileName)) : std::wstring();
    auto type = static_cast<FileType>(fileType_);
    Engine().Refresh();
    WriteSpeechFile(Engine(), Settings(), TextOf(text), path, type, FormatOptions(type)[format_]);
    return S_OK;
  });
}

// ---- connection points, error info, class info -------------------------------------------------

HRESULT TextToSpeech::EnumConnectionPoints(IEnumConnectionPoints** out) {
  return CreateConnectionPointEnumerator({&connectionPoint_}, out);
}

HRESULT TextToSpeech::FindConnectionPoint(REFIID riid, IConnectionPoint** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (riid != DIID_ITextToSpeechEvents) return CONNECT_E_NOCONNECTION;
  *out = &connectionPoint_;
  connectionPoint_.AddRef();
  return S_OK;
}

HRESULT TextToSpeech::InterfaceSupportsErrorInfo(REFIID riid) {
  return riid == IID_ITextToSpeech ? S_OK : S_FALSE;
}

HRESULT TextToSpeech::GetClassInfo(ITypeInfo** info) {
  if (!info) return E_POINTER;
  *info = nullptr;
  ITypeLib* lib = LoadOwnTypeLibrary();
  if (!lib) return TYPE_E_CANTLOADLIBRARY;
  HRESULT hr = lib->GetTypeInfoOfGuid(CLSID_TextToSpeech, info);
  lib->Release();
  return hr;
}

}  // namespace tts
