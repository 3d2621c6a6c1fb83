#include <lame/lame.h>

#include <vector>

#include "CodecEncoders.h"

namespace tts::helper {

namespace {

class Mp3Encoder : public AudioEncoder {
 public:
  Mp3Encoder(uint32_t rate, uint16_t channels, uint32_t bitRate, ByteSink& sink) : sink_(sink), channels_(channels) {
    lame_ = lame_init();
    if (!lame_) throw EncoderError("LAME could not be started");
    bool ok = lame_set_in_samplerate(lame_, static_cast<int>(rate)) == 0 &&
              lame_set_out_samplerate(lame_, static_cast<int>(rate)) == 0 &&
              lame_set_num_channels(lame_, channels) == 0 &&
              lame_set_mode(lame_, channels == 1 ? MONO : JOINT_STEREO) == 0 &&
              lame_set_brate(lame_, static_cast<int>(bitRate / 1000)) == 0 && lame_set_quality(lame_, 5) == 0 &&
              // Constant bit rate: players know the length from the size, no Info tag needed.
              lame_set_bWriteVbrTag(lame_, 0) == 0;
    if (!ok || lame_init_params(lame_) < 0) {
      lame_close(lame_);
      throw EncoderError("LAME does not support this MP3 format");
    }
  }
  ~Mp3Encoder() override { lame_close(lame_); }

  void Encode(const int16_t* samples, size_t frames) override {
    constexpr size_t kBlock = 8192;
    for (size_t done = 0; done < frames; done += kBlock) {
      int n = static_cast<int>(std::min(kBlock, frames - done));
      out_.resize(static_cast<size_t>(n) * 5 / 4 + 7200);
      const int16_t* p = samples + done * channels_;
      int bytes = channels_ == 1
                      ? lame_encode_buffer(lame_, p, nullptr, n, out_.data(), static_cast<int>(out_.size()))
                      : lame_encode_buffer_interleaved(lame_, const_cast<short*>(p), n, out_.data(),
                                                       static_cast<int>(out_.size()));
      if (bytes < 0) throw EncoderError("MP3 encoding failed");
      sink_.Write(out_.data(), static_cast<size_t>(bytes));
    }
  }

  void Finish() override {
    out_.resize(7200);
    int bytes = lame_encode_flush(lame_, out_.data(), static_cast<int>(out_.size()));
    if (bytes < 0) throw EncoderError("MP3 encoding failed");
    sink_.Write(out_.data(), static_cast<size_t>(bytes));
  }

 private:
  ByteSink& sink_;
  uint16_t channels_;
  lame_global_flags* lame_ = nullptr;
  std::vector<unsigned char> out_;
};

}  // namespace

std::unique_ptr<AudioEncoder> MakeMp3Encoder(uint32_t sampleRate, uint16_t channels, uint32_t bitRate, ByteSink& sink) {
  return std::make_unique<Mp3Encoder>(sampleRate, channels, bitRate, sink);
}

}  // namespace tts::helper
