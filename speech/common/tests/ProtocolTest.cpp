#include "Protocol.h"

#include <gtest/gtest.h>

namespace tts::protocol {
namespace {

Frame Decode(const std::vector<uint8_t>& bytes) {
  FrameDecoder d;
  d.Feed(bytes.data(), bytes.size());
  Frame f;
  EXPECT_TRUE(d.Next(f));
  EXPECT_EQ(d.Buffered(), 0u);
  return f;
}

TEST(ProtocolMessages, HelloRoundTrips) {
  Hello h{"0123abcd", kVersion, 22050, 4242};
  Hello back = Hello::Decode(Decode(h.Encode()));
  EXPECT_EQ(back.token, "0123abcd");
  EXPECT_EQ(back.version, kVersion);
  EXPECT_EQ(back.sampleRate, 22050u);
  EXPECT_EQ(back.processId, 4242u);
}

TEST(ProtocolMessages, VoicesKeepOrderAndUtf8Names) {
  Voices v{{{"sit/cmn", "普通话 (Mandarin)", "cmn"}, {"sit/yue", "粤语 (Cantonese)", "yue"}}};
  Voices back = Voices::Decode(Decode(v.Encode()));
  ASSERT_EQ(back.voices.size(), 2u);
  EXPECT_EQ(back.voices[0].id, "sit/cmn");
  EXPECT_EQ(back.voices[0].name, "普通话 (Mandarin)");
  EXPECT_EQ(back.voices[1].language, "yue");
}

TEST(ProtocolMessages, SynthesizeCarriesUtf16TextAndSignedSettings) {
  Synthesize s{7, "sit/cmn", -10, 55, 10, u"你好\U0001F600 world"};
  Synthesize back = Synthesize::Decode(Decode(s.Encode()));
  EXPECT_EQ(back.requestId, 7u);
  EXPECT_EQ(back.rate, -10);
  EXPECT_EQ(back.volume, 55);
  EXPECT_EQ(back.pitch, 10);
  EXPECT_EQ(back.text, u"你好\U0001F600 world");
}

TEST(ProtocolMessages, AudioMarksAndDoneRoundTrip) {
  Audio a{3, {0, -1, 32767, -32768}};
  EXPECT_EQ(Audio::Decode(Decode(a.Encode())).samples, a.samples);
  Mark m{3, MarkKind::Sentence, 5, 9, 1ull << 40};
  Mark mb = Mark::Decode(Decode(m.Encode()));
  EXPECT_EQ(mb.kind, MarkKind::Sentence);
  EXPECT_EQ(mb.start, 5u);
  EXPECT_EQ(mb.length, 9u);
  EXPECT_EQ(mb.sample, 1ull << 40);
  EXPECT_EQ(Done::Decode(Decode(Done{3, 12345}.Encode())).samples, 12345u);
  EXPECT_EQ(Error::Decode(Decode(Error{3, "bad voice"}.Encode())).message, "bad voice");
  EXPECT_EQ(Cancel::Decode(Decode(Cancel{9}.Encode())).requestId, 9u);
}

TEST(ProtocolMessages, EncodingMessagesRoundTrip) {
  EncodeBegin b{4, Codec::Wma, 44100, 2, 128000};
  EncodeBegin bb = EncodeBegin::Decode(Decode(b.Encode()));
  EXPECT_EQ(bb.codec, Codec::Wma);
  EXPECT_EQ(bb.channels, 2);
  EXPECT_EQ(bb.bitRate, 128000u);
  EXPECT_EQ(EncodePcm::Decode(Decode(EncodePcm{4, {1, 2, 3}}.Encode())).samples, (std::vector<int16_t>{1, 2, 3}));
  Encoded e{4, 99, {9, 8, 7}};
  Encoded eb = Encoded::Decode(Decode(e.Encode()));
  EXPECT_EQ(eb.offset, 99u);
  EXPECT_EQ(eb.bytes, e.bytes);
  EXPECT_EQ(EncodeDone::Decode(Decode(EncodeDone{4}.Encode())).encodeId, 4u);
}

TEST(ProtocolFraming, FramesArriveByteByByte) {
  auto one = Done{1, 10}.Encode();
  auto two = Error{2, "x"}.Encode();
  std::vector<uint8_t> stream = one;
  stream.insert(stream.end(), two.begin(), two.end());
  FrameDecoder d;
  std::vector<Frame> frames;
  for (uint8_t b : stream) {
    d.Feed(&b, 1);
    Frame f;
    while (d.Next(f)) frames.push_back(f);
  }
  ASSERT_EQ(frames.size(), 2u);
  EXPECT_EQ(frames[0].type, MessageType::Done);
  EXPECT_EQ(Error::Decode(frames[1]).message, "x");
}

TEST(ProtocolFraming, ImpossibleLengthIsRejected) {
  FrameDecoder d;
  const uint8_t huge[] = {0xFF, 0xFF, 0xFF, 0x7F, 1};
  d.Feed(huge, sizeof huge);
  Frame f;
  EXPECT_THROW(d.Next(f), ProtocolError);
  FrameDecoder z;
  const uint8_t zero[] = {0, 0, 0, 0};
  z.Feed(zero, sizeof zero);
  EXPECT_THROW(z.Next(f), ProtocolError);
}

TEST(ProtocolFraming, ShortOrMistypedMessagesThrow) {
  auto bytes = Synthesize{1, "v", 0, 100, 0, u"abc"}.Encode();
  Frame f = Decode(bytes);
  f.body.resize(f.body.size() - 1);
  EXPECT_THROW(Synthesize::Decode(f), ProtocolError);
  EXPECT_THROW(Done::Decode(Decode(Cancel{1}.Encode())), ProtocolError);
  // A text length larger than the message must not be trusted.
  Frame lying{MessageType::Error, {1, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 'a'}};
  EXPECT_THROW(Error::Decode(lying), ProtocolError);
  Frame odd{MessageType::Audio, {1, 0, 0, 0, 3, 0, 0, 0, 1, 2, 3}};
  EXPECT_THROW(Audio::Decode(odd), ProtocolError);
}

}  // namespace
}  // namespace tts::protocol
