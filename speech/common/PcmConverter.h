#pragma once
// Streaming conversion of mono 16-bit PCM to another sample rate and channel count (linear
// interpolation, with a short averaging filter when the rate goes down).
#include <cstddef>
#include <cstdint>
#include <vector>

namespace tts {

class PcmConverter {
 public:
  PcmConverter(uint32_t inputRate, uint32_t outputRate, uint16_t outputChannels);

  // Appends the converted frames (interleaved) to `out`.
  void Convert(const int16_t* input, size_t count, std::vector<int16_t>& out);
  // Appends the frames still owed for the input so far.
  void Finish(std::vector<int16_t>& out);

  uint64_t InputSamples() const { return inputCount_; }
  uint64_t OutputFrames() const { return outputCount_; }

 private:
  int16_t Filtered(int16_t sample);
  void Emit(int32_t value, std::vector<int16_t>& out);

  uint32_t inRate_, outRate_;
  uint16_t channels_;
  uint64_t inputCount_ = 0;   // input samples seen
  uint64_t outputCount_ = 0;  // output frames produced
  int16_t previous_ = 0;      // input sample inputCount_ - 1 (after filtering)
  std::vector<int16_t> history_;
  size_t historyPos_ = 0;
  int32_t historySum_ = 0;
};

}  // namespace tts
