#pragma once
// The encoders of the compressed file types, from their own library beside the helper
// (tolvane-speech-codecs.so), loaded at the first encoding. LAME, Vorbis and libavcodec with their
// dependencies are most of what the helper would otherwise load before it can greet the
// component, and the program's start waits for that greeting.
#include <memory>
#include <string>

#include "AudioEncoder.h"
#include "Protocol.h"

namespace tts::helper {

class CodecLibrary {
 public:
  explicit CodecLibrary(std::string path);
  ~CodecLibrary();
  CodecLibrary(const CodecLibrary&) = delete;
  CodecLibrary& operator=(const CodecLibrary&) = delete;

  // Loads the library on first use. Throws EncoderError when it cannot be loaded or refuses the
  // format. Encoders must be gone before this object.
  std::unique_ptr<AudioEncoder> MakeEncoder(const protocol::EncodeBegin& begin, ByteSink& sink);

  const std::string& Path() const { return path_; }

 private:
  using MakeFunction = AudioEncoder* (*)(const protocol::EncodeBegin&, ByteSink&);

  std::string path_;
  void* handle_ = nullptr;
  MakeFunction make_ = nullptr;
};

// tolvane-speech-codecs.so in the directory of this program.
std::string CodecLibraryBesideProgram();

}  // namespace tts::helper
