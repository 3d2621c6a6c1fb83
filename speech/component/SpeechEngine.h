#pragma once
// What the component needs of a speech engine: its voices, and text synthesised into mono 16-bit
// PCM with the word boundaries of the text and the samples where they are heard.
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "AudioEncoder.h"
#include "FileTypes.h"

namespace tts {

struct VoiceInfo {
  std::wstring name;      // for people
  std::wstring language;  // tag such as "cmn"
};

struct SynthesisSettings {
  int voice = 0;     // index into Voices()
  int rate = 0;      // -10 .. 10
  int volume = 100;  // 0 .. 100
  int pitch = 0;     // -10 .. 10
};

class SynthesisListener {
 public:
  virtual ~SynthesisListener() = default;
  virtual void OnAudio(const int16_t* samples, size_t count) = 0;
  // Positions in UTF-16 units of the synthesised text; sample counted from its first sample.
  virtual void OnWord(uint32_t start, uint32_t length, uint64_t sample) = 0;
  // Polled during synthesis: true asks the engine to stop early.
  virtual bool Cancelled() = 0;
};

// A failure with a message for people. Engines throw it; the component reports its text.
class EngineError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Engines are used from the component's thread and from reading threads; each serialises itself.
class SpeechEngine {
 public:
  virtual ~SpeechEngine() = default;
  virtual std::vector<VoiceInfo> Voices() = 0;
  virtual uint32_t SampleRate() = 0;
  virtual void Synthesize(const SynthesisSettings& settings, std::u16string_view text, SynthesisListener& listener) = 0;
  // Encoder for a compressed file type, or null when the platform has none (PCM types never ask).
  virtual std::unique_ptr<AudioEncoder> MakeEncoder(FileType type, const FormatOption& format, ByteSink& sink) = 0;
  // Called before each reading and each file: an engine whose back end went away since its last
  // use starts it again here.
  virtual void Refresh() {}
};

}  // namespace tts
