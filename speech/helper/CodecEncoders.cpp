#include "CodecEncoders.h"

namespace tts::helper {

std::unique_ptr<AudioEncoder> MakeCodecEncoder(const protocol::EncodeBegin& b, ByteSink& sink) {
  switch (b.codec) {
    case protocol::Codec::Mp3: return MakeMp3Encoder(b.sampleRate, b.channels, b.bitRate, sink);
    case protocol::Codec::Vorbis: return MakeVorbisEncoder(b.sampleRate, b.channels, b.bitRate, sink);
    case protocol::Codec::Wma: return MakeWmaEncoder(b.sampleRate, b.channels, b.bitRate, sink);
  }
  return nullptr;
}

}  // namespace tts::helper
