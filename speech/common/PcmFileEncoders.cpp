#include "PcmFileEncoders.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace tts {

namespace {

class Bytes {
 public:
  Bytes& U8(uint8_t v) { data.push_back(v); return *this; }
  Bytes& Tag(const char* t) { data.insert(data.end(), t, t + 4); return *this; }
  Bytes& Le16(uint16_t v) { return U8(v & 0xFF).U8(v >> 8); }
  Bytes& Le32(uint32_t v) { return Le16(v & 0xFFFF).Le16(v >> 16); }
  Bytes& Be16(uint16_t v) { return U8(v >> 8).U8(v & 0xFF); }
  Bytes& Be32(uint32_t v) { return Be16(v >> 16).Be16(v & 0xFFFF); }
  std::vector<uint8_t> data;
};

// Sizes in RIFF/AU/AIFF headers are 32-bit: refuse to go past what they can state.
constexpr uint64_t kMaxDataBytes = 0xFFFFFFFFull - 64;

class PcmEncoderBase : public AudioEncoder {
 public:
  PcmEncoderBase(const FormatOption& format, ByteSink& sink) : format_(format), sink_(sink) {}

 protected:
  void Put(const std::vector<uint8_t>& bytes) {
    if (dataBytes_ + bytes.size() > kMaxDataBytes) throw EncoderError("The audio is too long for this file type.");
    sink_.Write(bytes.data(), bytes.size());
    dataBytes_ += bytes.size();
  }
  void PutHeader(const Bytes& b) { sink_.Write(b.data.data(), b.data.size()); }
  void Patch(uint64_t offset, const Bytes& b) { sink_.WriteAt(offset, b.data.data(), b.data.size()); }

  // 16-bit samples in the file's sample layout.
  std::vector<uint8_t> Samples(const int16_t* s, size_t count, bool bigEndian, bool unsigned8) const {
    std::vector<uint8_t> out;
    if (format_.bitsPerSample == 8) {
      out.reserve(count);
      for (size_t i = 0; i < count; ++i) {
        int v = s[i] >> 8;
        out.push_back(static_cast<uint8_t>(unsigned8 ? v + 128 : v));
      }
    } else {
      out.reserve(count * 2);
      for (size_t i = 0; i < count; ++i) {
        auto v = static_cast<uint16_t>(s[i]);
        if (bigEndian) { out.push_back(v >> 8); out.push_back(v & 0xFF); }
        else { out.push_back(v & 0xFF); out.push_back(v >> 8); }
      }
    }
    return out;
  }

  FormatOption format_;
  ByteSink& sink_;
  uint64_t dataBytes_ = 0;
  uint64_t frames_ = 0;
};

class WavEncoder : public PcmEncoderBase {
 public:
  WavEncoder(const FormatOption& f, ByteSink& sink) : PcmEncoderBase(f, sink) { PutHeader(Header()); }
  void Encode(const int16_t* s, size_t frames) override {
    Put(Samples(s, frames * format_.channels, false, true));
    frames_ += frames;
  }
  void Finish() override {
    if (dataBytes_ % 2) { sink_.Write(reinterpret_cast<const uint8_t*>("\0"), 1); }
    Patch(0, Header());
  }

 private:
  Bytes Header() const {
    uint16_t block = static_cast<uint16_t>(format_.channels * format_.bitsPerSample / 8);
    auto data = static_cast<uint32_t>(dataBytes_);
    Bytes b;
    b.Tag("RIFF").Le32(36 + data + (data % 2)).Tag("WAVE");
    b.Tag("fmt ").Le32(16).Le16(1).Le16(format_.channels).Le32(format_.sampleRate)
        .Le32(format_.sampleRate * block).Le16(block).Le16(format_.bitsPerSample);
    b.Tag("data").Le32(data);
    return b;
  }
};

class AuEncoder : public PcmEncoderBase {
 public:
  AuEncoder(const FormatOption& f, ByteSink& sink) : PcmEncoderBase(f, sink) { PutHeader(Header()); }
  void Encode(const int16_t* s, size_t frames) override {
    Put(Samples(s, frames * format_.channels, true, false));
    frames_ += frames;
  }
  void Finish() override { Patch(0, Header()); }

 private:
  Bytes Header() const {
    Bytes b;
    // Encoding 2 is 8-bit and 3 is 16-bit linear PCM; the 4-byte annotation field is left empty.
    b.Tag(".snd").Be32(28).Be32(static_cast<uint32_t>(dataBytes_)).Be32(format_.bitsPerSample == 8 ? 2 : 3)
        .Be32(format_.sampleRate).Be32(format_.channels).Be32(0);
    return b;
  }
};

class AiffEncoder : public PcmEncoderBase {
 public:
  AiffEncoder(const FormatOption& f, ByteSink& sink) : PcmEncoderBase(f, sink) { PutHeader(Header()); }
  void Encode(const int16_t* s, size_t frames) override {
    Put(Samples(s, frames * format_.channels, true, false));
    frames_ += frames;
  }
  void Finish() override {
    if (dataBytes_ % 2) { sink_.Write(reinterpret_cast<const uint8_t*>("\0"), 1); }
    Patch(0, Header());
  }

