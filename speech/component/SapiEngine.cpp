#include <windows.h>
#include <initguid.h>
#include <sapi.h>
#include <shlwapi.h>

#include "ComPtr.h"
#include "SapiEngine.h"

#include <algorithm>

#include "MediaFoundationEncoder.h"


// The SAPI headers declare the wave-format stream id but no import library defines it.
extern "C" const GUID SPDFID_WaveFormatEx = {0xc31adbae, 0x527f, 0x4ff5, {0xa2, 0x30, 0xf6, 0x2b, 0xb6, 0x1f, 0xf7, 0x0c}};

namespace tts {

namespace {

// COM on a reading thread, for as long as the call.
class ComScope {
 public:
  ComScope() : hr_(CoInitializeEx(nullptr, COINIT_MULTITHREADED)) {}
  ~ComScope() {
    if (SUCCEEDED(hr_)) CoUninitialize();
  }

 private:
  HRESULT hr_;
};

void Check(HRESULT hr, const char* what) {
  if (FAILED(hr)) {
    char code[16];
    wsprintfA(code, "%08lX", static_cast<unsigned long>(hr));
    throw EngineError(std::string("The speech API failed ") + what + " (" + code + ").");
  }
}

std::wstring TakeString(LPWSTR s) {
  std::wstring out = s ? s : L"";
  if (s) CoTaskMemFree(s);
  return out;
}

// "804;409" (hex LCIDs) -> first one.
LANGID FirstLanguage(const std::wstring& attribute) {
  return static_cast<LANGID>(wcstoul(attribute.c_str(), nullptr, 16));
}

std::wstring LanguageTag(LANGID lang) {
  wchar_t name[LOCALE_NAME_MAX_LENGTH] = {};
  if (lang && LCIDToLocaleName(MAKELCID(lang, SORT_DEFAULT), name, LOCALE_NAME_MAX_LENGTH, 0)) return name;
  return L"";
}

// The text as SAPI markup with the pitch in front, and where each markup unit came from.
struct Markup {
  std::wstring xml;
  std::vector<uint32_t> origin;  // origin[i]: offset in the plain text of markup unit i
};

Markup WithPitch(std::u16string_view text, int pitch) {
  Markup m;
  m.xml = L"<pitch absmiddle=\"" + std::to_wstring(pitch) + L"\"/>";
  m.origin.assign(m.xml.size(), 0);
  for (size_t i = 0; i < text.size(); ++i) {
    const wchar_t* escaped = text[i] == u'<' ? L"&lt;" : text[i] == u'>' ? L"&gt;" : text[i] == u'&' ? L"&amp;" : nullptr;
    std::wstring piece = escaped ? std::wstring(escaped) : std::wstring(1, static_cast<wchar_t>(text[i]));
    m.xml += piece;
    m.origin.insert(m.origin.end(), piece.size(), static_cast<uint32_t>(i));
  }
  m.origin.push_back(static_cast<uint32_t>(text.size()));
  return m;
}

void ClearEvent(SPEVENT& e) {
  switch (e.elParamType) {
    case SPET_LPARAM_IS_POINTER:
    case SPET_LPARAM_IS_STRING: CoTaskMemFree(reinterpret_cast<void*>(e.lParam)); break;
    case SPET_LPARAM_IS_TOKEN:
    case SPET_LPARAM_IS_OBJECT: reinterpret_cast<IUnknown*>(e.lParam)->Release(); break;
    default: break;
  }
}

}  // namespace

const std::vector<SapiEngine::Voice>& SapiEngine::LoadVoices() {
  if (voices_) return *voices_;
  ComScope com;
  std::vector<Voice> voices;
  ComPtr<ISpObjectTokenCategory> category;
  ComPtr<IEnumSpObjectTokens> tokens;
  if (SUCCEEDED(CoCreateInstance(CLSID_SpObjectTokenCategory, nullptr, CLSCTX_ALL, IID_ISpObjectTokenCategory,
                                 reinterpret_cast<void**>(&category))) &&
      SUCCEEDED(category->SetId(SPCAT_VOICES, FALSE)) && SUCCEEDED(category->EnumTokens(nullptr, nullptr, &tokens))) {
    ComPtr<ISpObjectToken> token;
    while (tokens->Next(1, &token, nullptr) == S_OK) {
      Voice v;
      LPWSTR id = nullptr, name = nullptr;
      if (FAILED(token->GetId(&id))) continue;
      v.tokenId = TakeString(id);
      token->GetStringValue(nullptr, &name);
      v.info.name = TakeString(name);
      ComPtr<ISpDataKey> attributes;
      LANGID lang = 0;
      if (SUCCEEDED(token->OpenKey(L"Attributes", &attributes))) {
        LPWSTR language = nullptr;
        if (SUCCEEDED(attributes->GetStringValue(L"Language", &language))) lang = FirstLanguage(TakeString(language));
      }
      v.info.language = LanguageTag(lang);
      if (v.info.name.empty()) v.info.name = v.tokenId;
      voices.push_back(std::move(v));
    }
  }
  // Chinese voices first: the program reads Chinese articles.
  std::stable_partition(voices.begin(), voices.end(), [](const Voice& v) {
    return v.info.language.rfind(L"zh", 0) == 0;
  });
  voices_ = std::move(voices);
  return *voices_;
}

std::vector<VoiceInfo> SapiEngine::Voices() {
  std::lock_guard lock(mutex_);
  std::vector<VoiceInfo> out;
  for (const auto& v : LoadVoices()) out.push_back(v.info);
  return out;
}

void SapiEngine::Synthesize(const SynthesisSettings& settings, std::u16string_view text, SynthesisListener& listener) {
  std::lock_guard lock(mutex_);
  const auto& voices = LoadVoices();
  if (settings.voice < 0 || static_cast<size_t>(settings.voice) >= voices.size())
    throw EngineError("There is no voice " + std::to_string(settings.voice) + ".");
  ComScope com;
  ComPtr<ISpVoice> voice;
  Check(CoCreateInstance(CLSID_SpVoice, nullptr, CLSCTX_ALL, IID_ISpVoice, reinterpret_cast<void**>(&voice)),
        "to create a voice");
  ComPtr<ISpObjectToken> token;
  Check(CoCreateInstance(CLSID_SpObjectToken, nullptr, CLSCTX_ALL, IID_ISpObjectToken, reinterpret_cast<void**>(&token)),
        "to create a voice token");
  Check(token->SetId(nullptr, voices[settings.voice].tokenId.c_str(), FALSE), "to find the voice");
  Check(voice->SetVoice(token.Get()), "to choose the voice");
  Check(voice->SetRate(std::clamp(settings.rate, -10, 10)), "to set the rate");
  Check(voice->SetVolume(static_cast<USHORT>(std::clamp(settings.volume, 0, 100))), "to set the volume");

  WAVEFORMATEX format{WAVE_FORMAT_PCM, 1, kSampleRate, kSampleRate * 2, 2, 16, 0};
  ComPtr<IStream> memory;
  *(&memory) = SHCreateMemStream(nullptr, 0);
  if (!memory) throw EngineError("Not enough memory for speech.");
  ComPtr<ISpStream> stream;
  Check(CoCreateInstance(CLSID_SpStream, nullptr, CLSCTX_ALL, IID_ISpStream, reinterpret_cast<void**>(&stream)),
        "to create an audio stream");
  Check(stream->SetBaseStream(memory.Get(), SPDFID_WaveFormatEx, &format), "to set up the audio stream");
  Check(voice->SetOutput(stream.Get(), TRUE), "to direct the audio");
  ULONGLONG interest = SPFEI(SPEI_WORD_BOUNDARY);
  Check(voice->SetInterest(interest, interest), "to ask for word boundaries");

  // SAPI's pitch is markup (-10 .. 10, the same scale as ours).
  Markup markup = WithPitch(text, std::clamp(settings.pitch, -10, 10));
  Check(voice->Speak(markup.xml.c_str(), SPF_IS_XML, nullptr), "to speak");

  ComPtr<ISpEventSource> events;
  if (SUCCEEDED(voice->QueryInterface(IID_ISpEventSource, reinterpret_cast<void**>(&events)))) {
    SPEVENT e{};
    ULONG fetched = 0;
    while (events->GetEvents(1, &e, &fetched) == S_OK && fetched == 1) {
      if (e.eEventId == SPEI_WORD_BOUNDARY) {
        size_t at = std::min<size_t>(static_cast<size_t>(e.lParam), markup.origin.size() - 1);
        size_t end = std::min<size_t>(at + static_cast<size_t>(e.wParam), markup.origin.size() - 1);
        uint32_t start = markup.origin[at];
        listener.OnWord(start, markup.origin[end] - start, e.ullAudioStreamOffset / 2);
      }
      ClearEvent(e);
    }
  }

  LARGE_INTEGER zero{};
  memory->Seek(zero, STREAM_SEEK_SET, nullptr);
  std::vector<int16_t> block(16384);
  ULONG read = 0;
  while (SUCCEEDED(memory->Read(block.data(), static_cast<ULONG>(block.size() * 2), &read)) && read >= 2) {
    listener.OnAudio(block.data(), read / 2);
    if (listener.Cancelled()) break;
  }
}

std::unique_ptr<AudioEncoder> SapiEngine::MakeEncoder(FileType type, const FormatOption& format, ByteSink& sink) {
  return MakeMediaFoundationEncoder(type, format, sink);
}

}  // namespace tts
