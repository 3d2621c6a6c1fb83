#include "PcmConverter.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tts {
namespace {

std::vector<int16_t> Sine(uint32_t rate, double hz, size_t n) {
  std::vector<int16_t> s(n);
  for (size_t i = 0; i < n; ++i) s[i] = static_cast<int16_t>(10000 * std::sin(2 * M_PI * hz * double(i) / rate));
  return s;
}

TEST(PcmConverter, SameRateMonoPassesSamplesThrough) {
  PcmConverter c(16000, 16000, 1);
  std::vector<int16_t> in = {1, 2, 3, -4}, out;
  c.Convert(in.data(), in.size(), out);
  c.Finish(out);
  EXPECT_EQ(out, in);
}

TEST(PcmConverter, LengthFollowsTheRateRatioWhateverTheBlockSizes) {
  auto in = Sine(22050, 440, 22050);
  for (uint32_t rate : {8000u, 11025u, 44100u, 48000u}) {
    PcmConverter whole(22050, rate, 1), pieces(22050, rate, 1);
    std::vector<int16_t> a, b;
    whole.Convert(in.data(), in.size(), a);
    whole.Finish(a);
    for (size_t i = 0; i < in.size(); i += 777) pieces.Convert(in.data() + i, std::min<size_t>(777, in.size() - i), b);
    pieces.Finish(b);
    EXPECT_EQ(a.size(), rate) << rate;
    EXPECT_EQ(a, b) << rate;
  }
}

TEST(PcmConverter, StereoDuplicatesEachFrame) {
  PcmConverter c(8000, 8000, 2);
  std::vector<int16_t> in = {5, -6}, out;
  c.Convert(in.data(), in.size(), out);
  c.Finish(out);
  EXPECT_EQ(out, (std::vector<int16_t>{5, 5, -6, -6}));
}

TEST(PcmConverter, ToneKeepsItsFrequencyAfterUpsampling) {
  auto in = Sine(22050, 441, 22050);
  PcmConverter c(22050, 44100, 1);
  std::vector<int16_t> out;
  c.Convert(in.data(), in.size(), out);
  c.Finish(out);
  int crossings = 0;
  for (size_t i = 1; i < out.size(); ++i) crossings += (out[i - 1] < 0) != (out[i] < 0);
  EXPECT_NEAR(crossings, 2 * 441, 4);
}

}  // namespace
}  // namespace tts
