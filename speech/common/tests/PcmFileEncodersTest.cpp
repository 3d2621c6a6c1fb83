#include "PcmFileEncoders.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

namespace tts {
namespace {

class MemorySink : public ByteSink {
 public:
  void Write(const uint8_t* d, size_t n) override { bytes.insert(bytes.end(), d, d + n); }
  void WriteAt(uint64_t off, const uint8_t* d, size_t n) override {
    ASSERT_LE(off + n, bytes.size());
    std::memcpy(bytes.data() + off, d, n);
  }
  std::vector<uint8_t> bytes;
};

uint32_t Le32(const std::vector<uint8_t>& b, size_t at) {
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | uint32_t(b[at + 3]) << 24;
}
uint16_t Le16(const std::vector<uint8_t>& b, size_t at) { return static_cast<uint16_t>(b[at] | b[at + 1] << 8); }
uint32_t Be32(const std::vector<uint8_t>& b, size_t at) {
  return uint32_t(b[at]) << 24 | b[at + 1] << 16 | b[at + 2] << 8 | b[at + 3];
}
uint16_t Be16(const std::vector<uint8_t>& b, size_t at) { return static_cast<uint16_t>(b[at] << 8 | b[at + 1]); }
std::string Tag(const std::vector<uint8_t>& b, size_t at) { return std::string(b.begin() + at, b.begin() + at + 4); }

const FormatOption& Option(FileType t, const char* name) {
  for (const auto& o : FormatOptions(t))
    if (o.name == name) return o;
  throw std::runtime_error(name);
}

std::vector<uint8_t> Encode(FileType t, const FormatOption& f, const std::vector<int16_t>& frames) {
  MemorySink sink;
  auto enc = MakePcmFileEncoder(t, f, sink);
  // In two calls, as a reading delivers it.
  size_t half = frames.size() / f.channels / 2;
  enc->Encode(frames.data(), half);
  enc->Encode(frames.data() + half * f.channels, frames.size() / f.channels - half);
  enc->Finish();
  return sink.bytes;
}

TEST(FormatOptions, EveryTypeHasNamedOptions) {
  for (int t = 0; t < kFileTypeCount; ++t) {
    const auto& opts = FormatOptions(static_cast<FileType>(t));
    ASSERT_FALSE(opts.empty());
    for (const auto& o : opts) {
      EXPECT_NE(o.name.find("kHz"), std::string::npos) << o.name;
      EXPECT_TRUE(o.name.ends_with("Mono") || o.name.ends_with("Stereo")) << o.name;
    }
  }
  EXPECT_EQ(Option(FileType::Wav, "16kHz 16Bit Mono").sampleRate, 16000u);
  EXPECT_EQ(Option(FileType::Mp3, "44kHz 128kbps Stereo").bitRate, 128000u);
  EXPECT_STREQ(FileTypeName(FileType::Aiff), "AIFF");
}

TEST(PcmFileEncoders, WavHeaderDescribesTheData) {
  const auto& f = Option(FileType::Wav, "44kHz 16Bit Stereo");
  std::vector<int16_t> frames = {1, -1, 256, -256, 32767, -32768};
  auto b = Encode(FileType::Wav, f, frames);
  ASSERT_EQ(b.size(), 44u + 12);
  EXPECT_EQ(Tag(b, 0), "RIFF");
  EXPECT_EQ(Le32(b, 4), b.size() - 8);
  EXPECT_EQ(Tag(b, 8), "WAVE");
  EXPECT_EQ(Le16(b, 20), 1);       // PCM
  EXPECT_EQ(Le16(b, 22), 2);       // channels
  EXPECT_EQ(Le32(b, 24), 44100u);
  EXPECT_EQ(Le32(b, 28), 44100u * 4);
  EXPECT_EQ(Le16(b, 34), 16);
  EXPECT_EQ(Tag(b, 36), "data");
  EXPECT_EQ(Le32(b, 40), 12u);
  EXPECT_EQ(static_cast<int16_t>(Le16(b, 44 + 8)), 32767);
}

TEST(PcmFileEncoders, EightBitWavIsUnsignedAndPadded) {
  const auto& f = Option(FileType::Wav, "8kHz 8Bit Mono");
  auto b = Encode(FileType::Wav, f, {0, -32768, 32767});
  ASSERT_EQ(b.size(), 44u + 4);  // 3 data bytes + pad byte
  EXPECT_EQ(Le32(b, 40), 3u);
  EXPECT_EQ(Le32(b, 4), b.size() - 8);
  EXPECT_EQ(b[44], 128);
  EXPECT_EQ(b[45], 0);
  EXPECT_EQ(b[46], 255);
}

TEST(PcmFileEncoders, AuIsBigEndianWithItsSize) {
  const auto& f = Option(FileType::Au, "16kHz 16Bit Mono");
  auto b = Encode(FileType::Au, f, {0x1234, -2, 7, 8});
  EXPECT_EQ(Tag(b, 0), ".snd");
  EXPECT_EQ(Be32(b, 4), 28u);
  EXPECT_EQ(Be32(b, 8), 8u);
  EXPECT_EQ(Be32(b, 12), 3u);
  EXPECT_EQ(Be32(b, 16), 16000u);
  EXPECT_EQ(Be32(b, 20), 1u);
  EXPECT_EQ(b[28], 0x12);
  EXPECT_EQ(b[29], 0x34);
  EXPECT_EQ(b.size(), 28u + 8);
}

TEST(PcmFileEncoders, AiffStatesFramesAndExtendedRate) {
  const auto& f = Option(FileType::Aiff, "22kHz 16Bit Stereo");
  auto b = Encode(FileType::Aiff, f, {1, 2, 3, 4, 5, 6});
  EXPECT_EQ(Tag(b, 0), "FORM");
  EXPECT_EQ(Be32(b, 4), b.size() - 8);
  EXPECT_EQ(Tag(b, 8), "AIFF");
  EXPECT_EQ(Tag(b, 12), "COMM");
  EXPECT_EQ(Be16(b, 20), 2);     // channels
  EXPECT_EQ(Be32(b, 22), 3u);    // frames
  EXPECT_EQ(Be16(b, 26), 16);
  // 22050 = 1.3458... * 2^14: exponent 16383 + 14, mantissa 22050 << 49.
  EXPECT_EQ(Be16(b, 28), 16383 + 14);
  EXPECT_EQ(Be32(b, 30), 22050u << 17);
  EXPECT_EQ(Tag(b, 38), "SSND");
  EXPECT_EQ(Be32(b, 42), 8u + 12);
  EXPECT_EQ(Be16(b, 54), 1);
}

TEST(PcmFileEncoders, VoxDecodesBackCloseToTheInput) {
  std::vector<int16_t> in(8000);
  for (size_t i = 0; i < in.size(); ++i) in[i] = static_cast<int16_t>(8000 * std::sin(2 * M_PI * 300 * double(i) / 8000));
  auto b = Encode(FileType::Vox, FormatOptions(FileType::Vox)[0], in);
  ASSERT_EQ(b.size(), in.size() / 2);
  DialogicAdpcmCodec dec;
  double err = 0, power = 0;
  for (size_t i = 0; i < b.size(); ++i) {
    for (int half = 0; half < 2; ++half) {
      int16_t s = dec.DecodeCode(half == 0 ? b[i] >> 4 : b[i] & 0x0F);
      size_t k = 2 * i + half;
      if (k > 200) {  // after the step size has adapted
        err += double(s - in[k]) * (s - in[k]);
        power += double(in[k]) * in[k];
      }
    }
  }
  EXPECT_LT(err / power, 0.05);  // better than 13 dB signal to noise
}

TEST(PcmFileEncoders, VoxOddSampleCountKeepsTheLastNibble) {
  auto b = Encode(FileType::Vox, FormatOptions(FileType::Vox)[0], {1000, 2000, 3000});
  EXPECT_EQ(b.size(), 2u);
  EXPECT_EQ(b[1] & 0x0F, 0);
}

TEST(PcmFileEncoders, CompressedTypesNeedAPlatformEncoder) {
  MemorySink sink;
  EXPECT_EQ(MakePcmFileEncoder(FileType::Mp3, FormatOptions(FileType::Mp3)[0], sink), nullptr);
  EXPECT_TRUE(IsCompressed(FileType::Ogg));
  EXPECT_FALSE(IsCompressed(FileType::Vox));
}

}  // namespace
}  // namespace tts
