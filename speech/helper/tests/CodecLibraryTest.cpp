// The codec library is loaded at the first encoding, not with the helper; a missing one fails that
// encoding with a message and leaves the helper serving.
#include "CodecLibrary.h"

#include <gtest/gtest.h>
#include <sys/socket.h>

#include <cstring>
#include <fstream>
#include <string>
#include <thread>

#include "Session.h"

namespace tts::helper {
namespace {

using namespace protocol;

class MemorySink : public ByteSink {
 public:
  void Write(const uint8_t* d, size_t n) override { bytes.insert(bytes.end(), d, d + n); }
  void WriteAt(uint64_t off, const uint8_t* d, size_t n) override {
    if (off + n > bytes.size()) bytes.resize(off + n);
    std::memcpy(bytes.data() + off, d, n);
  }
  std::vector<uint8_t> bytes;
};

// libavcodec comes with nothing else the helper uses (eSpeak NG itself brings LAME and Vorbis).
bool AvcodecMapped() {
  std::ifstream maps("/proc/self/maps");
  std::string line;
  while (std::getline(maps, line))
    if (line.find("/libavcodec.so") != std::string::npos) return true;
  return false;
}

TEST(CodecLibrary, IsLoadedAtTheFirstEncoderNotBefore) {
  // This test program links no codec: libavcodec can only come with the library.
  ASSERT_FALSE(AvcodecMapped());
  CodecLibrary codecs(TOLVANE_CODEC_LIBRARY);
  EXPECT_FALSE(AvcodecMapped());

  MemorySink sink;
  auto encoder = codecs.MakeEncoder(EncodeBegin{1, Codec::Mp3, 22050, 1, 32000}, sink);
  ASSERT_NE(encoder, nullptr);
  EXPECT_TRUE(AvcodecMapped());
  std::vector<int16_t> silence(22050);
  encoder->Encode(silence.data(), silence.size());
  encoder->Finish();
  ASSERT_GE(sink.bytes.size(), 4u);
  // An MP3 file: an ID3 tag or a frame sync first.
  const bool id3 = std::memcmp(sink.bytes.data(), "ID3", 3) == 0;
  const bool sync = sink.bytes[0] == 0xFF && (sink.bytes[1] & 0xE0) == 0xE0;
  EXPECT_TRUE(id3 || sync);
}

TEST(CodecLibrary, RefusalsInsideTheLibraryReachTheCaller) {
  CodecLibrary codecs(TOLVANE_CODEC_LIBRARY);
  MemorySink sink;
  EXPECT_THROW(codecs.MakeEncoder(EncodeBegin{1, Codec::Mp3, 22050, 3, 48000}, sink), EncoderError);
  // The library stays usable after a refusal.
  EXPECT_NE(codecs.MakeEncoder(EncodeBegin{2, Codec::Vorbis, 22050, 1, 64000}, sink), nullptr);
}

TEST(CodecLibrary, MissingLibraryFailsTheEncodingWithItsName) {
  CodecLibrary codecs("/nonexistent/tolvane-speech-codecs.so");
  MemorySink sink;
  try {
    codecs.MakeEncoder(EncodeBegin{1, Codec::Mp3, 22050, 1, 32000}, sink);
    FAIL() << "no error";
  } catch (const EncoderError& e) {
    EXPECT_NE(std::string(e.what()).find("/nonexistent/tolvane-speech-codecs.so"), std::string::npos) << e.what();
  }
}

// Speaks nothing: only the encoders are asked for here.
class SilentSynthesizer : public Synthesizer {
 public:
  uint32_t SampleRate() const override { return 22050; }
  std::vector<VoiceDescription> Voices() override { return {}; }
  void Synthesize(const std::string&, int, int, int, const std::string&, const SynthesisOutput&) override {}
};

TEST(CodecLibrary, HelperWithoutTheLibraryReportsTheEncodingAndGoesOn) {
  int fds[2];
  ASSERT_EQ(socketpair(AF_UNIX, SOCK_STREAM, 0, fds), 0);
  Connection helperSide(fds[0]), component(fds[1]);
  SilentSynthesizer synth;
  CodecLibrary codecs("/nonexistent/tolvane-speech-codecs.so");
  Session session(helperSide, synth, [&codecs](const EncodeBegin& b, ByteSink& sink) { return codecs.MakeEncoder(b, sink); });
  std::thread run([&] { session.Run(); });

  component.Send(EncodeBegin{5, Codec::Mp3, 22050, 1, 32000}.Encode());
  component.Send(EncodeEmpty(MessageType::ListVoices));
  Frame frame;
  ASSERT_TRUE(component.ReadFrame(frame));
  ASSERT_EQ(frame.type, MessageType::Error);
  auto error = Error::Decode(frame);
  EXPECT_EQ(error.requestId, 5u);
  EXPECT_NE(error.message.find("could not be loaded"), std::string::npos) << error.message;
  ASSERT_TRUE(component.ReadFrame(frame));
  EXPECT_EQ(frame.type, MessageType::Voices);

  component.Send(EncodeEmpty(MessageType::Quit));
  run.join();
}

}  // namespace
}  // namespace tts::helper
