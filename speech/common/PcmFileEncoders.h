#pragma once
// The file types written by our own code: WAV, AU and AIFF (linear PCM) and VOX (Dialogic ADPCM).
#include <memory>

#include "AudioEncoder.h"
#include "FileTypes.h"

namespace tts {

// Null for the compressed types, which need a platform encoder.
std::unique_ptr<AudioEncoder> MakePcmFileEncoder(FileType type, const FormatOption& format, ByteSink& sink);

// Dialogic (OKI) ADPCM: 12-bit samples in 4-bit codes, high nibble first.
class DialogicAdpcmCodec {
 public:
  uint8_t EncodeSample(int16_t sample);  // 4-bit code
  int16_t DecodeCode(uint8_t code);      // back to 16-bit scale
 private:
  int16_t Step(uint8_t code);
  int predictor_ = 0;  // 12-bit signed
  int index_ = 0;
};

}  // namespace tts
