#pragma once
// Encoding a stream of 16-bit PCM into the bytes of an audio file.
#include <cstddef>
#include <cstdint>
#include <stdexcept>

namespace tts {

// Where an encoder's bytes go. Write appends; WriteAt rewrites bytes already written (headers whose
// sizes are known only at the end).
class ByteSink {
 public:
  virtual ~ByteSink() = default;
  virtual void Write(const uint8_t* data, size_t size) = 0;
  virtual void WriteAt(uint64_t offset, const uint8_t* data, size_t size) = 0;
};

class EncoderError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class AudioEncoder {
 public:
  virtual ~AudioEncoder() = default;
  // Interleaved frames at the format's rate and channel count.
  virtual void Encode(const int16_t* samples, size_t frames) = 0;
  // Flushes and completes headers; the file is whole afterwards.
  virtual void Finish() = 0;
};

}  // namespace tts
