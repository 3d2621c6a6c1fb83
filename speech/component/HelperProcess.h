#pragma once
// Starting the native speech helper under Wine. Wine starts a Unix program given to CreateProcess
// but cannot hand it our standard handles, so the helper connects back to a loopback listener and
// proves itself with a random token passed in its environment.
#include <memory>
#include <optional>
#include <string>

#include "LoopbackSocket.h"
#include "Protocol.h"

namespace tts {

struct HelperConnection {
  std::unique_ptr<FrameStream> stream;
  protocol::Hello hello;
};

// True when this process runs on Wine rather than Windows.
bool RunningUnderWine();

// Where the helper is: $TOLVANE_SPEECH_HELPER, else next to this module, else where the build put
// it. Empty when none of them exists.
std::wstring FindHelper();

// Starts the helper and waits for its greeting. Throws EngineError with a readable message.
HelperConnection LaunchHelper(const std::wstring& path);

}  // namespace tts
