#pragma once
// eSpeak NG behind the helper's Synthesizer interface.
#include "Synthesizer.h"

namespace tts::helper {

// Our -10 .. 10 / 0 .. 100 settings on eSpeak NG's scales.
int EspeakRate(int rate);      // words per minute: 80 (slowest) .. 175 (normal) .. 450 (fastest)
int EspeakPitch(int pitch);    // 0 .. 100, 50 normal
int EspeakVolume(int volume);  // 0 .. 100 (eSpeak's 100 is normal loudness)

class EspeakSynthesizer : public Synthesizer {
 public:
  // Throws when eSpeak NG or its data cannot be loaded.
  EspeakSynthesizer();
  ~EspeakSynthesizer() override;
  EspeakSynthesizer(const EspeakSynthesizer&) = delete;
  EspeakSynthesizer& operator=(const EspeakSynthesizer&) = delete;

  uint32_t SampleRate() const override { return sampleRate_; }
  std::vector<protocol::VoiceDescription> Voices() override;
  void Synthesize(const std::string& voiceId, int rate, int volume, int pitch, const std::string& utf8Text,
                  const SynthesisOutput& out) override;

 private:
  uint32_t sampleRate_ = 0;
};

}  // namespace tts::helper
