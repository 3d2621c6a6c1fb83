#include "ScriptedEngine.h"

#include <cmath>

namespace tts::testing {

bool IsWordCharacter(char16_t c) {
  return !(c == u' ' || c == u'\n' || c == u'\r' || c == u'\t' || c == u'。' || c == u'，' || c == u'！' || c == u'？' ||
           c == u'.' || c == u',' || c == u'!' || c == u'?');
}

std::vector<VoiceInfo> ScriptedEngine::Voices() {
  std::lock_guard lock(mutex_);
  return voices_;
}

void ScriptedEngine::SetVoices(std::vector<VoiceInfo> voices) {
  std::lock_guard lock(mutex_);
  voices_ = std::move(voices);
}

SynthesisSettings ScriptedEngine::LastSettings() {
  std::lock_guard lock(mutex_);
  return last_;
}

void ScriptedEngine::Synthesize(const SynthesisSettings& settings, std::u16string_view text,
                                SynthesisListener& listener) {
  {
    std::lock_guard lock(mutex_);
    last_ = settings;
  }
  ++pieces_;
  if (failOn_ > 0 && --failOn_ == 0) throw EngineError("scripted failure");
  charactersRequested_ += text.size();
  std::vector<int16_t> word(samplesPerWord_);
  for (size_t i = 0; i < word.size(); ++i) word[i] = static_cast<int16_t>(6000 * std::sin(double(i) * 0.2));
  uint64_t sample = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (!IsWordCharacter(text[i])) continue;
    listener.OnWord(static_cast<uint32_t>(i), 1, sample);
    listener.OnAudio(word.data(), word.size());
    sample += word.size();
    if (listener.Cancelled()) return;
  }
}

}  // namespace tts::testing
