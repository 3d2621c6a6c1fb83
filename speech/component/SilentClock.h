#pragma once
// Plays nothing, but moves through the written samples in real time: readings on a machine without
// a sound device keep their pace and their events.
#include <chrono>
#include <mutex>

#include "AudioOutput.h"

namespace tts {

class SilentClock : public AudioOutput {
 public:
  using Clock = std::chrono::steady_clock;
  explicit SilentClock(uint32_t sampleRate);

  void Write(std::vector<int16_t> samples) override;
  uint64_t Position() override;
  uint64_t Written() const override;
  void Pause() override;
  void Resume() override;
  void Stop() override;

 private:
  void Advance(Clock::time_point now);  // caller holds mutex_

  mutable std::mutex mutex_;
  uint32_t rate_;
  uint64_t written_ = 0;
  double position_ = 0;  // fractional samples
  Clock::time_point last_;
  bool paused_ = false;
  bool stopped_ = false;
};

}  // namespace tts
