#include "EspeakSynthesizer.h"

#include <espeak-ng/speak_lib.h>

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace tts::helper {

namespace {

// eSpeak's synthesis callback has no context argument for audio without events; the helper runs
// one synthesis at a time on one thread, so the current one is kept here.
const SynthesisOutput* g_output = nullptr;
bool g_cancelled = false;

int OnSynth(short* wav, int count, espeak_EVENT* events) {
  for (espeak_EVENT* e = events; e && e->type != espeakEVENT_LIST_TERMINATED; ++e) {
    if (e->type != espeakEVENT_WORD && e->type != espeakEVENT_SENTENCE) continue;
    // text_position counts code points from 1.
    size_t start = e->text_position > 0 ? static_cast<size_t>(e->text_position - 1) : 0;
    auto kind = e->type == espeakEVENT_WORD ? protocol::MarkKind::Word : protocol::MarkKind::Sentence;
    g_output->mark(kind, start, static_cast<size_t>(std::max(e->length, 0)), static_cast<uint64_t>(std::max(e->sample, 0)));
  }
  if (wav && count > 0) g_output->audio(wav, static_cast<size_t>(count));
  if (!g_cancelled && g_output->cancelled && g_output->cancelled()) g_cancelled = true;
  return g_cancelled ? 1 : 0;
}

struct KnownVoice {
  const char* id;
  const char* name;
  const char* language;
};

// The voices offered, in this order, when eSpeak NG has them.
constexpr KnownVoice kVoices[] = {
    {"sit/cmn", "普通话 (Mandarin Chinese)", "cmn"},
    {"sit/yue", "粤语 (Cantonese)", "yue"},
    {"gmw/en", "English (British)", "en-gb"},
    {"gmw/en-US", "English (American)", "en-us"},
};

}  // namespace

int EspeakRate(int rate) {
  rate = std::clamp(rate, -10, 10);
  return rate < 0 ? 175 + rate * (175 - 80) / 10 : 175 + rate * (450 - 175) / 10;
}

int EspeakPitch(int pitch) { return 50 + std::clamp(pitch, -10, 10) * 5; }

int EspeakVolume(int volume) { return std::clamp(volume, 0, 100); }

EspeakSynthesizer::EspeakSynthesizer() {
  int rate = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 50, nullptr, espeakINITIALIZE_DONT_EXIT);
  if (rate <= 0) throw std::runtime_error("eSpeak NG could not be initialised (is espeak-ng-data installed?)");
  sampleRate_ = static_cast<uint32_t>(rate);
  espeak_SetSynthCallback(OnSynth);
}

EspeakSynthesizer::~EspeakSynthesizer() { espeak_Terminate(); }

std::vector<protocol::VoiceDescription> EspeakSynthesizer::Voices() {
  std::vector<protocol::VoiceDescription> out;
  const espeak_VOICE** all = espeak_ListVoices(nullptr);
  for (const auto& known : kVoices) {
    for (const espeak_VOICE** v = all; v && *v; ++v) {
      if ((*v)->identifier && std::strcmp((*v)->identifier, known.id) == 0) {
        out.push_back({known.id, known.name, known.language});
        break;
      }
    }
  }
  return out;
}

void EspeakSynthesizer::Synthesize(const std::string& voiceId, int rate, int volume, int pitch,
                                   const std::string& utf8Text, const SynthesisOutput& out) {
  if (espeak_SetVoiceByName(voiceId.c_str()) != EE_OK) throw std::runtime_error("unknown voice " + voiceId);
  espeak_SetParameter(espeakRATE, EspeakRate(rate), 0);
  espeak_SetParameter(espeakVOLUME, EspeakVolume(volume), 0);
  espeak_SetParameter(espeakPITCH, EspeakPitch(pitch), 0);
  g_output = &out;
  g_cancelled = false;
  espeak_ERROR err = espeak_Synth(utf8Text.c_str(), utf8Text.size() + 1, 0, POS_CHARACTER, 0, espeakCHARS_UTF8,
                                  nullptr, nullptr);
  g_output = nullptr;
  if (err != EE_OK && !g_cancelled) throw std::runtime_error("eSpeak NG could not synthesise the text");
}

}  // namespace tts::helper
