// Media Foundation encoders where the system has them (Windows); elsewhere a clear refusal.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "MediaFoundationEncoder.h"

namespace tts::testing {
namespace {

class MemorySink : public ByteSink {
 public:
  void Write(const uint8_t* d, size_t n) override { bytes.insert(bytes.end(), d, d + n); }
  void WriteAt(uint64_t off, const uint8_t* d, size_t n) override {
    if (off + n > bytes.size()) bytes.resize(off + n);
    std::memcpy(bytes.data() + off, d, n);
  }
  std::vector<uint8_t> bytes;
};

const FormatOption& Option(FileType type, const std::string& name) {
  for (const auto& o : FormatOptions(type))
    if (o.name == name) return o;
  throw std::runtime_error(name);
}

// Encodes two seconds of tone; true when the system could, false when it refused clearly.
bool EncodeTone(FileType type, const FormatOption& format, MemorySink& sink) {
  std::unique_ptr<AudioEncoder> encoder;
  try {
    encoder = MakeMediaFoundationEncoder(type, format, sink);
  } catch (const EncoderError& e) {
    EXPECT_GT(std::strlen(e.what()), 20u);
    return false;
  }
  if (!encoder) return false;
  std::vector<int16_t> pcm(format.sampleRate * format.channels * 2);
  for (size_t i = 0; i < pcm.size(); ++i) pcm[i] = static_cast<int16_t>(8000 * std::sin(double(i) * 0.05));
  try {
    encoder->Encode(pcm.data(), pcm.size() / format.channels);
    encoder->Finish();
  } catch (const EncoderError& e) {
    EXPECT_GT(std::strlen(e.what()), 20u);
    return false;
  }
  return true;
}

TEST(MediaFoundationEncoder, Mp3IsWrittenOrRefused) {
  MemorySink sink;
  if (!EncodeTone(FileType::Mp3, Option(FileType::Mp3, "44kHz 128kbps Stereo"), sink)) {
    EXPECT_TRUE(sink.bytes.empty());
    GTEST_SKIP() << "no Media Foundation MP3 encoder here";
  }
  ASSERT_GT(sink.bytes.size(), 2 * 128000 / 8 * 9 / 10);
  bool id3 = std::memcmp(sink.bytes.data(), "ID3", 3) == 0;
  EXPECT_TRUE(id3 || (sink.bytes[0] == 0xFF && (sink.bytes[1] & 0xE0) == 0xE0));
}

TEST(MediaFoundationEncoder, WmaIsWrittenInAsfOrRefused) {
  MemorySink sink;
  if (!EncodeTone(FileType::Wma, Option(FileType::Wma, "44kHz 64kbps Stereo"), sink)) {
    EXPECT_TRUE(sink.bytes.empty());
    GTEST_SKIP() << "no Media Foundation WMA encoder here";
  }
  const uint8_t asfHeader[] = {0x30, 0x26, 0xB2, 0x75, 0x8E, 0x66, 0xCF, 0x11};
  ASSERT_GT(sink.bytes.size(), 8u);
  EXPECT_EQ(std::memcmp(sink.bytes.data(), asfHeader, 8), 0);
}

TEST(MediaFoundationEncoder, OggIsNotOffered) {
  MemorySink sink;
  EXPECT_EQ(MakeMediaFoundationEncoder(FileType::Ogg, FormatOptions(FileType::Ogg)[0], sink), nullptr);
}

}  // namespace
}  // namespace tts::testing
