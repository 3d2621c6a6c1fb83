#include "HelperEngine.h"
#include "HelperProcess.h"
#include "SapiEngine.h"
#include "TextToSpeech.h"

namespace tts {

ComponentParts DefaultParts() {
  ComponentParts parts;
  // Wine's speech API has no voices: there the native eSpeak NG helper speaks.
  parts.makeEngine = []() -> std::shared_ptr<SpeechEngine> {
    if (RunningUnderWine()) return std::make_shared<HelperEngine>();
    return std::make_shared<SapiEngine>();
  };
  parts.openOutput = [](uint32_t rate) { return OpenAudioOutput(rate); };
  return parts;
}

}  // namespace tts
