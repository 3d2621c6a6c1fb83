// The helper's protocol, driven over a socket pair against a scripted synthesizer.
#include "Session.h"

#include <gtest/gtest.h>
#include <sys/socket.h>

#include <thread>

namespace tts::helper {
namespace {

using namespace protocol;

// Speaks every code point as one "word" of 100 samples; polls for cancellation after each.
class ScriptedSynthesizer : public Synthesizer {
 public:
  uint32_t SampleRate() const override { return 16000; }
  std::vector<VoiceDescription> Voices() override { return {{"a", "Voice A", "cmn"}, {"b", "Voice B", "en"}}; }
  void Synthesize(const std::string& voiceId, int rate, int volume, int pitch, const std::string& text,
                  const SynthesisOutput& out) override {
    if (voiceId == "broken") throw std::runtime_error("no such voice");
    lastRate = rate;
    lastVolume = volume;
    lastPitch = pitch;
    std::vector<int16_t> block(100, static_cast<int16_t>(rate));
    size_t cp = 0;
    for (size_t i = 0; i < text.size(); ++i) {
      if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) continue;
      out.mark(MarkKind::Word, cp, 1, cp * 100);
      out.audio(block.data(), block.size());
      ++cp;
      if (out.cancelled()) return;
    }
  }
  int lastRate = 0, lastVolume = 0, lastPitch = 0;
};

class RecordingEncoder : public AudioEncoder {
 public:
  explicit RecordingEncoder(ByteSink& sink) : sink_(sink) {}
  void Encode(const int16_t* s, size_t frames) override {
    if (frames && s[0] == -1) throw EncoderError("refused");
    std::vector<uint8_t> b(frames, 'x');
    sink_.Write(b.data(), b.size());
    total_ += frames;
  }
  void Finish() override {
    uint8_t header = static_cast<uint8_t>(total_);
    sink_.WriteAt(0, &header, 1);
  }

 private:
  ByteSink& sink_;
  size_t total_ = 0;
};

class HelperSession : public ::testing::Test {
 protected:
  void SetUp() override {
    int fds[2];
    ASSERT_EQ(socketpair(AF_UNIX, SOCK_STREAM, 0, fds), 0);
    helperSide_ = std::make_unique<Connection>(fds[0]);
    component_ = std::make_unique<Connection>(fds[1]);
    session_ = std::make_unique<Session>(*helperSide_, synth_, [](const EncodeBegin& b, ByteSink& sink) {
      if (b.codec == Codec::Wma) throw EncoderError("WMA is not here");
      return std::unique_ptr<AudioEncoder>(new RecordingEncoder(sink));
    });
  }
  void TearDown() override {
    if (thread_.joinable()) {
      component_->Send(EncodeEmpty(MessageType::Quit));
      thread_.join();
    }
  }
  void Start() {
    session_->SendHello("secret", 77);
    thread_ = std::thread([this] { session_->Run(); });
  }
  Frame Read() {
    Frame f;
    EXPECT_TRUE(component_->ReadFrame(f));
    return f;
  }

