#pragma once
// MP3 and WMA on Windows through Media Foundation's encoders, where the system has them.
#include <memory>

#include "AudioEncoder.h"
#include "FileTypes.h"

namespace tts {

// Null when Media Foundation cannot encode the type here (no Media Foundation, or OGG); throws
// EncoderError when the encoder refuses the format.
std::unique_ptr<AudioEncoder> MakeMediaFoundationEncoder(FileType type, const FormatOption& format, ByteSink& sink);

}  // namespace tts
