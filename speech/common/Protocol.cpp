#include "Protocol.h"

#include <cstring>

namespace tts::protocol {

FrameWriter::FrameWriter(MessageType type) {
  data_.resize(4);
  data_.push_back(static_cast<uint8_t>(type));
}

FrameWriter& FrameWriter::U8(uint8_t v) {
  data_.push_back(v);
  return *this;
}

FrameWriter& FrameWriter::U32(uint32_t v) {
  for (int i = 0; i < 4; ++i) data_.push_back(static_cast<uint8_t>(v >> (8 * i)));
  return *this;
}

FrameWriter& FrameWriter::U64(uint64_t v) {
  for (int i = 0; i < 8; ++i) data_.push_back(static_cast<uint8_t>(v >> (8 * i)));
  return *this;
}

FrameWriter& FrameWriter::Text(std::string_view utf8) {
  U32(static_cast<uint32_t>(utf8.size()));
  data_.insert(data_.end(), utf8.begin(), utf8.end());
  return *this;
}

FrameWriter& FrameWriter::Text16(std::u16string_view text) {
  U32(static_cast<uint32_t>(text.size()));
  for (char16_t c : text) {
    data_.push_back(static_cast<uint8_t>(c & 0xFF));
    data_.push_back(static_cast<uint8_t>(c >> 8));
  }
  return *this;
}

FrameWriter& FrameWriter::Bytes(std::span<const uint8_t> bytes) {
  U32(static_cast<uint32_t>(bytes.size()));
  data_.insert(data_.end(), bytes.begin(), bytes.end());
  return *this;
}

std::vector<uint8_t> FrameWriter::Finish() {
  size_t size = data_.size() - 4;
  if (size > kMaxFrameSize) throw ProtocolError("message too large");
  for (int i = 0; i < 4; ++i) data_[i] = static_cast<uint8_t>(size >> (8 * i));
  return std::move(data_);
}

std::span<const uint8_t> FieldReader::Take(size_t n) {
  if (body_.size() - pos_ < n) throw ProtocolError("message is shorter than its fields");
  auto s = body_.subspan(pos_, n);
  pos_ += n;
  return s;
}

uint8_t FieldReader::U8() { return Take(1)[0]; }

uint32_t FieldReader::U32() {
  auto s = Take(4);
  return uint32_t(s[0]) | uint32_t(s[1]) << 8 | uint32_t(s[2]) << 16 | uint32_t(s[3]) << 24;
}

uint64_t FieldReader::U64() {
  uint64_t lo = U32();
  uint64_t hi = U32();
  return lo | hi << 32;
}

std::string FieldReader::Text() {
  auto s = Take(U32());
  return std::string(s.begin(), s.end());
}

std::u16string FieldReader::Text16() {
  uint32_t n = U32();
  if (n > (body_.size() - pos_) / 2) throw ProtocolError("message is shorter than its fields");
  auto s = Take(size_t{n} * 2);
  std::u16string out(n, u'\0');
  for (uint32_t i = 0; i < n; ++i) out[i] = static_cast<char16_t>(s[2 * i] | s[2 * i + 1] << 8);
  return out;
}

std::vector<uint8_t> FieldReader::Bytes() {
  auto s = Take(U32());
  return std::vector<uint8_t>(s.begin(), s.end());
}

void FrameDecoder::Feed(const uint8_t* data, size_t size) {
  if (start_ > 0 && start_ >= buffer_.size() / 2) {
    buffer_.erase(buffer_.begin(), buffer_.begin() + static_cast<ptrdiff_t>(start_));
    start_ = 0;
  }
  buffer_.insert(buffer_.end(), data, data + size);
}

bool FrameDecoder::Next(Frame& frame) {
  if (Buffered() < 4) return false;
  const uint8_t* p = buffer_.data() + start_;
  uint32_t size = uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
  if (size == 0 || size > kMaxFrameSize) throw ProtocolError("impossible message length");
  if (Buffered() < 4 + size_t{size}) return false;
  frame.type = static_cast<MessageType>(p[4]);
  frame.body.assign(p + 5, p + 4 + size);
  start_ += 4 + size_t{size};
  if (start_ == buffer_.size()) {
    buffer_.clear();
    start_ = 0;
  }
  return true;
}

namespace {

void Expect(const Frame& f, MessageType type) {
  if (f.type != type) throw ProtocolError("unexpected message type " + std::to_string(int(f.type)));
}

std::span<const uint8_t> SampleBytes(const std::vector<int16_t>& samples) {
  // Samples travel little-endian; both ends of this protocol are little-endian x86-64.
  return {reinterpret_cast<const uint8_t*>(samples.data()), samples.size() * 2};
}

std::vector<int16_t> SamplesFrom(const std::vector<uint8_t>& bytes) {
  if (bytes.size() % 2) throw ProtocolError("odd number of audio bytes");
  std::vector<int16_t> out(bytes.size() / 2);
  std::memcpy(out.data(), bytes.data(), bytes.size());
  return out;
}

}  // namespace

std::vector<uint8_t> Hello::Encode() const {
  return FrameWriter(MessageType::Hello).Text(token).U32(version).U32(sampleRate).U32(processId).Finish();
}
Hello Hello::Decode(const Frame& f) {
  Expect(f, MessageType::Hello);
  FieldReader r(f.body);
  Hello m;
  m.token = r.Text();
  m.version = r.U32();
  m.sampleRate = r.U32();
  m.processId = r.U32();
  return m;
}

std::vector<uint8_t> Voices::Encode() const {
  FrameWriter w(MessageType::Voices);
  w.U32(static_cast<uint32_t>(voices.size()));
  for (const auto& v : voices) w.Text(v.id).Text(v.name).Text(v.language);
  return w.Finish();
}
Voices Voices::Decode(const Frame& f) {
  Expect(f, MessageType::Voices);
  FieldReader r(f.body);
  Voices m;
  uint32_t n = r.U32();
  for (uint32_t i = 0; i < n; ++i) {
    VoiceDescription v;
    v.id = r.Text();
    v.name = r.Text();
    v.language = r.Text();
    m.voices.push_back(std::move(v));
  }
  return m;
}

std::vector<uint8_t> Synthesize::Encode() const {
  return FrameWriter(MessageType::Synthesize).U32(requestId).Text(voiceId).I32(rate).I32(volume).I32(pitch)
      .Text16(text).Finish();
}
Synthesize Synthesize::Decode(const Frame& f) {
  Expect(f, MessageType::Synthesize);
  FieldReader r(f.body);
  Synthesize m;
  m.requestId = r.U32();
  m.voiceId = r.Text();
  m.rate = r.I32();
  m.volume = r.I32();
  m.pitch = r.I32();
  m.text = r.Text16();
  return m;
}

std::vector<uint8_t> Audio::Encode() const {
  return FrameWriter(MessageType::Audio).U32(requestId).Bytes(SampleBytes(samples)).Finish();
}
Audio Audio::Decode(const Frame& f) {
  Expect(f, MessageType::Audio);
  FieldReader r(f.body);
  Audio m;
  m.requestId = r.U32();
  m.samples = SamplesFrom(r.Bytes());
  return m;
}

std::vector<uint8_t> Mark::Encode() const {
  return FrameWriter(MessageType::Mark).U32(requestId).U8(static_cast<uint8_t>(kind)).U32(start).U32(length)
      .U64(sample).Finish();
}
Mark Mark::Decode(const Frame& f) {
  Expect(f, MessageType::Mark);
  FieldReader r(f.body);
  Mark m;
  m.requestId = r.U32();
  uint8_t kind = r.U8();
  if (kind != 1 && kind != 2) throw ProtocolError("unknown mark kind");
  m.kind = static_cast<MarkKind>(kind);
  m.start = r.U32();
  m.length = r.U32();
  m.sample = r.U64();
  return m;
}

std::vector<uint8_t> Done::Encode() const {
  return FrameWriter(MessageType::Done).U32(requestId).U64(samples).Finish();
}
Done Done::Decode(const Frame& f) {
  Expect(f, MessageType::Done);
  FieldReader r(f.body);
  Done m;
  m.requestId = r.U32();
  m.samples = r.U64();
  return m;
}

std::vector<uint8_t> Error::Encode() const {
  return FrameWriter(MessageType::Error).U32(requestId).Text(message).Finish();
}
Error Error::Decode(const Frame& f) {
  Expect(f, MessageType::Error);
  FieldReader r(f.body);
  Error m;
  m.requestId = r.U32();
  m.message = r.Text();
  return m;
}

std::vector<uint8_t> Cancel::Encode() const { return FrameWriter(MessageType::Cancel).U32(requestId).Finish(); }
Cancel Cancel::Decode(const Frame& f) {
  Expect(f, MessageType::Cancel);
  FieldReader r(f.body);
  return Cancel{r.U32()};
}

std::vector<uint8_t> EncodeBegin::Encode() const {
  return FrameWriter(MessageType::EncodeBegin).U32(encodeId).U8(static_cast<uint8_t>(codec)).U32(sampleRate)
      .U32(channels).U32(bitRate).Finish();
}
EncodeBegin EncodeBegin::Decode(const Frame& f) {
  Expect(f, MessageType::EncodeBegin);
  FieldReader r(f.body);
  EncodeBegin m;
  m.encodeId = r.U32();
  uint8_t codec = r.U8();
  if (codec < 1 || codec > 3) throw ProtocolError("unknown codec");
  m.codec = static_cast<Codec>(codec);
  m.sampleRate = r.U32();
  uint32_t channels = r.U32();
  if (channels < 1 || channels > 2) throw ProtocolError("unsupported channel count");
  m.channels = static_cast<uint16_t>(channels);
  m.bitRate = r.U32();
  return m;
}

std::vector<uint8_t> EncodePcm::Encode() const {
  return FrameWriter(MessageType::EncodePcm).U32(encodeId).Bytes(SampleBytes(samples)).Finish();
}
EncodePcm EncodePcm::Decode(const Frame& f) {
  Expect(f, MessageType::EncodePcm);
  FieldReader r(f.body);
  EncodePcm m;
  m.encodeId = r.U32();
  m.samples = SamplesFrom(r.Bytes());
  return m;
}

std::vector<uint8_t> EncodeEnd::Encode() const { return FrameWriter(MessageType::EncodeEnd).U32(encodeId).Finish(); }
EncodeEnd EncodeEnd::Decode(const Frame& f) {
  Expect(f, MessageType::EncodeEnd);
  FieldReader r(f.body);
  return EncodeEnd{r.U32()};
}

std::vector<uint8_t> Encoded::Encode() const {
  return FrameWriter(MessageType::Encoded).U32(encodeId).U64(offset).Bytes(bytes).Finish();
}
Encoded Encoded::Decode(const Frame& f) {
  Expect(f, MessageType::Encoded);
  FieldReader r(f.body);
  Encoded m;
  m.encodeId = r.U32();
  m.offset = r.U64();
  m.bytes = r.Bytes();
  return m;
}

std::vector<uint8_t> EncodeDone::Encode() const {
  return FrameWriter(MessageType::EncodeDone).U32(encodeId).Finish();
}
EncodeDone EncodeDone::Decode(const Frame& f) {
  Expect(f, MessageType::EncodeDone);
  FieldReader r(f.body);
  return EncodeDone{r.U32()};
}

std::vector<uint8_t> EncodeEmpty(MessageType type) { return FrameWriter(type).Finish(); }

}  // namespace tts::protocol