 private:
  // The sample rate as an 80-bit IEEE extended number, as AIFF stores it.
  static void Extended(Bytes& b, uint32_t rate) {
    int exponent = 16383 + 31;
    uint64_t mantissa = rate;
    if (mantissa == 0) { for (int i = 0; i < 10; ++i) b.U8(0); return; }
    while (!(mantissa & 0x8000000000000000ull)) { mantissa <<= 1; --exponent; }
    exponent += 32;
    b.Be16(static_cast<uint16_t>(exponent));
    b.Be32(static_cast<uint32_t>(mantissa >> 32)).Be32(static_cast<uint32_t>(mantissa));
  }
  Bytes Header() const {
    auto data = static_cast<uint32_t>(dataBytes_);
    Bytes b;
    b.Tag("FORM").Be32(4 + 26 + 16 + data + (data % 2)).Tag("AIFF");
    b.Tag("COMM").Be32(18).Be16(format_.channels).Be32(static_cast<uint32_t>(frames_)).Be16(format_.bitsPerSample);
    Extended(b, format_.sampleRate);
    b.Tag("SSND").Be32(8 + data).Be32(0).Be32(0);
    return b;
  }
};

class VoxEncoder : public AudioEncoder {
 public:
  explicit VoxEncoder(ByteSink& sink) : sink_(sink) {}
  void Encode(const int16_t* s, size_t frames) override {
    std::vector<uint8_t> out;
    out.reserve(frames / 2 + 1);
    for (size_t i = 0; i < frames; ++i) {
      uint8_t code = codec_.EncodeSample(s[i]);
      if (pending_ < 0) {
        pending_ = code;
      } else {
        out.push_back(static_cast<uint8_t>((pending_ << 4) | code));
        pending_ = -1;
      }
    }
    if (!out.empty()) sink_.Write(out.data(), out.size());
  }
  void Finish() override {
    if (pending_ >= 0) {
      uint8_t last = static_cast<uint8_t>(pending_ << 4);
      sink_.Write(&last, 1);
      pending_ = -1;
    }
  }

 private:
  ByteSink& sink_;
  DialogicAdpcmCodec codec_;
  int pending_ = -1;
};

constexpr int16_t kStepSizes[49] = {16,  17,  19,  21,  23,  25,  28,  31,  34,  37,  41,  45,  50,
                                    55,  60,  66,  73,  80,  88,  97,  107, 118, 130, 143, 157, 173,
                                    190, 209, 230, 253, 279, 307, 337, 371, 408, 449, 494, 544, 598,
                                    658, 724, 796, 876, 963, 1060, 1166, 1282, 1411, 1552};
constexpr int kIndexShift[8] = {-1, -1, -1, -1, 2, 4, 6, 8};

}  // namespace

int16_t DialogicAdpcmCodec::Step(uint8_t code) {
  int step = kStepSizes[index_];
  int diff = step >> 3;
  if (code & 1) diff += step >> 2;
  if (code & 2) diff += step >> 1;
  if (code & 4) diff += step;
  if (code & 8) diff = -diff;
  predictor_ = std::clamp(predictor_ + diff, -2048, 2047);
  index_ = std::clamp(index_ + kIndexShift[code & 7], 0, 48);
  return static_cast<int16_t>(predictor_ << 4);
}

uint8_t DialogicAdpcmCodec::EncodeSample(int16_t sample) {
  int target = sample >> 4;  // 12-bit
  int diff = target - predictor_;
  uint8_t code = 0;
  if (diff < 0) { code = 8; diff = -diff; }
  int step = kStepSizes[index_];
  if (diff >= step) { code |= 4; diff -= step; }
  step >>= 1;
  if (diff >= step) { code |= 2; diff -= step; }
  step >>= 1;
  if (diff >= step) { code |= 1; }
  Step(code);  // keep the predictor where a decoder will have it
  return code;
}

int16_t DialogicAdpcmCodec::DecodeCode(uint8_t code) { return Step(code & 0x0F); }

std::unique_ptr<AudioEncoder> MakePcmFileEncoder(FileType type, const FormatOption& format, ByteSink& sink) {
  switch (type) {
    case FileType::Wav: return std::make_unique<WavEncoder>(format, sink);
    case FileType::Au: return std::make_unique<AuEncoder>(format, sink);
    case FileType::Aiff: return std::make_unique<AiffEncoder>(format, sink);
    case FileType::Vox: return std::make_unique<VoxEncoder>(sink);
    default: return nullptr;
  }
}

}  // namespace tts
