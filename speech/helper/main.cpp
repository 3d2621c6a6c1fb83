// tolvane-speech-helper: the native side of the speech component under Wine. Started by the
// component with the port of its loopback listener; proves itself with the token from the
// environment, then serves synthesis and encoding requests until told to quit or disconnected.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "CodecLibrary.h"
#include "EspeakSynthesizer.h"
#include "Session.h"

namespace {

int Usage() {
  std::fprintf(stderr, "usage: tolvane-speech-helper --port N   (token in TOLVANE_SPEECH_TOKEN)\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  long port = 0;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--port") == 0 && i + 1 < argc) port = std::strtol(argv[++i], nullptr, 10);
    else return Usage();
  }
  const char* token = std::getenv("TOLVANE_SPEECH_TOKEN");
  if (port <= 0 || port > 65535 || !token || !*token) return Usage();
  std::string secret = token;
  unsetenv("TOLVANE_SPEECH_TOKEN");  // nothing this process starts needs it

  try {
    using namespace tts::helper;
    Connection connection(Connection::ConnectLoopback(static_cast<uint16_t>(port)));
    EspeakSynthesizer synthesizer;
    CodecLibrary codecs(CodecLibraryBesideProgram());
    Session session(connection, synthesizer, [&codecs](const tts::protocol::EncodeBegin& begin, tts::ByteSink& sink) {
      return codecs.MakeEncoder(begin, sink);
    });
    session.SendHello(secret, static_cast<uint32_t>(getpid()));
    session.Run();
  } catch (const std::exception& e) {
    std::fprintf(stderr, "tolvane-speech-helper: %s\n", e.what());
    return 1;
  }
  return 0;
}
