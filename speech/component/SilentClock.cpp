#include "SilentClock.h"

#include <algorithm>

namespace tts {

SilentClock::SilentClock(uint32_t sampleRate) : rate_(sampleRate), last_(Clock::now()) {}

void SilentClock::Advance(Clock::time_point now) {
  if (!paused_ && !stopped_) {
    double seconds = std::chrono::duration<double>(now - last_).count();
    // Like a sound card that runs dry, the clock waits at the end of what it was given.
    position_ = std::min(position_ + seconds * rate_, static_cast<double>(written_));
  }
  last_ = now;
}

void SilentClock::Write(std::vector<int16_t> samples) {
  std::lock_guard lock(mutex_);
  Advance(Clock::now());
  if (!stopped_) written_ += samples.size();
}

uint64_t SilentClock::Position() {
  std::lock_guard lock(mutex_);
  Advance(Clock::now());
  return static_cast<uint64_t>(position_);
}

uint64_t SilentClock::Written() const {
  std::lock_guard lock(mutex_);
  return written_;
}

void SilentClock::Pause() {
  std::lock_guard lock(mutex_);
  Advance(Clock::now());
  paused_ = true;
}

void SilentClock::Resume() {
  std::lock_guard lock(mutex_);
  Advance(Clock::now());
  paused_ = false;
}

void SilentClock::Stop() {
  std::lock_guard lock(mutex_);
  Advance(Clock::now());
  stopped_ = true;
}

}  // namespace tts
