#pragma once
// The audio file types a reading can be written to and the format options of each.
#include <cstdint>
#include <string>
#include <vector>

namespace tts {

// Index order is the order clients choose by.
enum class FileType { Wav, Mp3, Wma, Ogg, Vox, Au, Aiff };
constexpr int kFileTypeCount = 7;

const char* FileTypeName(FileType type);  // "WAV", "MP3", ...
bool IsCompressed(FileType type);          // needs a platform encoder (MP3, WMA, OGG)

struct FormatOption {
  std::string name;          // "16kHz 16Bit Mono", "44kHz 128kbps Stereo"
  uint32_t sampleRate = 0;
  uint16_t bitsPerSample = 0;  // PCM sample size, 4 for ADPCM, 16 for the input of compressed types
  uint16_t channels = 0;
  uint32_t bitRate = 0;        // bits per second of compressed types, 0 otherwise
};

// Never empty; the first option is the one a type starts with.
const std::vector<FormatOption>& FormatOptions(FileType type);

}  // namespace tts
