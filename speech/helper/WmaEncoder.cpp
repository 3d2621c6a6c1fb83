extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
}

#include <cstring>
#include <string>

#include "CodecEncoders.h"

namespace tts::helper {

namespace {

std::string AvError(int err) {
  char text[AV_ERROR_MAX_STRING_SIZE] = {};
  av_strerror(err, text, sizeof text);
  return text;
}

class WmaEncoder : public AudioEncoder {
 public:
  WmaEncoder(uint32_t rate, uint16_t channels, uint32_t bitRate, ByteSink& sink) : sink_(sink), channels_(channels) {
    try {
      Open(rate, channels, bitRate);
    } catch (...) {
      Close();
      throw;
    }
  }
  ~WmaEncoder() override { Close(); }

  void Encode(const int16_t* samples, size_t frames) override {
    for (size_t i = 0; i < frames; ++i) {
      for (int c = 0; c < channels_; ++c)
        reinterpret_cast<float*>(frame_->data[c])[filled_] = samples[i * channels_ + c] / 32768.0f;
      if (++filled_ == frame_->nb_samples) SendFrame();
    }
  }

  void Finish() override {
    if (filled_ > 0) {
      // The codec takes whole frames only: pad the last with silence.
      for (int c = 0; c < channels_; ++c)
        std::memset(reinterpret_cast<float*>(frame_->data[c]) + filled_, 0,
                    sizeof(float) * static_cast<size_t>(frame_->nb_samples - filled_));
      filled_ = frame_->nb_samples;
      SendFrame();
    }
    Check(avcodec_send_frame(codec_, nullptr), "flushing");
    ReceivePackets();
    Check(av_write_trailer(format_), "finishing the file");
  }

 private:
  void Open(uint32_t rate, uint16_t channels, uint32_t bitRate) {
    const AVCodec* codec = avcodec_find_encoder(AV_CODEC_ID_WMAV2);
    if (!codec) throw EncoderError("libavcodec has no WMA encoder");
    Check(avformat_alloc_output_context2(&format_, nullptr, "asf", nullptr), "creating the ASF container");
    codec_ = avcodec_alloc_context3(codec);
    codec_->sample_fmt = AV_SAMPLE_FMT_FLTP;
    codec_->sample_rate = static_cast<int>(rate);
    av_channel_layout_default(&codec_->ch_layout, channels);
    codec_->bit_rate = bitRate;
    codec_->time_base = AVRational{1, static_cast<int>(rate)};
    if (format_->oformat->flags & AVFMT_GLOBALHEADER) codec_->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    Check(avcodec_open2(codec_, codec, nullptr), "opening the WMA encoder");

    stream_ = avformat_new_stream(format_, nullptr);
    if (!stream_) throw EncoderError("libavformat could not add the audio stream");
    Check(avcodec_parameters_from_context(stream_->codecpar, codec_), "describing the audio stream");
    stream_->time_base = codec_->time_base;

    constexpr int kIoBuffer = 32768;
    auto* buffer = static_cast<unsigned char*>(av_malloc(kIoBuffer));
    io_ = avio_alloc_context(buffer, kIoBuffer, 1, this, nullptr, &WmaEncoder::WritePacket, &WmaEncoder::Seek);
    if (!io_) throw EncoderError("libavformat could not create its output");
    io_->seekable = AVIO_SEEKABLE_NORMAL;
    format_->pb = io_;
    format_->flags |= AVFMT_FLAG_CUSTOM_IO;
    Check(avformat_write_header(format_, nullptr), "writing the ASF header");

    frame_ = av_frame_alloc();
    frame_->format = codec_->sample_fmt;
    frame_->sample_rate = codec_->sample_rate;
    Check(av_channel_layout_copy(&frame_->ch_layout, &codec_->ch_layout), "setting channels");
    frame_->nb_samples = codec_->frame_size > 0 ? codec_->frame_size : 2048;
    Check(av_frame_get_buffer(frame_, 0), "allocating a frame");
    packet_ = av_packet_alloc();
  }

  void Close() {
    av_packet_free(&packet_);
    av_frame_free(&frame_);
    avcodec_free_context(&codec_);
    if (io_) {
      av_freep(&io_->buffer);
      avio_context_free(&io_);
    }
    if (format_) {
      format_->pb = nullptr;
      avformat_free_context(format_);
      format_ = nullptr;
    }
  }

  static void Check(int err, const char* what) {
    if (err < 0) throw EncoderError(std::string("WMA: ") + what + ": " + AvError(err));
  }

  void SendFrame() {
    Check(av_frame_make_writable(frame_), "reusing a frame");
    frame_->pts = pts_;
    pts_ += frame_->nb_samples;
    Check(avcodec_send_frame(codec_, frame_), "encoding");
    ReceivePackets();
    filled_ = 0;
  }

  void ReceivePackets() {
    while (true) {
      int err = avcodec_receive_packet(codec_, packet_);
      if (err == AVERROR(EAGAIN) || err == AVERROR_EOF) return;
      Check(err, "encoding");
      av_packet_rescale_ts(packet_, codec_->time_base, stream_->time_base);
      packet_->stream_index = stream_->index;
      Check(av_interleaved_write_frame(format_, packet_), "writing a packet");
    }
  }

  static int WritePacket(void* opaque, uint8_t* data, int size) {
    auto* self = static_cast<WmaEncoder*>(opaque);
    try {
      if (self->position_ >= self->end_) self->sink_.Write(data, static_cast<size_t>(size));
      else self->sink_.WriteAt(self->position_, data, static_cast<size_t>(size));
    } catch (...) {
      return AVERROR(EIO);
    }
    self->position_ += static_cast<uint64_t>(size);
    self->end_ = std::max(self->end_, self->position_);
    return size;
  }

  static int64_t Seek(void* opaque, int64_t offset, int whence) {
    auto* self = static_cast<WmaEncoder*>(opaque);
    whence &= ~AVSEEK_FORCE;
    if (whence == AVSEEK_SIZE) return static_cast<int64_t>(self->end_);
    int64_t base = whence == SEEK_CUR ? static_cast<int64_t>(self->position_)
                 : whence == SEEK_END ? static_cast<int64_t>(self->end_) : 0;
    int64_t target = base + offset;
    if (target < 0 || target > static_cast<int64_t>(self->end_)) return AVERROR(EINVAL);
    self->position_ = static_cast<uint64_t>(target);
    return target;
  }

  ByteSink& sink_;
  uint16_t channels_;
  AVFormatContext* format_ = nullptr;
  AVCodecContext* codec_ = nullptr;
  AVStream* stream_ = nullptr;
  AVIOContext* io_ = nullptr;
  AVFrame* frame_ = nullptr;
  AVPacket* packet_ = nullptr;
  int filled_ = 0;
  int64_t pts_ = 0;
  uint64_t position_ = 0;
  uint64_t end_ = 0;
};

}  // namespace

std::unique_ptr<AudioEncoder> MakeWmaEncoder(uint32_t sampleRate, uint16_t channels, uint32_t bitRate, ByteSink& sink) {
  return std::make_unique<WmaEncoder>(sampleRate, channels, bitRate, sink);
}

}  // namespace tts::helper
