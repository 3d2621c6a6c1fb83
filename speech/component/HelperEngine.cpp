#include "HelperEngine.h"

#include <chrono>

#include "Utf.h"

namespace tts {

using namespace std::chrono_literals;
using protocol::Frame;
using protocol::MessageType;

namespace {

// A helper that says nothing for this long while it should be working is taken for dead.
constexpr auto kSilenceLimit = 30s;
constexpr auto kCancelLimit = 5s;

// A failure the helper reported for one request: the helper itself is fine.
class RequestFailed : public EngineError {
 public:
  using EngineError::EngineError;
};

std::wstring Wide(const std::string& utf8) {
  auto u16 = Utf8ToUtf16(utf8);
  return std::wstring(u16.begin(), u16.end());
}

}  // namespace

HelperEngine::HelperEngine(std::wstring helperPath) : helperPath_(std::move(helperPath)) {}

HelperEngine::~HelperEngine() {
  std::lock_guard lock(mutex_);
  if (connection_) {
    try {
      connection_->stream->Send(protocol::EncodeEmpty(MessageType::Quit));
    } catch (const std::exception&) {
    }
  }
}

void HelperEngine::Refresh() {
  std::lock_guard lock(mutex_);
  if (connection_ && connection_->stream->PeerClosed()) Disconnect();
}

FrameStream& HelperEngine::Connected() {
  if (connection_) return *connection_->stream;
  if (helperPath_.empty()) helperPath_ = FindHelper();
  if (helperPath_.empty())
    throw EngineError("The speech helper (tolvane-speech-helper) was not found next to TTSObj.dll; "
                      "set TOLVANE_SPEECH_HELPER to its path.");
  connection_ = LaunchHelper(helperPath_);
  sampleRate_ = connection_->hello.sampleRate;
  return *connection_->stream;
}

void HelperEngine::Disconnect() {
  connection_.reset();
  stashed_.clear();
}

void HelperEngine::Lost(const std::exception& e) {
  Disconnect();
  throw EngineError(std::string("The speech helper stopped working: ") + e.what());
}

void HelperEngine::LoadVoices() {
  if (voices_) return;
  FrameStream& stream = Connected();
  try {
    stream.Send(protocol::EncodeEmpty(MessageType::ListVoices));
    Frame frame;
    auto deadline = std::chrono::steady_clock::now() + kSilenceLimit;
    while (true) {
      if (std::chrono::steady_clock::now() > deadline) throw EngineError("no answer to the voice list");
      if (!stream.Read(frame, 1s)) continue;
      if (frame.type == MessageType::Voices) break;
    }
    voices_ = protocol::Voices::Decode(frame).voices;
  } catch (const std::exception& e) {
    Lost(e);
  }
}

std::vector<VoiceInfo> HelperEngine::Voices() {
  std::lock_guard lock(mutex_);
  LoadVoices();
  std::vector<VoiceInfo> out;
  for (const auto& v : *voices_) out.push_back({Wide(v.name), Wide(v.language)});
  return out;
}

uint32_t HelperEngine::SampleRate() {
  std::lock_guard lock(mutex_);
  if (sampleRate_ == 0) Connected();
  return sampleRate_;
}

uint32_t HelperEngine::HelperProcessId() {
  std::lock_guard lock(mutex_);
  return connection_ ? connection_->hello.processId : 0;
}

void HelperEngine::Synthesize(const SynthesisSettings& settings, std::u16string_view text,
                              SynthesisListener& listener) {
  std::lock_guard lock(mutex_);
  LoadVoices();
  if (settings.voice < 0 || static_cast<size_t>(settings.voice) >= voices_->size())
    throw EngineError("There is no voice " + std::to_string(settings.voice) + ".");
  FrameStream& stream = Connected();
  uint32_t id = ++nextRequest_;
  try {
    stream.Send(protocol::Synthesize{id, (*voices_)[settings.voice].id, settings.rate, settings.volume, settings.pitch,
                                     std::u16string(text)}
                    .Encode());
    bool cancelling = false;
    auto lastHeard = std::chrono::steady_clock::now();
    auto cancelDeadline = lastHeard;
    while (true) {
      if (!cancelling && listener.Cancelled()) {
        stream.Send(protocol::Cancel{id}.Encode());
        cancelling = true;
        cancelDeadline = std::chrono::steady_clock::now() + kCancelLimit;
      }
      Frame frame;
      if (!stream.Read(frame, 50ms)) {
        auto now = std::chrono::steady_clock::now();
        if ((cancelling && now > cancelDeadline) || now - lastHeard > kSilenceLimit)
          throw EngineError("it stopped answering");
        continue;
      }
      lastHeard = std::chrono::steady_clock::now();
      switch (frame.type) {
        case MessageType::Audio: {
          auto audio = protocol::Audio::Decode(frame);
          if (audio.requestId == id && !cancelling) listener.OnAudio(audio.samples.data(), audio.samples.size());
          break;
        }
        case MessageType::Mark: {
          auto mark = protocol::Mark::Decode(frame);
          // Sentences are the component's own pieces; only words come from the engine.
          if (mark.requestId == id && mark.kind == protocol::MarkKind::Word && !cancelling)
            listener.OnWord(mark.start, mark.length, mark.sample);
          break;
        }
        case MessageType::Done:
          if (protocol::Done::Decode(frame).requestId == id) return;
          break;
        case MessageType::Error: {
          auto error = protocol::Error::Decode(frame);
          if (error.requestId == id) throw RequestFailed("eSpeak NG: " + error.message);
          stashed_.push_back(std::move(frame));
          break;
        }
        case MessageType::Encoded:
        case MessageType::EncodeDone:
          stashed_.push_back(std::move(frame));
          break;
        default:
          break;
      }
    }
  } catch (const RequestFailed&) {
    throw;
  } catch (const std::exception& e) {
    Lost(e);
  }
}

// Encodes through the helper: PCM goes there, the file's bytes come back.
class HelperEngine::RemoteEncoder : public AudioEncoder {
 public:
  RemoteEncoder(HelperEngine& engine, protocol::Codec codec, const FormatOption& format, ByteSink& sink)
      : engine_(engine), sink_(sink), channels_(format.channels) {
    std::lock_guard lock(engine_.mutex_);
    id_ = ++engine_.nextRequest_;
    Guard([&] {
      engine_.Connected().Send(
          protocol::EncodeBegin{id_, codec, format.sampleRate, format.channels, format.bitRate}.Encode());
    });
  }

