#pragma once
// A deterministic speech engine for tests: every character that is not white space or punctuation
// is one word of a fixed duration; the audio is a tone. It records what it was asked to do and can
// be told to fail.
#include <atomic>
#include <mutex>

#include "SpeechEngine.h"

namespace tts::testing {

class ScriptedEngine : public SpeechEngine {
 public:
  static constexpr uint32_t kRate = 8000;
  explicit ScriptedEngine(uint32_t samplesPerWord = 400) : samplesPerWord_(samplesPerWord) {}

  std::vector<VoiceInfo> Voices() override;
  uint32_t SampleRate() override { return kRate; }
  void Synthesize(const SynthesisSettings& settings, std::u16string_view text, SynthesisListener& listener) override;
  std::unique_ptr<AudioEncoder> MakeEncoder(FileType, const FormatOption&, ByteSink&) override { return nullptr; }

  void SetVoices(std::vector<VoiceInfo> voices);
  // The engine throws on the n-th piece from now (1 = the next one).
  void FailOnPiece(int n) { failOn_ = n; }
  SynthesisSettings LastSettings();
  size_t CharactersRequested() const { return charactersRequested_; }
  int Pieces() const { return pieces_; }

 private:
  std::mutex mutex_;
  std::vector<VoiceInfo> voices_{{L"Voice One", L"cmn"}, {L"Voice Two", L"en"}};
  SynthesisSettings last_;
  uint32_t samplesPerWord_;
  std::atomic<size_t> charactersRequested_{0};
  std::atomic<int> pieces_{0};
  std::atomic<int> failOn_{0};
};

bool IsWordCharacter(char16_t c);

}  // namespace tts::testing
