#pragma once
// Audio through the waveOut API: Pause and Resume are waveOutPause and waveOutRestart, so a reading
// halts exactly where it is heard.
#include <windows.h>
#include <mmsystem.h>

#include <deque>
#include <memory>
#include <mutex>

#include "AudioOutput.h"

namespace tts {

class WaveOutput : public AudioOutput {
 public:
  // Null when the system has no usable output device.
  static std::unique_ptr<WaveOutput> Open(uint32_t sampleRate);
  ~WaveOutput() override;

  void Write(std::vector<int16_t> samples) override;
  uint64_t Position() override;
  uint64_t Written() const override;
  void Pause() override;
  void Resume() override;
  void Stop() override;

 private:
  struct Buffer {
    WAVEHDR header{};
    std::vector<int16_t> samples;
  };
  explicit WaveOutput(HWAVEOUT device) : device_(device) {}
  void ReleaseDone();  // caller holds mutex_

  mutable std::mutex mutex_;
  HWAVEOUT device_;
  std::deque<std::unique_ptr<Buffer>> queued_;
  uint64_t written_ = 0;
  uint64_t lastPosition_ = 0;
  bool stopped_ = false;
};

}  // namespace tts