  void Encode(const int16_t* samples, size_t frames) override {
    std::lock_guard lock(engine_.mutex_);
    constexpr size_t kBlock = 1 << 16;
    size_t total = frames * channels_;
    for (size_t done = 0; done < total; done += kBlock) {
      size_t n = std::min(kBlock, total - done);
      Guard([&] {
        engine_.Connected().Send(protocol::EncodePcm{id_, std::vector<int16_t>(samples + done, samples + done + n)}.Encode());
      });
      Collect(false);
    }
  }

  void Finish() override {
    std::lock_guard lock(engine_.mutex_);
    Guard([&] { engine_.Connected().Send(protocol::EncodeEnd{id_}.Encode()); });
    Collect(true);
  }

 private:
  template <class F>
  void Guard(F&& f) {
    try {
      f();
    } catch (const EncoderError&) {
      throw;
    } catch (const std::exception& e) {
      engine_.Disconnect();
      throw EncoderError(std::string("The speech helper stopped working: ") + e.what());
    }
  }

  // Writes what the helper has sent; with `untilDone`, waits for the end of the file.
  void Collect(bool untilDone) {
    Guard([&] {
      // What came in while a synthesis was reading, first.
      while (!engine_.stashed_.empty()) {
        Frame frame = std::move(engine_.stashed_.front());
        engine_.stashed_.pop_front();
        if (Handle(frame)) return;
      }
      FrameStream& stream = engine_.Connected();
      auto lastHeard = std::chrono::steady_clock::now();
      while (true) {
        Frame frame;
        if (!stream.Read(frame, untilDone ? 200ms : 0ms)) {
          if (!untilDone) return;
          if (std::chrono::steady_clock::now() - lastHeard > kSilenceLimit) throw EngineError("it stopped answering");
          continue;
        }
        lastHeard = std::chrono::steady_clock::now();
        if (Handle(frame)) return;
      }
    });
  }

  // True at the end of this encoding.
  bool Handle(const Frame& frame) {
    if (frame.type == MessageType::Encoded) {
      auto encoded = protocol::Encoded::Decode(frame);
      if (encoded.encodeId == id_) sink_.WriteAt(encoded.offset, encoded.bytes.data(), encoded.bytes.size());
    } else if (frame.type == MessageType::EncodeDone && protocol::EncodeDone::Decode(frame).encodeId == id_) {
      return true;
    } else if (frame.type == MessageType::Error) {
      auto error = protocol::Error::Decode(frame);
      if (error.requestId == id_) throw EncoderError(error.message);
    }
    return false;
  }

  HelperEngine& engine_;
  ByteSink& sink_;
  uint16_t channels_;
  uint32_t id_ = 0;
};

std::unique_ptr<AudioEncoder> HelperEngine::MakeEncoder(FileType type, const FormatOption& format, ByteSink& sink) {
  protocol::Codec codec;
  switch (type) {
    case FileType::Mp3: codec = protocol::Codec::Mp3; break;
    case FileType::Ogg: codec = protocol::Codec::Vorbis; break;
    case FileType::Wma: codec = protocol::Codec::Wma; break;
    default: return nullptr;
  }
  return std::make_unique<RemoteEncoder>(*this, codec, format, sink);
}

}  // namespace tts
