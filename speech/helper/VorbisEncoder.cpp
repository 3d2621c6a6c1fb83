#include <vorbis/vorbisenc.h>

#include <random>

#include "CodecEncoders.h"

namespace tts::helper {

namespace {

class VorbisEncoder : public AudioEncoder {
 public:
  VorbisEncoder(uint32_t rate, uint16_t channels, uint32_t bitRate, ByteSink& sink) : sink_(sink), channels_(channels) {
    vorbis_info_init(&info_);
    if (vorbis_encode_init(&info_, channels, static_cast<long>(rate), -1, static_cast<long>(bitRate), -1) != 0) {
      vorbis_info_clear(&info_);
      throw EncoderError("libvorbis does not support this Ogg Vorbis format");
    }
    vorbis_comment_init(&comment_);
    vorbis_comment_add_tag(&comment_, "ENCODER", "Tolvane speech");
    vorbis_analysis_init(&dsp_, &info_);
    vorbis_block_init(&dsp_, &block_);
    ogg_stream_init(&stream_, static_cast<int>(std::random_device{}() & 0x7FFFFFFF));
    ogg_packet header, commentHeader, codeHeader;
    vorbis_analysis_headerout(&dsp_, &comment_, &header, &commentHeader, &codeHeader);
    ogg_stream_packetin(&stream_, &header);
    ogg_stream_packetin(&stream_, &commentHeader);
    ogg_stream_packetin(&stream_, &codeHeader);
    ogg_page page;
    while (ogg_stream_flush(&stream_, &page) != 0) WritePage(page);
  }
  ~VorbisEncoder() override {
    ogg_stream_clear(&stream_);
    vorbis_block_clear(&block_);
    vorbis_dsp_clear(&dsp_);
    vorbis_comment_clear(&comment_);
    vorbis_info_clear(&info_);
  }

  void Encode(const int16_t* samples, size_t frames) override {
    constexpr size_t kBlock = 4096;
    for (size_t done = 0; done < frames; done += kBlock) {
      int n = static_cast<int>(std::min(kBlock, frames - done));
      float** buffer = vorbis_analysis_buffer(&dsp_, n);
      const int16_t* p = samples + done * channels_;
      for (int i = 0; i < n; ++i)
        for (int c = 0; c < channels_; ++c) buffer[c][i] = p[i * channels_ + c] / 32768.0f;
      vorbis_analysis_wrote(&dsp_, n);
      Drain();
    }
  }

  void Finish() override {
    vorbis_analysis_wrote(&dsp_, 0);
    Drain();
  }

 private:
  void WritePage(const ogg_page& page) {
    sink_.Write(page.header, static_cast<size_t>(page.header_len));
    sink_.Write(page.body, static_cast<size_t>(page.body_len));
  }

  void Drain() {
    while (vorbis_analysis_blockout(&dsp_, &block_) == 1) {
      vorbis_analysis(&block_, nullptr);
      vorbis_bitrate_addblock(&block_);
      ogg_packet packet;
      while (vorbis_bitrate_flushpacket(&dsp_, &packet) == 1) {
        ogg_stream_packetin(&stream_, &packet);
        ogg_page page;
        while (ogg_stream_pageout(&stream_, &page) != 0) WritePage(page);
      }
    }
    ogg_page page;
    if (ogg_stream_eos(&stream_))
      while (ogg_stream_flush(&stream_, &page) != 0) WritePage(page);
  }

  ByteSink& sink_;
  uint16_t channels_;
  vorbis_info info_{};
  vorbis_comment comment_{};
  vorbis_dsp_state dsp_{};
  vorbis_block block_{};
  ogg_stream_state stream_{};
};

}  // namespace

std::unique_ptr<AudioEncoder> MakeVorbisEncoder(uint32_t sampleRate, uint16_t channels, uint32_t bitRate,
                                                ByteSink& sink) {
  return std::make_unique<VorbisEncoder>(sampleRate, channels, bitRate, sink);
}

}  // namespace tts::helper
