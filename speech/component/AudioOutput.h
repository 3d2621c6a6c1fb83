#pragma once
// Where a reading's audio goes: the sound card, or a silent clock at the same pace when there is
// none. Positions are in samples since Open.
#include <cstdint>
#include <memory>
#include <vector>

namespace tts {

class AudioOutput {
 public:
  virtual ~AudioOutput() = default;
  // Queues samples to be played after those written before.
  virtual void Write(std::vector<int16_t> samples) = 0;
  // Samples heard so far; never more than written.
  virtual uint64_t Position() = 0;
  virtual uint64_t Written() const = 0;
  virtual void Pause() = 0;
  virtual void Resume() = 0;
  // Stops at once, dropping what is queued.
  virtual void Stop() = 0;
};

// The sound card when the system has one, else the silent clock.
std::unique_ptr<AudioOutput> OpenAudioOutput(uint32_t sampleRate);

}  // namespace tts
