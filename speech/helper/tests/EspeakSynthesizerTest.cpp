// eSpeak NG itself: voices, word positions and the effect of the settings.
#include "EspeakSynthesizer.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tts::helper {
namespace {

struct Result {
  std::vector<std::pair<size_t, size_t>> words;
  std::vector<uint64_t> wordSamples;
  size_t samples = 0;
  double rms = 0;
};

Result Speak(EspeakSynthesizer& s, const std::string& voice, const std::string& text, int rate = 0, int volume = 100,
             int pitch = 0) {
  Result r;
  double sum = 0;
  SynthesisOutput out;
  out.audio = [&](const int16_t* d, size_t n) {
    for (size_t i = 0; i < n; ++i) sum += double(d[i]) * d[i];
    r.samples += n;
  };
  out.mark = [&](protocol::MarkKind k, size_t start, size_t length, uint64_t sample) {
    if (k == protocol::MarkKind::Word) {
      r.words.emplace_back(start, length);
      r.wordSamples.push_back(sample);
    }
  };
  out.cancelled = [] { return false; };
  s.Synthesize(voice, rate, volume, pitch, text, out);
  r.rms = r.samples ? std::sqrt(sum / r.samples) : 0;
  return r;
}

EspeakSynthesizer& Engine() {
  static EspeakSynthesizer engine;
  return engine;
}

TEST(EspeakSynthesizer, OffersMandarinFirstThenCantoneseAndEnglish) {
  auto voices = Engine().Voices();
  ASSERT_GE(voices.size(), 3u);
  EXPECT_EQ(voices[0].language, "cmn");
  EXPECT_EQ(voices[1].language, "yue");
  EXPECT_EQ(voices[2].language.substr(0, 2), "en");
  for (const auto& v : voices) EXPECT_FALSE(v.name.empty());
  EXPECT_EQ(Engine().SampleRate(), 22050u);
}

TEST(EspeakSynthesizer, EachChineseCharacterIsAWordAtIncreasingSamples) {
  auto r = Speak(Engine(), "sit/cmn", "今天天气很好");
  ASSERT_EQ(r.words.size(), 6u);
  for (size_t i = 0; i < 6; ++i) {
    EXPECT_EQ(r.words[i].first, i);
    EXPECT_EQ(r.words[i].second, 1u);
    if (i) EXPECT_GT(r.wordSamples[i], r.wordSamples[i - 1]);
  }
  EXPECT_LT(r.wordSamples.back(), r.samples);
}

TEST(EspeakSynthesizer, EnglishWordsCoverTheirLetters) {
  auto r = Speak(Engine(), "gmw/en", "hello brave world");
  ASSERT_EQ(r.words.size(), 3u);
  EXPECT_EQ(r.words[1], (std::pair<size_t, size_t>{6, 5}));
}

TEST(EspeakSynthesizer, RateChangesTheLengthClearly) {
  auto slow = Speak(Engine(), "sit/cmn", "今天天气很好", -10);
  auto normal = Speak(Engine(), "sit/cmn", "今天天气很好", 0);
  auto fast = Speak(Engine(), "sit/cmn", "今天天气很好", 10);
  EXPECT_GT(slow.samples, normal.samples * 3 / 2);
  EXPECT_LT(fast.samples, normal.samples * 2 / 3);
}

TEST(EspeakSynthesizer, VolumeScalesTheAudio) {
  auto loud = Speak(Engine(), "sit/cmn", "你好", 0, 100);
  auto quiet = Speak(Engine(), "sit/cmn", "你好", 0, 20);
  EXPECT_LT(quiet.rms, loud.rms / 2);
}

TEST(EspeakSynthesizer, SettingMapsReachTheEnds) {
  EXPECT_EQ(EspeakRate(-10), 80);
  EXPECT_EQ(EspeakRate(0), 175);
  EXPECT_EQ(EspeakRate(10), 450);
  EXPECT_EQ(EspeakRate(99), 450);
  EXPECT_EQ(EspeakPitch(-10), 0);
  EXPECT_EQ(EspeakPitch(10), 100);
  EXPECT_EQ(EspeakVolume(-5), 0);
}

TEST(EspeakSynthesizer, UnknownVoiceThrows) {
  EXPECT_THROW(Speak(Engine(), "no/such-voice", "x"), std::runtime_error);
}

TEST(EspeakSynthesizer, CancelStopsEarly) {
  SynthesisOutput out;
  size_t samples = 0;
  out.audio = [&](const int16_t*, size_t n) { samples += n; };
  out.mark = [](protocol::MarkKind, size_t, size_t, uint64_t) {};
  out.cancelled = [&] { return samples > 0; };
  Engine().Synthesize("sit/cmn", 0, 100, 0, std::string(300, 'a') + "。今天天气很好。", out);
  EXPECT_GT(samples, 0u);
  EXPECT_LT(samples, 22050u);
}

}  // namespace
}  // namespace tts::helper
