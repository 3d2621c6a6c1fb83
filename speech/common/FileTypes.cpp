#include "FileTypes.h"

namespace tts {

namespace {

std::string RateName(uint32_t rate) {
  switch (rate) {
    case 11025: return "11kHz";
    case 22050: return "22kHz";
    case 44100: return "44kHz";
    default: return std::to_string(rate / 1000) + "kHz";
  }
}

FormatOption Pcm(uint32_t rate, uint16_t bits, uint16_t channels) {
  return {RateName(rate) + " " + std::to_string(bits) + "Bit " + (channels == 1 ? "Mono" : "Stereo"), rate, bits,
          channels, 0};
}

FormatOption Coded(uint32_t rate, uint32_t kbps, uint16_t channels) {
  return {RateName(rate) + " " + std::to_string(kbps) + "kbps " + (channels == 1 ? "Mono" : "Stereo"), rate, 16,
          channels, kbps * 1000};
}

// Speech is synthesised at 22 kHz mono, so that is where every PCM list starts.
std::vector<FormatOption> PcmOptions() {
  return {Pcm(22050, 16, 1), Pcm(8000, 8, 1),  Pcm(8000, 16, 1),  Pcm(11025, 8, 1),  Pcm(11025, 16, 1),
          Pcm(16000, 16, 1), Pcm(22050, 8, 1), Pcm(22050, 16, 2), Pcm(44100, 16, 1), Pcm(44100, 16, 2),
          Pcm(48000, 16, 2)};
}

}  // namespace

const char* FileTypeName(FileType type) {
  static const char* const kNames[kFileTypeCount] = {"WAV", "MP3", "WMA", "OGG", "VOX", "AU", "AIFF"};
  return kNames[static_cast<int>(type)];
}

bool IsCompressed(FileType type) {
  return type == FileType::Mp3 || type == FileType::Wma || type == FileType::Ogg;
}

const std::vector<FormatOption>& FormatOptions(FileType type) {
  static const std::vector<FormatOption> kPcm = PcmOptions();
  static const std::vector<FormatOption> kMp3 = {Coded(22050, 48, 1), Coded(16000, 32, 1), Coded(44100, 64, 1),
                                                 Coded(44100, 128, 2)};
  static const std::vector<FormatOption> kWma = {Coded(22050, 32, 1), Coded(44100, 64, 2), Coded(44100, 128, 2)};
  static const std::vector<FormatOption> kOgg = {Coded(22050, 48, 1), Coded(16000, 32, 1), Coded(44100, 96, 2)};
  // Dialogic ADPCM is defined for these two rates.
  static const std::vector<FormatOption> kVox = {{"8kHz 4Bit Mono", 8000, 4, 1, 0}, {"6kHz 4Bit Mono", 6000, 4, 1, 0}};
  switch (type) {
    case FileType::Mp3: return kMp3;
    case FileType::Wma: return kWma;
    case FileType::Ogg: return kOgg;
    case FileType::Vox: return kVox;
    default: return kPcm;
  }
}

}  // namespace tts
