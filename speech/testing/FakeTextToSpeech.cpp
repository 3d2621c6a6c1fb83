#include "FakeTextToSpeech.h"

#include <oleauto.h>

#include "ConnectionPoint.h"

namespace tts::testing {

namespace {

std::wstring TextOf(BSTR b) { return b ? std::wstring(b, SysStringLen(b)) : std::wstring(); }

HRESULT ReturnText(const std::wstring& s, BSTR* out) {
  if (!out) return E_POINTER;
  *out = SysAllocStringLen(s.data(), static_cast<UINT>(s.size()));
  return S_OK;
}

const wchar_t* const kFileTypes[] = {L"WAV", L"MP3", L"WMA", L"OGG", L"VOX", L"AU", L"AIFF"};

}  // namespace

FakeTextToSpeech* FakeTextToSpeech::Create(bool withConnectionPoint) {
  return new FakeTextToSpeech(withConnectionPoint);
}

FakeTextToSpeech::FakeTextToSpeech(bool withConnectionPoint) {
  if (withConnectionPoint) point_ = std::make_unique<tts::ConnectionPoint>(this, DIID_ITextToSpeechEvents);
}

FakeTextToSpeech::~FakeTextToSpeech() { RevokeActive(); }

ULONG FakeTextToSpeech::Release() {
  ULONG r = --refs_;
  if (r == 0) delete this;
  return r;
}

HRESULT FakeTextToSpeech::QueryInterface(REFIID riid, void** out) {
  if (!out) return E_POINTER;
  if (riid == IID_IUnknown || riid == IID_IDispatch || riid == IID_ITextToSpeech)
    *out = static_cast<ITextToSpeech*>(this);
  else if (riid == IID_IConnectionPointContainer && point_)
    *out = static_cast<IConnectionPointContainer*>(this);
  else if (riid == IID_ISupportErrorInfo)
    *out = static_cast<ISupportErrorInfo*>(this);
  else {
    *out = nullptr;
    return E_NOINTERFACE;
  }
  AddRef();
  return S_OK;
}

void FakeTextToSpeech::FailOn(const std::string& method, HRESULT hr, const std::wstring& description) {
  failures_[method] = {hr, description};
}

HRESULT FakeTextToSpeech::Record(const char* method, std::vector<long> numbers, std::vector<std::wstring> texts) {
  calls.push_back({method, std::move(numbers), std::move(texts)});
  auto it = failures_.find(method);
  if (it == failures_.end()) return S_OK;
  SetErrorInfo(0, nullptr);
  if (!it->second.description.empty()) {
    ICreateErrorInfo* create = nullptr;
    if (SUCCEEDED(CreateErrorInfo(&create))) {
      create->SetGUID(IID_ITextToSpeech);
      create->SetDescription(const_cast<LPOLESTR>(it->second.description.c_str()));
      IErrorInfo* info = nullptr;
      create->QueryInterface(IID_IErrorInfo, reinterpret_cast<void**>(&info));
      SetErrorInfo(0, info);
      info->Release();
      create->Release();
    }
  }
  return it->second.hr;
}

std::vector<std::string> FakeTextToSpeech::Methods() const {
  std::vector<std::string> out;
  for (const auto& c : calls) out.push_back(c.method);
  return out;
}

size_t FakeTextToSpeech::CountOf(const std::string& method) const {
  size_t n = 0;
  for (const auto& c : calls) n += c.method == method;
  return n;
}

const FakeCall* FakeTextToSpeech::Last(const std::string& method) const {
  for (auto it = calls.rbegin(); it != calls.rend(); ++it)
    if (it->method == method) return &*it;
  return nullptr;
}

void FakeTextToSpeech::FireStart() { if (point_) point_->Fire(1, {}); }
void FakeTextToSpeech::FireEnd() { if (point_) point_->Fire(2, {}); }
void FakeTextToSpeech::FireWord(long start, long length) { if (point_) point_->Fire(3, {start, length}); }
void FakeTextToSpeech::FireSentence(long start, long length) { if (point_) point_->Fire(4, {start, length}); }
void FakeTextToSpeech::FireProgress(long percent) { if (point_) point_->Fire(5, {percent}); }
size_t FakeTextToSpeech::SinkCount() const { return point_ ? point_->SinkCount() : 0; }

void FakeTextToSpeech::RegisterAsActive() {
  if (activeCookie_) return;
  RegisterActiveObject(static_cast<ITextToSpeech*>(this), CLSID_TextToSpeech, ACTIVEOBJECT_STRONG, &activeCookie_);
}

void FakeTextToSpeech::RevokeActive() {
  if (!activeCookie_) return;
  DWORD cookie = activeCookie_;
  activeCookie_ = 0;
  RevokeActiveObject(cookie, nullptr);
}

HRESULT FakeTextToSpeech::GetTypeInfoCount(UINT* count) {
  if (!count) return E_POINTER;
  *count = 0;
  return S_OK;
}

HRESULT FakeTextToSpeech::VoiceCount(LONG* count) {
  HRESULT hr = Record("VoiceCount");
  if (FAILED(hr)) return hr;
  *count = static_cast<LONG>(voices.size());
  return S_OK;
}

HRESULT FakeTextToSpeech::GetVoice(LONG* index) {
  HRESULT hr = Record("GetVoice");
  if (FAILED(hr)) return hr;
  *index = voices.empty() ? -1 : voice;
  return S_OK;
}

HRESULT FakeTextToSpeech::SetVoice(LONG index) {
  HRESULT hr = Record("SetVoice", {index});
  if (FAILED(hr)) return hr;
  if (index < 0 || index >= static_cast<LONG>(voices.size())) return E_INVALIDARG;
  voice = index;
  return S_OK;
}

HRESULT FakeTextToSpeech::VoiceName(LONG index, BSTR* name) {
  HRESULT hr = Record("VoiceName", {index});
  if (FAILED(hr)) return hr;
  if (index < 0 || index >= static_cast<LONG>(voices.size())) return E_INVALIDARG;
  return ReturnText(voices[index], name);
}

HRESULT FakeTextToSpeech::VoiceLanguage(LONG index, BSTR* language) {
  HRESULT hr = Record("VoiceLanguage", {index});
  if (FAILED(hr)) return hr;
  if (index < 0 || index >= static_cast<LONG>(voices.size())) return E_INVALIDARG;
  return ReturnText(index == 0 ? L"cmn" : L"en", language);
}

HRESULT FakeTextToSpeech::IsSpeaking(VARIANT_BOOL* value) {
  HRESULT hr = Record("IsSpeaking");
  if (FAILED(hr)) return hr;
  *value = speaking ? VARIANT_TRUE : VARIANT_FALSE;
  return S_OK;
}

HRESULT FakeTextToSpeech::IsPaused(VARIANT_BOOL* value) {
  HRESULT hr = Record("IsPaused");
  if (FAILED(hr)) return hr;
  *value = paused ? VARIANT_TRUE : VARIANT_FALSE;
  return S_OK;
}

HRESULT FakeTextToSpeech::Speak(BSTR text, LONG flags) {
  HRESULT hr = Record("Speak", {flags}, {TextOf(text)});
  if (SUCCEEDED(hr)) {
    speaking = true;
    paused = false;
  }
  return hr;
}

HRESULT FakeTextToSpeech::SpeakToFile(BSTR text, BSTR fileName, LONG flags) {
  return Record("SpeakToFile", {flags}, {TextOf(text), TextOf(fileName)});
}

HRESULT FakeTextToSpeech::Stop() {
  HRESULT hr = Record("Stop");
  if (SUCCEEDED(hr)) speaking = paused = false;
  return hr;
}

HRESULT FakeTextToSpeech::Pause() {
  HRESULT hr = Record("Pause");
  if (SUCCEEDED(hr) && speaking) paused = true;
  return hr;
}

HRESULT FakeTextToSpeech::Resume() {
  HRESULT hr = Record("Resume");
  if (SUCCEEDED(hr)) paused = false;
  return hr;
}

#define TTS_FAKE_PROPERTY(Name, field)                 \
  HRESULT FakeTextToSpeech::Get##Name(LONG* value) {   \
    HRESULT hr = Record("Get" #Name);                  \
    if (FAILED(hr)) return hr;                         \
    *value = field;                                    \
    return S_OK;                                       \
  }                                                    \
  HRESULT FakeTextToSpeech::Set##Name(LONG value) {    \
    HRESULT hr = Record("Set" #Name, {value});         \
    if (SUCCEEDED(hr)) field = value;                  \
    return hr;                                         \
  }

TTS_FAKE_PROPERTY(Rate, rate)
TTS_FAKE_PROPERTY(Volume, volume)
TTS_FAKE_PROPERTY(Pitch, pitch)
TTS_FAKE_PROPERTY(Format, format)
#undef TTS_FAKE_PROPERTY

HRESULT FakeTextToSpeech::GetFileType(LONG* index) {
  HRESULT hr = Record("GetFileType");
  if (FAILED(hr)) return hr;
  *index = fileType;
  return S_OK;
}

HRESULT FakeTextToSpeech::SetFileType(LONG index) {
  HRESULT hr = Record("SetFileType", {index});
  if (FAILED(hr)) return hr;
  if (index < 0 || index >= static_cast<LONG>(formats.size())) return E_INVALIDARG;
  fileType = index;
  format = 0;
  return S_OK;
}

HRESULT FakeTextToSpeech::FormatCount(LONG* count) {
  HRESULT hr = Record("FormatCount");
  if (FAILED(hr)) return hr;
  *count = static_cast<LONG>(formats[fileType].size());
  return S_OK;
}

HRESULT FakeTextToSpeech::FormatName(BSTR* name) {
  HRESULT hr = Record("FormatName");
  if (FAILED(hr)) return hr;
  const auto& list = formats[fileType];
  return ReturnText(format >= 0 && format < static_cast<LONG>(list.size()) ? list[format] : L"", name);
}

HRESULT FakeTextToSpeech::FileTypeCount(LONG* count) {
  HRESULT hr = Record("FileTypeCount");
  if (FAILED(hr)) return hr;
  *count = 7;
  return S_OK;
}

HRESULT FakeTextToSpeech::FileTypeName(LONG index, BSTR* name) {
  HRESULT hr = Record("FileTypeName", {index});
  if (FAILED(hr)) return hr;
  if (index < 0 || index >= 7) return E_INVALIDARG;
  return ReturnText(kFileTypes[index], name);
}

HRESULT FakeTextToSpeech::EnumConnectionPoints(IEnumConnectionPoints** out) {
  return tts::CreateConnectionPointEnumerator({point_.get()}, out);
}

HRESULT FakeTextToSpeech::FindConnectionPoint(REFIID riid, IConnectionPoint** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (riid != DIID_ITextToSpeechEvents) return CONNECT_E_NOCONNECTION;
  *out = point_.get();
  point_->AddRef();
  return S_OK;
}

HRESULT FakeTextToSpeech::InterfaceSupportsErrorInfo(REFIID riid) {
  return riid == IID_ITextToSpeech ? S_OK : S_FALSE;
}

}  // namespace tts::testing
