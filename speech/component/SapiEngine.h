#pragma once
// The platform speech API (SAPI 5) on Windows: its installed voices (Chinese ones first), each piece
// spoken into a memory stream with its word boundaries.
#include <mutex>
#include <optional>

#include "SpeechEngine.h"

namespace tts {

class SapiEngine : public SpeechEngine {
 public:
  std::vector<VoiceInfo> Voices() override;
  uint32_t SampleRate() override { return kSampleRate; }
  void Synthesize(const SynthesisSettings& settings, std::u16string_view text, SynthesisListener& listener) override;
  // MP3 and WMA through Media Foundation where the system has the encoders; no OGG.
  std::unique_ptr<AudioEncoder> MakeEncoder(FileType type, const FormatOption& format, ByteSink& sink) override;

 private:
  static constexpr uint32_t kSampleRate = 22050;
  struct Voice {
    std::wstring tokenId;
    VoiceInfo info;
  };
  const std::vector<Voice>& LoadVoices();  // caller holds mutex_

  std::mutex mutex_;
  std::optional<std::vector<Voice>> voices_;
};

}  // namespace tts
