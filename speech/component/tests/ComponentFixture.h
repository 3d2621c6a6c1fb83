#pragma once
// A component object built with the scripted engine and the silent clock, with an event recorder.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "EventRecorder.h"
#include "ScriptedEngine.h"
#include "SilentClock.h"
#include "TextToSpeech.h"

namespace tts::testing {

class Bstr {
 public:
  explicit Bstr(const std::wstring& s) : b_(SysAllocStringLen(s.data(), static_cast<UINT>(s.size()))) {}
  Bstr() = default;
  ~Bstr() { SysFreeString(b_); }
  Bstr(const Bstr&) = delete;
  Bstr& operator=(const Bstr&) = delete;
  operator BSTR() const { return b_; }
  BSTR* operator&() { SysFreeString(b_); b_ = nullptr; return &b_; }
  std::wstring str() const { return b_ ? std::wstring(b_, SysStringLen(b_)) : std::wstring(); }

 private:
  BSTR b_ = nullptr;
};

class ComponentTest : public ::testing::Test {
 protected:
  void SetUp() override { Build(std::make_shared<ScriptedEngine>()); }
  void TearDown() override {
    recorder.Disconnect();
    if (tts) tts->Release();
  }
  void Build(std::shared_ptr<ScriptedEngine> e, ReadingTuning tuning = {}) {
    recorder.Disconnect();
    if (tts) tts->Release();
    tts = nullptr;
    engine = std::move(e);
    ComponentParts parts;
    auto shared = engine;
    parts.makeEngine = [shared] { return shared; };
    parts.openOutput = [](uint32_t rate) { return std::make_unique<SilentClock>(rate); };
    parts.tuning = tuning;
    ASSERT_EQ(TextToSpeech::Create(std::move(parts), IID_ITextToSpeech, reinterpret_cast<void**>(&tts)), S_OK);
    recorder.Connect(tts);
  }
  HRESULT Speak(const std::wstring& text) { return tts->Speak(Bstr(text), 0); }
  bool WaitForEnd(size_t ends = 1, int timeout = 10000) {
    return PumpUntil([&] { return recorder.Count(kEnd) >= ends; }, timeout);
  }
  bool WaitForWords(size_t words, int timeout = 10000) {
    return PumpUntil([&] { return recorder.Count(kWord) >= words; }, timeout);
  }

  std::shared_ptr<ScriptedEngine> engine;
  ITextToSpeech* tts = nullptr;
  EventRecorder recorder;
};

}  // namespace tts::testing
