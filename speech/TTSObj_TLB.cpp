#include "TTSObj_TLB.h"

#include <oleauto.h>

#include <atomic>
#include <exception>
#include <stdexcept>

#include "Application.h"
#include "Encoding.h"

namespace {

class Bstr {
 public:
  explicit Bstr(const std::wstring& s) : b_(SysAllocStringLen(s.data(), static_cast<UINT>(s.size()))) {}
  Bstr() = default;
  ~Bstr() { SysFreeString(b_); }
  Bstr(const Bstr&) = delete;
  Bstr& operator=(const Bstr&) = delete;
  operator BSTR() const { return b_; }
  BSTR* Out() {
    SysFreeString(b_);
    b_ = nullptr;
    return &b_;
  }
  std::string Gbk() const { return b_ ? tk::WideToGbk(std::wstring_view(b_, SysStringLen(b_))) : std::string(); }

 private:
  BSTR b_ = nullptr;
};

std::wstring SystemMessage(HRESULT hr) {
  wchar_t* text = nullptr;
  DWORD n = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                           nullptr, static_cast<DWORD>(hr), 0, reinterpret_cast<LPWSTR>(&text), 0, nullptr);
  std::wstring message = n && text ? std::wstring(text, n) : std::wstring();
  if (text) LocalFree(text);
  while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r' || message.back() == L' '))
    message.pop_back();
  if (message.empty()) {
    wchar_t code[32];
    wsprintfW(code, L"OLE error %08X", static_cast<unsigned>(hr));
    message = code;
  }
  return message;
}

}  // namespace

std::string OleErrorText(HRESULT hr, IUnknown* object, REFIID iid) {
  if (object) {
    ISupportErrorInfo* support = nullptr;
    if (SUCCEEDED(object->QueryInterface(IID_ISupportErrorInfo, reinterpret_cast<void**>(&support)))) {
      bool supported = support->InterfaceSupportsErrorInfo(iid) == S_OK;
      support->Release();
      IErrorInfo* info = nullptr;
      if (supported && GetErrorInfo(0, &info) == S_OK && info) {
        Bstr description;
        info->GetDescription(description.Out());
        info->Release();
        std::string text = description.Gbk();
        if (!text.empty()) return text;
      }
    }
  }
  return tk::WideToGbk(SystemMessage(hr));
}

