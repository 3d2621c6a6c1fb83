#include "Session.h"

#include "Utf.h"

namespace tts::helper {

using namespace protocol;

// Encoded bytes go back to the component, which owns the file.
class EncodedSink : public ByteSink {
 public:
  EncodedSink(Connection& c, uint32_t id) : connection_(c), id_(id) {}
  void Write(const uint8_t* data, size_t size) override {
    WriteAt(end_, data, size);
  }
  void WriteAt(uint64_t offset, const uint8_t* data, size_t size) override {
    if (size == 0) return;
    connection_.Send(Encoded{id_, offset, std::vector<uint8_t>(data, data + size)}.Encode());
    end_ = std::max(end_, offset + size);
  }

 private:
  Connection& connection_;
  uint32_t id_;
  uint64_t end_ = 0;
};

struct Session::Encoding {
  std::unique_ptr<EncodedSink> sink;
  std::unique_ptr<AudioEncoder> encoder;
  uint16_t channels = 1;
};

Session::Session(Connection& connection, Synthesizer& synthesizer, EncoderFactory encoders)
    : connection_(connection), synthesizer_(synthesizer), encoders_(std::move(encoders)) {}

Session::~Session() = default;

void Session::SendHello(const std::string& token, uint32_t processId) {
  connection_.Send(Hello{token, kVersion, synthesizer_.SampleRate(), processId}.Encode());
}

void Session::Run() {
  Frame frame;
  while (!quit_) {
    if (!deferred_.empty()) {
      frame = std::move(deferred_.front());
      deferred_.pop_front();
    } else if (!connection_.ReadFrame(frame)) {
      return;
    }
    if (!Handle(frame)) return;
  }
}

bool Session::Handle(const Frame& frame) {
  switch (frame.type) {
    case MessageType::ListVoices:
      connection_.Send(protocol::Voices{synthesizer_.Voices()}.Encode());
      return true;
    case MessageType::Synthesize:
      RunSynthesis(Synthesize::Decode(frame));
      return !quit_;
    case MessageType::Cancel:
      return true;  // the request it names has already finished
    case MessageType::EncodeBegin:
      BeginEncoding(EncodeBegin::Decode(frame));
      return true;
    case MessageType::EncodePcm:
      EncodeSamples(EncodePcm::Decode(frame));
      return true;
    case MessageType::EncodeEnd:
      EndEncoding(EncodeEnd::Decode(frame));
      return true;
    case MessageType::Quit:
      return false;
    default:
      connection_.Send(Error{0, "unknown request " + std::to_string(int(frame.type))}.Encode());
      return true;
  }
}

void Session::PollDuringSynthesis(uint32_t requestId, bool& cancel) {
  Frame frame;
  while (connection_.FrameReady() && connection_.ReadFrame(frame)) {
    if (frame.type == MessageType::Cancel && Cancel::Decode(frame).requestId == requestId) {
      cancel = true;
    } else if (frame.type == MessageType::Quit) {
      cancel = true;
      quit_ = true;
    } else {
      deferred_.push_back(std::move(frame));
    }
  }
}

void Session::RunSynthesis(const Synthesize& request) {
  // Positions come back in code points; the component counts UTF-16 units.
  std::vector<uint32_t> offsets = CodePointOffsets(request.text);
  auto toUtf16 = [&](size_t cp) { return offsets[std::min(cp, offsets.size() - 1)]; };
  uint64_t samples = 0;
  bool cancel = false;
  SynthesisOutput out;
  out.audio = [&](const int16_t* data, size_t count) {
    connection_.Send(Audio{request.requestId, std::vector<int16_t>(data, data + count)}.Encode());
    samples += count;
  };
  out.mark = [&](MarkKind kind, size_t start, size_t length, uint64_t sample) {
    uint32_t s = toUtf16(start);
    uint32_t e = toUtf16(start + length);
    connection_.Send(Mark{request.requestId, kind, s, e - s, sample}.Encode());
  };
  out.cancelled = [&] {
    PollDuringSynthesis(request.requestId, cancel);
    return cancel;
  };
  try {
    synthesizer_.Synthesize(request.voiceId, request.rate, request.volume, request.pitch, Utf16ToUtf8(request.text), out);
  } catch (const std::exception& e) {
    connection_.Send(Error{request.requestId, e.what()}.Encode());
    return;
  }
  connection_.Send(Done{request.requestId, samples}.Encode());
}

void Session::BeginEncoding(const EncodeBegin& begin) {
  auto encoding = std::make_unique<Encoding>();
  encoding->sink = std::make_unique<EncodedSink>(connection_, begin.encodeId);
  encoding->channels = begin.channels;
  try {
    encoding->encoder = encoders_ ? encoders_(begin, *encoding->sink) : nullptr;
    if (!encoding->encoder) throw EncoderError("this encoder is not available");
  } catch (const std::exception& e) {
    connection_.Send(Error{begin.encodeId, e.what()}.Encode());
    return;
  }
  encodings_[begin.encodeId] = std::move(encoding);
}

void Session::EncodeSamples(const EncodePcm& pcm) {
  auto it = encodings_.find(pcm.encodeId);
  if (it == encodings_.end()) return;  // already failed and reported
  try {
    it->second->encoder->Encode(pcm.samples.data(), pcm.samples.size() / it->second->channels);
  } catch (const std::exception& e) {
    encodings_.erase(it);
    connection_.Send(Error{pcm.encodeId, e.what()}.Encode());
  }
}

void Session::EndEncoding(const EncodeEnd& end) {
  auto it = encodings_.find(end.encodeId);
  if (it == encodings_.end()) return;
  auto encoding = std::move(it->second);
  encodings_.erase(it);
  try {
    encoding->encoder->Finish();
  } catch (const std::exception& e) {
    connection_.Send(Error{end.encodeId, e.what()}.Encode());
    return;
  }
  connection_.Send(EncodeDone{end.encodeId}.Encode());
}

}  // namespace tts::helper
