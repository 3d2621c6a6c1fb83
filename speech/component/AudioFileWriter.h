#pragma once
// Speaking a text into an audio file. All or nothing: the audio goes into a temporary file beside
// the target, which takes the target's name only when it is complete.
#include <string>
#include <string_view>

#include "FileTypes.h"
#include "SpeechEngine.h"

namespace tts {

class FileWriteError : public std::runtime_error {
 public:
  FileWriteError(const std::string& message, unsigned long systemError)
      : std::runtime_error(message), systemError_(systemError) {}
  unsigned long SystemError() const { return systemError_; }

 private:
  unsigned long systemError_;
};

// Throws FileWriteError, EngineError or EncoderError; the target is untouched after a failure.
void WriteSpeechFile(SpeechEngine& engine, const SynthesisSettings& settings, std::u16string_view text,
                     const std::wstring& path, FileType type, const FormatOption& format);

}  // namespace tts
