// The compressed encoders write files that libavformat reads back with the right length and format.
#include "CodecEncoders.h"

#include <gtest/gtest.h>

extern "C" {
#include <libavformat/avformat.h>
}

#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>

#include "FileTypes.h"
#include "PcmConverter.h"

namespace tts::helper {
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

struct Probe {
  double seconds = 0;
  int rate = 0;
  int channels = 0;
  std::string codec;
};

Probe ProbeFile(const std::string& path) {
  Probe p;
  AVFormatContext* ctx = nullptr;
  if (avformat_open_input(&ctx, path.c_str(), nullptr, nullptr) != 0) return p;
  if (avformat_find_stream_info(ctx, nullptr) >= 0 && ctx->nb_streams == 1) {
    auto* par = ctx->streams[0]->codecpar;
    p.rate = par->sample_rate;
    p.channels = par->ch_layout.nb_channels;
    p.codec = avcodec_get_name(par->codec_id);
    p.seconds = ctx->duration > 0 ? double(ctx->duration) / AV_TIME_BASE : 0;
  }
  avformat_close_input(&ctx);
  return p;
}

// Two seconds of a gliding tone, as the engine delivers it (22 kHz mono), converted to the option.
std::vector<int16_t> Tone(const FormatOption& o) {
  std::vector<int16_t> mono(2 * 22050);
  for (size_t i = 0; i < mono.size(); ++i) {
    double t = double(i) / 22050;
    mono[i] = static_cast<int16_t>(9000 * std::sin(2 * M_PI * (200 + 100 * t) * t));
  }
  PcmConverter c(22050, o.sampleRate, o.channels);
  std::vector<int16_t> out;
  c.Convert(mono.data(), mono.size(), out);
  c.Finish(out);
  return out;
}

void CheckType(FileType type, const char* codecName, const char* extension) {
  for (const auto& o : FormatOptions(type)) {
    SCOPED_TRACE(o.name);
    MemorySink sink;
    protocol::EncodeBegin b{1, type == FileType::Mp3 ? protocol::Codec::Mp3
                               : type == FileType::Ogg ? protocol::Codec::Vorbis : protocol::Codec::Wma,
                            o.sampleRate, o.channels, o.bitRate};
    auto enc = MakeCodecEncoder(b, sink);
    auto pcm = Tone(o);
    size_t frames = pcm.size() / o.channels;
    enc->Encode(pcm.data(), frames / 3);
    enc->Encode(pcm.data() + frames / 3 * o.channels, frames - frames / 3);
    enc->Finish();
    std::string path = ::testing::TempDir() + "codec-test." + extension;
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(sink.bytes.data()),
                                                static_cast<std::streamsize>(sink.bytes.size()));
    Probe p = ProbeFile(path);
    EXPECT_EQ(p.codec, codecName);
    EXPECT_EQ(p.rate, static_cast<int>(o.sampleRate));
    EXPECT_EQ(p.channels, o.channels);
    EXPECT_NEAR(p.seconds, 2.0, 0.2);
    std::remove(path.c_str());
  }
}

TEST(CodecEncoders, Mp3FilesHaveTheirFormatAndLength) { CheckType(FileType::Mp3, "mp3", "mp3"); }
TEST(CodecEncoders, OggVorbisFilesHaveTheirFormatAndLength) { CheckType(FileType::Ogg, "vorbis", "ogg"); }
TEST(CodecEncoders, WmaFilesHaveTheirFormatAndLength) { CheckType(FileType::Wma, "wmav2", "wma"); }

TEST(CodecEncoders, ImpossibleFormatsAreRefused) {
  MemorySink sink;
  EXPECT_THROW(MakeMp3Encoder(22050, 3, 48000, sink), EncoderError);
  EXPECT_THROW(MakeVorbisEncoder(22050, 1, 900000000, sink), EncoderError);
}

}  // namespace
}  // namespace tts::helper
