#pragma once
// The one entry of tolvane-speech-codecs.so: the encoder for a request, or a thrown EncoderError.
// The caller owns the encoder returned (never null).
#include "AudioEncoder.h"
#include "Protocol.h"

namespace tts::helper {

inline constexpr char kCodecPluginEntry[] = "tolvane_make_codec_encoder";

}  // namespace tts::helper

extern "C" tts::AudioEncoder* tolvane_make_codec_encoder(const tts::protocol::EncodeBegin& begin, tts::ByteSink& sink);
