#include "CodecLibrary.h"

#include <dlfcn.h>
#include <unistd.h>

#include <climits>

#include "CodecPlugin.h"

namespace tts::helper {

CodecLibrary::CodecLibrary(std::string path) : path_(std::move(path)) {}

CodecLibrary::~CodecLibrary() {
  if (handle_) dlclose(handle_);
}

std::unique_ptr<AudioEncoder> CodecLibrary::MakeEncoder(const protocol::EncodeBegin& begin, ByteSink& sink) {
  if (!make_) {
    if (!handle_) handle_ = dlopen(path_.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle_) {
      const char* why = dlerror();
      throw EncoderError("the encoders could not be loaded (" + std::string(why ? why : path_) + ")");
    }
    make_ = reinterpret_cast<MakeFunction>(dlsym(handle_, kCodecPluginEntry));
    if (!make_) throw EncoderError("the encoders are missing from " + path_);
  }
  return std::unique_ptr<AudioEncoder>(make_(begin, sink));
}

std::string CodecLibraryBesideProgram() {
  char self[PATH_MAX];
  ssize_t n = readlink("/proc/self/exe", self, sizeof self - 1);
  std::string dir = n > 0 ? std::string(self, static_cast<size_t>(n)) : std::string();
  dir = dir.substr(0, dir.find_last_of('/') + 1);
  return dir + "tolvane-speech-codecs.so";
}

}  // namespace tts::helper
