#pragma once
// What the helper's session needs of a speech engine.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "Protocol.h"

namespace tts::helper {

struct SynthesisOutput {
  std::function<void(const int16_t* samples, size_t count)> audio;
  // Positions in code points of the UTF-8 text, sample from the start of this synthesis.
  std::function<void(protocol::MarkKind kind, size_t start, size_t length, uint64_t sample)> mark;
  // Asked now and then: true ends the synthesis early.
  std::function<bool()> cancelled;
};

class Synthesizer {
 public:
  virtual ~Synthesizer() = default;
  virtual uint32_t SampleRate() const = 0;
  virtual std::vector<protocol::VoiceDescription> Voices() = 0;
  // Throws std::runtime_error with a readable message on failure.
  virtual void Synthesize(const std::string& voiceId, int rate, int volume, int pitch, const std::string& utf8Text,
                          const SynthesisOutput& out) = 0;
};

}  // namespace tts::helper
