#pragma once
// eSpeak NG under Wine, through the native helper process. The helper is started on first use and
// again after it has gone away; a reading that loses it ends, the next one starts a new helper.
#include <deque>
#include <mutex>
#include <optional>

#include "HelperProcess.h"
#include "SpeechEngine.h"

namespace tts {

class HelperEngine : public SpeechEngine {
 public:
  // `helperPath` empty: found with FindHelper() when first needed.
  explicit HelperEngine(std::wstring helperPath = {});
  ~HelperEngine() override;

  std::vector<VoiceInfo> Voices() override;
  uint32_t SampleRate() override;
  void Synthesize(const SynthesisSettings& settings, std::u16string_view text, SynthesisListener& listener) override;
  std::unique_ptr<AudioEncoder> MakeEncoder(FileType type, const FormatOption& format, ByteSink& sink) override;
  // A helper that went away while idle is replaced; one lost during a reading ends that reading.
  void Refresh() override;

  // Process id of the running helper (0 when none): for tests that take it away.
  uint32_t HelperProcessId();

 private:
  class RemoteEncoder;
  FrameStream& Connected();  // caller holds mutex_
  void LoadVoices();         // caller holds mutex_
  void Disconnect();         // caller holds mutex_
  [[noreturn]] void Lost(const std::exception& e);  // caller holds mutex_

  std::recursive_mutex mutex_;
  std::wstring helperPath_;
  std::optional<HelperConnection> connection_;
  std::optional<std::vector<protocol::VoiceDescription>> voices_;
  uint32_t sampleRate_ = 0;
  uint32_t nextRequest_ = 0;
  // Answers for an encoding that arrived while a synthesis was reading: kept for the encoder.
  std::deque<protocol::Frame> stashed_;
};

}  // namespace tts