  ScriptedSynthesizer synth_;
  std::unique_ptr<Connection> helperSide_, component_;
  std::unique_ptr<Session> session_;
  std::thread thread_;
};

TEST_F(HelperSession, GreetsWithTokenRateAndProcess) {
  Start();
  Hello h = Hello::Decode(Read());
  EXPECT_EQ(h.token, "secret");
  EXPECT_EQ(h.sampleRate, 16000u);
  EXPECT_EQ(h.processId, 77u);
  EXPECT_EQ(h.version, kVersion);
}

TEST_F(HelperSession, ListsVoicesInOrder) {
  Start();
  Read();
  component_->Send(EncodeEmpty(MessageType::ListVoices));
  Voices v = Voices::Decode(Read());
  ASSERT_EQ(v.voices.size(), 2u);
  EXPECT_EQ(v.voices[0].name, "Voice A");
  EXPECT_EQ(v.voices[1].language, "en");
}

TEST_F(HelperSession, SynthesisReportsMarksInUtf16UnitsThenDone) {
  Start();
  Read();
  component_->Send(Synthesize{5, "a", 3, 80, -2, u"\U0001F600中a"}.Encode());
  std::vector<Mark> marks;
  size_t samples = 0;
  while (true) {
    Frame f = Read();
    if (f.type == MessageType::Mark) marks.push_back(Mark::Decode(f));
    else if (f.type == MessageType::Audio) samples += Audio::Decode(f).samples.size();
    else {
      Done d = Done::Decode(f);
      EXPECT_EQ(d.requestId, 5u);
      EXPECT_EQ(d.samples, samples);
      break;
    }
  }
  ASSERT_EQ(marks.size(), 3u);
  EXPECT_EQ(marks[0].start, 0u);
  EXPECT_EQ(marks[0].length, 2u);  // surrogate pair
  EXPECT_EQ(marks[1].start, 2u);
  EXPECT_EQ(marks[1].length, 1u);
  EXPECT_EQ(marks[2].start, 3u);
  EXPECT_EQ(marks[2].sample, 200u);
  EXPECT_EQ(samples, 300u);
  EXPECT_EQ(synth_.lastRate, 3);
  EXPECT_EQ(synth_.lastVolume, 80);
  EXPECT_EQ(synth_.lastPitch, -2);
}

TEST_F(HelperSession, CancelEndsASynthesisEarly) {
  Start();
  Read();
  auto request = Synthesize{9, "a", 0, 100, 0, std::u16string(1000, u'字')}.Encode();
  auto cancel = Cancel{9}.Encode();
  request.insert(request.end(), cancel.begin(), cancel.end());
  component_->Send(request);
  Frame f;
  do f = Read(); while (f.type != MessageType::Done);
  EXPECT_LT(Done::Decode(f).samples, 1000u * 100);
}

TEST_F(HelperSession, RequestsDuringASynthesisAreAnsweredAfterIt) {
  Start();
  Read();
  auto bytes = Synthesize{1, "a", 0, 100, 0, u"abc"}.Encode();
  auto list = EncodeEmpty(MessageType::ListVoices);
  bytes.insert(bytes.end(), list.begin(), list.end());
  component_->Send(bytes);
  Frame f;
  do f = Read(); while (f.type != MessageType::Done);
  EXPECT_EQ(Read().type, MessageType::Voices);
}

TEST_F(HelperSession, SynthesisFailureIsReportedForItsRequest) {
  Start();
  Read();
  component_->Send(Synthesize{4, "broken", 0, 100, 0, u"x"}.Encode());
  Error e = Error::Decode(Read());
  EXPECT_EQ(e.requestId, 4u);
  EXPECT_EQ(e.message, "no such voice");
}

TEST_F(HelperSession, EncodingStreamsBytesWithOffsets) {
  Start();
  Read();
  component_->Send(EncodeBegin{3, Codec::Mp3, 22050, 1, 48000}.Encode());
  component_->Send(EncodePcm{3, std::vector<int16_t>(10, 5)}.Encode());
  component_->Send(EncodeEnd{3}.Encode());
  Encoded first = Encoded::Decode(Read());
  EXPECT_EQ(first.offset, 0u);
  EXPECT_EQ(first.bytes.size(), 10u);
  Encoded header = Encoded::Decode(Read());
  EXPECT_EQ(header.offset, 0u);
  EXPECT_EQ(header.bytes, std::vector<uint8_t>{10});
  EXPECT_EQ(EncodeDone::Decode(Read()).encodeId, 3u);
}

TEST_F(HelperSession, EncoderFailuresAreReportedOnce) {
  Start();
  Read();
  component_->Send(EncodeBegin{6, Codec::Wma, 22050, 1, 32000}.Encode());
  EXPECT_EQ(Error::Decode(Read()).message, "WMA is not here");
  component_->Send(EncodeBegin{7, Codec::Mp3, 22050, 1, 32000}.Encode());
  component_->Send(EncodePcm{7, {-1}}.Encode());
  component_->Send(EncodeEnd{7}.Encode());
  Error e = Error::Decode(Read());
  EXPECT_EQ(e.requestId, 7u);
  // Nothing more for the failed encoding: the next answer belongs to the next request.
  component_->Send(EncodeEmpty(MessageType::ListVoices));
  EXPECT_EQ(Read().type, MessageType::Voices);
}

TEST_F(HelperSession, RunEndsWhenTheComponentDisconnects) {
  Start();
  Read();
  component_.reset();
  thread_.join();
}

TEST_F(HelperSession, UnknownRequestGetsAnError) {
  Start();
  Read();
  component_->Send(FrameWriter(static_cast<MessageType>(99)).Finish());
  EXPECT_EQ(Read().type, MessageType::Error);
}

}  // namespace
}  // namespace tts::helper
