#include "CodecPlugin.h"

#include "CodecEncoders.h"

extern "C" __attribute__((visibility("default"))) tts::AudioEncoder* tolvane_make_codec_encoder(
    const tts::protocol::EncodeBegin& begin, tts::ByteSink& sink) {
  auto encoder = tts::helper::MakeCodecEncoder(begin, sink);
  if (!encoder) throw tts::EncoderError("this encoder is not available");
  return encoder.release();
}
