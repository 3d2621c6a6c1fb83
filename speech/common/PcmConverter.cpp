#include "PcmConverter.h"

#include <algorithm>

namespace tts {

PcmConverter::PcmConverter(uint32_t inputRate, uint32_t outputRate, uint16_t outputChannels)
    : inRate_(inputRate), outRate_(outputRate), channels_(std::max<uint16_t>(outputChannels, 1)) {
  // A moving average about one output sample long keeps the worst aliasing out when going down.
  size_t taps = outRate_ < inRate_ ? std::max<size_t>(1, inRate_ / outRate_) : 1;
  history_.assign(taps, 0);
}

int16_t PcmConverter::Filtered(int16_t sample) {
  if (history_.size() == 1) return sample;
  historySum_ += sample - history_[historyPos_];
  history_[historyPos_] = sample;
  historyPos_ = (historyPos_ + 1) % history_.size();
  return static_cast<int16_t>(historySum_ / static_cast<int32_t>(history_.size()));
}

void PcmConverter::Emit(int32_t value, std::vector<int16_t>& out) {
  auto s = static_cast<int16_t>(std::clamp(value, -32768, 32767));
  for (uint16_t c = 0; c < channels_; ++c) out.push_back(s);
  ++outputCount_;
}

void PcmConverter::Convert(const int16_t* input, size_t count, std::vector<int16_t>& out) {
  out.reserve(out.size() + (count * outRate_ / inRate_ + 2) * channels_);
  for (size_t k = 0; k < count; ++k) {
    int16_t current = Filtered(input[k]);
    uint64_t index = inputCount_;  // position of `current`
    // Output frame n sits at input position n * in / out; emit every frame that lies in
    // [index - 1, index), between the previous and the current sample.
    while (true) {
      uint64_t num = outputCount_ * inRate_;
      uint64_t pos = num / outRate_;
      if (pos >= index) break;
      // pos == index - 1 here (frames are produced in order and never skipped).
      uint64_t frac = num % outRate_;
      int32_t a = previous_, b = current;
      Emit(a + static_cast<int32_t>((static_cast<int64_t>(b - a) * static_cast<int64_t>(frac)) / outRate_), out);
    }
    previous_ = current;
    ++inputCount_;
  }
}

void PcmConverter::Finish(std::vector<int16_t>& out) {
  uint64_t total = (inputCount_ * outRate_ + inRate_ - 1) / inRate_;
  while (outputCount_ < total) Emit(previous_, out);
}

}  // namespace tts
