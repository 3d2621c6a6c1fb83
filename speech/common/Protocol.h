#pragma once
// The messages between the speech component and its native helper process, over one TCP stream.
// A frame is a 32-bit little-endian length, then that many bytes: a type byte and its fields
// (integers little-endian, texts length-prefixed). The helper speaks first (Hello, carrying the
// token it was started with); the component then asks and the helper answers in order.
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace tts::protocol {

constexpr uint32_t kVersion = 1;
constexpr uint32_t kMaxFrameSize = 64u << 20;

enum class MessageType : uint8_t {
  // helper -> component
  Hello = 1,
  Voices = 2,
  Audio = 3,
  Mark = 4,
  Done = 5,
  Error = 6,
  Encoded = 7,
  EncodeDone = 8,
  // component -> helper
  ListVoices = 20,
  Synthesize = 21,
  Cancel = 22,
  EncodeBegin = 23,
  EncodePcm = 24,
  EncodeEnd = 25,
  Quit = 26,
};

class ProtocolError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A whole frame's payload after the length: type and fields.
struct Frame {
  MessageType type{};
  std::vector<uint8_t> body;  // the fields, type byte excluded
};

// Builds one frame, length prefix included.
class FrameWriter {
 public:
  explicit FrameWriter(MessageType type);
  FrameWriter& U8(uint8_t v);
  FrameWriter& U32(uint32_t v);
  FrameWriter& I32(int32_t v) { return U32(static_cast<uint32_t>(v)); }
  FrameWriter& U64(uint64_t v);
  FrameWriter& Text(std::string_view utf8);
  FrameWriter& Text16(std::u16string_view text);
  FrameWriter& Bytes(std::span<const uint8_t> bytes);
  std::vector<uint8_t> Finish();

 private:
  std::vector<uint8_t> data_;
};

// Reads the fields of a frame; throws ProtocolError when the frame is short.
class FieldReader {
 public:
  explicit FieldReader(std::span<const uint8_t> body) : body_(body) {}
  uint8_t U8();
  uint32_t U32();
  int32_t I32() { return static_cast<int32_t>(U32()); }
  uint64_t U64();
  std::string Text();
  std::u16string Text16();
  std::vector<uint8_t> Bytes();
  bool AtEnd() const { return pos_ == body_.size(); }

 private:
  std::span<const uint8_t> Take(size_t n);
  std::span<const uint8_t> body_;
  size_t pos_ = 0;
};

// Splits a byte stream into frames.
class FrameDecoder {
 public:
  void Feed(const uint8_t* data, size_t size);
  // The next complete frame, if one has arrived. Throws ProtocolError on an impossible length.
  bool Next(Frame& frame);
  size_t Buffered() const { return buffer_.size() - start_; }

 private:
  std::vector<uint8_t> buffer_;
  size_t start_ = 0;
};

// ---- messages ---------------------------------------------------------------------------------

struct Hello {
  std::string token;
  uint32_t version = kVersion;
  uint32_t sampleRate = 0;  // of all synthesised audio (mono, 16-bit)
  uint32_t processId = 0;
  std::vector<uint8_t> Encode() const;
  static Hello Decode(const Frame& f);
};

struct VoiceDescription {
  std::string id;        // engine's own voice name
  std::string name;      // for people (UTF-8)
  std::string language;  // tag such as "cmn"
};

struct Voices {
  std::vector<VoiceDescription> voices;
  std::vector<uint8_t> Encode() const;
  static Voices Decode(const Frame& f);
};

struct Synthesize {
  uint32_t requestId = 0;
  std::string voiceId;
  int32_t rate = 0;     // -10 .. 10
  int32_t volume = 100; // 0 .. 100
  int32_t pitch = 0;    // -10 .. 10
  std::u16string text;
  std::vector<uint8_t> Encode() const;
  static Synthesize Decode(const Frame& f);
};

struct Audio {
  uint32_t requestId = 0;
  std::vector<int16_t> samples;
  std::vector<uint8_t> Encode() const;
  static Audio Decode(const Frame& f);
};

enum class MarkKind : uint8_t { Word = 1, Sentence = 2 };

// A boundary in the text of a Synthesize request: UTF-16 units of that text, and the sample of
// that request's audio where it is heard.
struct Mark {
  uint32_t requestId = 0;
  MarkKind kind = MarkKind::Word;
  uint32_t start = 0;
  uint32_t length = 0;
  uint64_t sample = 0;
  std::vector<uint8_t> Encode() const;
  static Mark Decode(const Frame& f);
};

struct Done {
  uint32_t requestId = 0;
  uint64_t samples = 0;  // audio sent for the request
  std::vector<uint8_t> Encode() const;
  static Done Decode(const Frame& f);
};

struct Error {
  uint32_t requestId = 0;  // 0: not tied to a request
  std::string message;
  std::vector<uint8_t> Encode() const;
  static Error Decode(const Frame& f);
};

struct Cancel {
  uint32_t requestId = 0;
  std::vector<uint8_t> Encode() const;
  static Cancel Decode(const Frame& f);
};

enum class Codec : uint8_t { Mp3 = 1, Vorbis = 2, Wma = 3 };

struct EncodeBegin {
  uint32_t encodeId = 0;
  Codec codec = Codec::Mp3;
  uint32_t sampleRate = 0;
  uint16_t channels = 1;
  uint32_t bitRate = 0;
  std::vector<uint8_t> Encode() const;
  static EncodeBegin Decode(const Frame& f);
};

struct EncodePcm {
  uint32_t encodeId = 0;
  std::vector<int16_t> samples;  // interleaved
  std::vector<uint8_t> Encode() const;
  static EncodePcm Decode(const Frame& f);
};

struct EncodeEnd {
  uint32_t encodeId = 0;
  std::vector<uint8_t> Encode() const;
  static EncodeEnd Decode(const Frame& f);
};

// Bytes of the encoded file, to be written at `offset` (containers rewrite their headers).
struct Encoded {
  uint32_t encodeId = 0;
  uint64_t offset = 0;
  std::vector<uint8_t> bytes;
  std::vector<uint8_t> Encode() const;
  static Encoded Decode(const Frame& f);
};

struct EncodeDone {
  uint32_t encodeId = 0;
  std::vector<uint8_t> Encode() const;
  static EncodeDone Decode(const Frame& f);
};

// Messages without fields.
std::vector<uint8_t> EncodeEmpty(MessageType type);

}  // namespace tts::protocol
