#pragma once
// The compressed file types, encoded with Debian's libraries: MP3 (LAME), Ogg Vorbis (libvorbisenc)
// and WMA (libavcodec's WMA v2 in an ASF container from libavformat).
#include <memory>

#include "AudioEncoder.h"
#include "Protocol.h"

namespace tts::helper {

// Throws EncoderError when the library refuses the format.
std::unique_ptr<AudioEncoder> MakeMp3Encoder(uint32_t sampleRate, uint16_t channels, uint32_t bitRate, ByteSink& sink);
std::unique_ptr<AudioEncoder> MakeVorbisEncoder(uint32_t sampleRate, uint16_t channels, uint32_t bitRate, ByteSink& sink);
std::unique_ptr<AudioEncoder> MakeWmaEncoder(uint32_t sampleRate, uint16_t channels, uint32_t bitRate, ByteSink& sink);

std::unique_ptr<AudioEncoder> MakeCodecEncoder(const protocol::EncodeBegin& begin, ByteSink& sink);

}  // namespace tts::helper