// Receives the component's events (a dispinterface) and hands them to the binding.
class TCTextToSpeech::EventSink final : public IDispatch {
 public:
  explicit EventSink(TCTextToSpeech* owner) : owner_(owner) {}
  void Detach() { owner_ = nullptr; }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override {
    if (!out) return E_POINTER;
    if (riid == IID_IUnknown || riid == IID_IDispatch || riid == DIID_ITextToSpeechEvents) {
      *out = static_cast<IDispatch*>(this);
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
  ULONG STDMETHODCALLTYPE Release() override {
    ULONG r = --refs_;
    if (r == 0) delete this;
    return r;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    if (!count) return E_POINTER;
    *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*,
                                   UINT*) override {
    if (owner_) owner_->Dispatch(id, params);
    return S_OK;
  }

 private:
  TCTextToSpeech* owner_;
  std::atomic<ULONG> refs_{1};
};

const tk::TClassInfo& TCTextToSpeech::StaticClass() {
  static const tk::TClassInfo info = [] {
    tk::TClassInfo c("TCTextToSpeech", &tk::TComponent::StaticClass());
    c.Event("OnTTSStart", &TCTextToSpeech::OnTTSStart);
    c.Event("OnTTSEnd", &TCTextToSpeech::OnTTSEnd);
    c.Event("OnTTSWord", &TCTextToSpeech::OnTTSWord);
    c.Event("OnTTSSentence", &TCTextToSpeech::OnTTSSentence);
    c.Event("OnTTSProgress", &TCTextToSpeech::OnTTSProgress);
    c.SetFactory([](tk::TComponent* owner) { return new TCTextToSpeech(owner); });
    return c;
  }();
  return info;
}

TCTextToSpeech::TCTextToSpeech(tk::TComponent* owner) : tk::TComponent(owner) {}

TCTextToSpeech::~TCTextToSpeech() { Disconnect(); }

void TCTextToSpeech::Connect() {
  if (intf_) return;
  IUnknown* running = nullptr;
  HRESULT hr = GetActiveObject(CLSID_TextToSpeech, nullptr, &running);
  if (SUCCEEDED(hr) && running) {
    hr = running->QueryInterface(IID_ITextToSpeech, reinterpret_cast<void**>(&intf_));
    running->Release();
  }
  if (!intf_) {
    hr = CoCreateInstance(CLSID_TextToSpeech, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER, IID_ITextToSpeech,
                          reinterpret_cast<void**>(&intf_));
    if (FAILED(hr)) {
      intf_ = nullptr;
      throw std::runtime_error(tk::WideToGbk(SystemMessage(hr)));
    }
  }
  Advise();
}

// Events are optional: a component without the connection point is used without them.
void TCTextToSpeech::Advise() {
  IConnectionPointContainer* container = nullptr;
  if (FAILED(intf_->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(&container)))) return;
  IConnectionPoint* point = nullptr;
  HRESULT hr = container->FindConnectionPoint(DIID_ITextToSpeechEvents, &point);
  container->Release();
  if (FAILED(hr) || !point) return;
  auto* sink = new EventSink(this);
  DWORD cookie = 0;
  if (FAILED(point->Advise(static_cast<IDispatch*>(sink), &cookie))) {
    sink->Detach();
    sink->Release();
    point->Release();
    return;
  }
  sink_ = sink;
  connectionPoint_ = point;
  cookie_ = cookie;
}

void TCTextToSpeech::Disconnect() {
  if (connectionPoint_) {
    connectionPoint_->Unadvise(cookie_);
    connectionPoint_->Release();
    connectionPoint_ = nullptr;
  }
  if (sink_) {
    sink_->Detach();
    sink_->Release();
    sink_ = nullptr;
  }
  if (intf_) {
    intf_->Release();
    intf_ = nullptr;
  }
}

ITextToSpeech* TCTextToSpeech::DefaultInterface() {
  Connect();
  return intf_;
}

void TCTextToSpeech::Check(HRESULT hr) {
  if (FAILED(hr)) throw std::runtime_error(OleErrorText(hr, intf_, IID_ITextToSpeech));
}

void TCTextToSpeech::Dispatch(DISPID id, const DISPPARAMS* params) {
  // Arguments arrive last to first; VariantChangeType accepts whatever integer type is sent.
  auto arg = [&](UINT n) -> int {
    if (!params || n >= params->cArgs) return 0;
    VARIANT v;
    VariantInit(&v);
    int value = 0;
    if (SUCCEEDED(VariantChangeType(&v, &params->rgvarg[params->cArgs - 1 - n], 0, VT_I4))) value = v.lVal;
    VariantClear(&v);
    return value;
  };
  try {
    switch (id) {
      case 1: if (OnTTSStart) OnTTSStart(this); break;
      case 2: if (OnTTSEnd) OnTTSEnd(this); break;
      case 3: if (OnTTSWord) OnTTSWord(this, arg(0), arg(1)); break;
      case 4: if (OnTTSSentence) OnTTSSentence(this, arg(0), arg(1)); break;
      case 5: if (OnTTSProgress) OnTTSProgress(this, arg(0)); break;
      default: break;
    }
  } catch (...) {
    // A handler's exception goes to the application's error box, never back into the component.
    tk::HandleException(std::current_exception());
  }
}

int TCTextToSpeech::VoiceCount() {
  LONG n = 0;
  Check(DefaultInterface()->VoiceCount(&n));
  return n;
}

int TCTextToSpeech::GetVoice() {
  LONG n = 0;
  Check(DefaultInterface()->GetVoice(&n));
  return n;
}

void TCTextToSpeech::SetVoice(int index) {
  // The reading goes on with the voice it has; the refusal's error info must not be taken for
  // the reason of a later failure.
  try {
    if (FAILED(DefaultInterface()->SetVoice(index))) SetErrorInfo(0, nullptr);
  } catch (const std::exception&) {
  }
}

std::string TCTextToSpeech::VoiceName(int index) {
  Bstr name;
  Check(DefaultInterface()->VoiceName(index, name.Out()));
  return name.Gbk();
}

std::string TCTextToSpeech::VoiceLanguage(int index) {
  Bstr language;
  Check(DefaultInterface()->VoiceLanguage(index, language.Out()));
  return language.Gbk();
}

bool TCTextToSpeech::IsSpeaking() {
  VARIANT_BOOL b = VARIANT_FALSE;
  Check(DefaultInterface()->IsSpeaking(&b));
  return b != VARIANT_FALSE;
}

bool TCTextToSpeech::IsPaused() {
  VARIANT_BOOL b = VARIANT_FALSE;
  Check(DefaultInterface()->IsPaused(&b));
  return b != VARIANT_FALSE;
}

void TCTextToSpeech::Speak(const std::string& text, int flags) {
  ITextToSpeech* intf = DefaultInterface();
  Check(intf->Speak(Bstr(tk::GbkToWide(text)), flags));
}

void TCTextToSpeech::SpeakToFile(const std::string& text, const std::string& fileName, int flags) {
  ITextToSpeech* intf = DefaultInterface();
  Check(intf->SpeakToFile(Bstr(tk::GbkToWide(text)), Bstr(tk::GbkToWide(fileName)), flags));
}

void TCTextToSpeech::Stop() { Check(DefaultInterface()->Stop()); }
void TCTextToSpeech::Pause() { Check(DefaultInterface()->Pause()); }
void TCTextToSpeech::Resume() { Check(DefaultInterface()->Resume()); }

int TCTextToSpeech::GetRate() {
  LONG v = 0;
  Check(DefaultInterface()->GetRate(&v));
  return v;
}
void TCTextToSpeech::SetRate(int rate) { Check(DefaultInterface()->SetRate(rate)); }

int TCTextToSpeech::GetVolume() {
  LONG v = 0;
  Check(DefaultInterface()->GetVolume(&v));
  return v;
}
void TCTextToSpeech::SetVolume(int volume) { Check(DefaultInterface()->SetVolume(volume)); }

int TCTextToSpeech::GetPitch() {
  LONG v = 0;
  Check(DefaultInterface()->GetPitch(&v));
  return v;
}
void TCTextToSpeech::SetPitch(int pitch) { Check(DefaultInterface()->SetPitch(pitch)); }

int TCTextToSpeech::FormatCount() {
  LONG v = 0;
  Check(DefaultInterface()->FormatCount(&v));
  return v;
}

int TCTextToSpeech::GetFormat() {
  LONG v = 0;
  Check(DefaultInterface()->GetFormat(&v));
  return v;
}
void TCTextToSpeech::SetFormat(int index) { Check(DefaultInterface()->SetFormat(index)); }

std::string TCTextToSpeech::FormatName() {
  Bstr name;
  Check(DefaultInterface()->FormatName(name.Out()));
  return name.Gbk();
}

int TCTextToSpeech::GetFileType() {
  LONG v = 0;
  Check(DefaultInterface()->GetFileType(&v));
  return v;
}
void TCTextToSpeech::SetFileType(int index) { Check(DefaultInterface()->SetFileType(index)); }

int TCTextToSpeech::FileTypeCount() {
  LONG v = 0;
  Check(DefaultInterface()->FileTypeCount(&v));
  return v;
}

std::string TCTextToSpeech::FileTypeName(int index) {
  Bstr name;
  Check(DefaultInterface()->FileTypeName(index, name.Out()));
  return name.Gbk();
}
