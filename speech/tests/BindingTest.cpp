// TCTextToSpeech against the scripted fake registered as the running object of the class.
#include <windows.h>

#include <gtest/gtest.h>

#include "Encoding.h"
#include "FakeTextToSpeech.h"
#include "TTSObj_TLB.h"

namespace {

using tts::testing::FakeTextToSpeech;

std::string Gbk(const wchar_t* text) { return tk::WideToGbk(text); }

std::string SystemText(HRESULT hr) {
  wchar_t text[512] = {};
  FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, static_cast<DWORD>(hr), 0, text,
                 512, nullptr);
  std::wstring s = text;
  while (!s.empty() && (s.back() == L'\n' || s.back() == L'\r' || s.back() == L' ')) s.pop_back();
  if (s.empty()) {
    wchar_t code[32];
    wsprintfW(code, L"OLE error %08X", static_cast<unsigned>(hr));
    s = code;
  }
  return tk::WideToGbk(s);
}

class Binding : public ::testing::Test {
 protected:
  void SetUp() override {
    fake = FakeTextToSpeech::Create();
    fake->RegisterAsActive();
    speech = new TCTextToSpeech(nullptr);
  }
  void TearDown() override {
    delete speech;
    fake->RevokeActive();
    fake->Release();
  }
  FakeTextToSpeech* fake = nullptr;
  TCTextToSpeech* speech = nullptr;
};

TEST_F(Binding, ConnectsToTheRunningObjectOnTheFirstOperation) {
  EXPECT_FALSE(speech->Connected());
  EXPECT_TRUE(fake->calls.empty());
  EXPECT_EQ(speech->VoiceCount(), 2);
  EXPECT_TRUE(speech->Connected());
  EXPECT_EQ(fake->Methods(), std::vector<std::string>{"VoiceCount"});
  EXPECT_EQ(fake->SinkCount(), 1u);
}

TEST_F(Binding, VoicesAreListedInOrderAsGbk) {
  fake->voices = {L"普通话 (Mandarin Chinese)", L"粤语 (Cantonese)", L"English (British)"};
  ASSERT_EQ(speech->VoiceCount(), 3);
  EXPECT_EQ(speech->VoiceName(0), Gbk(L"普通话 (Mandarin Chinese)"));
  EXPECT_EQ(speech->VoiceName(1), Gbk(L"粤语 (Cantonese)"));
  EXPECT_EQ(speech->VoiceName(2), "English (British)");
  EXPECT_EQ(fake->Last("VoiceName")->numbers, std::vector<long>{2});
}

TEST_F(Binding, SetVoiceFailuresAreSwallowed) {
  EXPECT_NO_THROW(speech->SetVoice(9));  // out of range: the fake refuses
  fake->FailOn("SetVoice", E_FAIL, L"声音坏了");
  EXPECT_NO_THROW(speech->SetVoice(1));
  EXPECT_EQ(fake->CountOf("SetVoice"), 2u);
  EXPECT_EQ(fake->voice, 0);
}

TEST_F(Binding, FailedCallsRaiseTheComponentsErrorText) {
  fake->FailOn("Speak", E_FAIL, L"没有可用的声音");
  try {
    speech->Speak(Gbk(L"你好"));
    FAIL() << "no exception";
  } catch (const std::runtime_error& e) {
    EXPECT_EQ(std::string(e.what()), Gbk(L"没有可用的声音"));
  }
}

TEST_F(Binding, FailedCallsWithoutErrorInfoRaiseTheSystemsText) {
  fake->FailOn("Stop", E_ACCESSDENIED);
  try {
    speech->Stop();
    FAIL() << "no exception";
  } catch (const std::runtime_error& e) {
    EXPECT_EQ(std::string(e.what()), SystemText(E_ACCESSDENIED));
  }
}

TEST_F(Binding, EveryOperationReachesItsMethodWithItsArguments) {
  speech->SetVolume(80);
  speech->SetRate(-7);
  speech->SetPitch(3);
  speech->Speak(Gbk(L"今天天气很好"), 0);
  speech->Pause();
  speech->Resume();
  speech->Stop();
  speech->SetFileType(1);
  EXPECT_EQ(speech->FormatCount(), 2);
  speech->SetFormat(1);
  EXPECT_EQ(speech->FormatName(), "44kHz 128kbps Stereo");
  speech->SpeakToFile(Gbk(L"文章"), Gbk(L"输出.MP3"), 0);
  EXPECT_EQ(speech->FileTypeName(6), "AIFF");
  EXPECT_EQ(fake->Methods(), (std::vector<std::string>{"SetVolume", "SetRate", "SetPitch", "Speak", "Pause", "Resume",
                                                       "Stop", "SetFileType", "FormatCount", "SetFormat", "FormatName",
                                                       "SpeakToFile", "FileTypeName"}));
  EXPECT_EQ(fake->Last("SetRate")->numbers, std::vector<long>{-7});
  EXPECT_EQ(fake->Last("Speak")->texts, std::vector<std::wstring>{L"今天天气很好"});
  EXPECT_EQ(fake->Last("SpeakToFile")->texts, (std::vector<std::wstring>{L"文章", L"输出.MP3"}));
  EXPECT_EQ(speech->GetVolume(), 80);
  EXPECT_EQ(speech->GetFileType(), 1);
}

TEST_F(Binding, EventsReachTheHandlersOnThisThreadWithTheBindingAsSender) {
  std::vector<std::string> seen;
  tk::TObject* sender = nullptr;
  DWORD thread = 0;
  speech->OnTTSStart = [&](tk::TObject* s) { seen.push_back("start"); sender = s; thread = GetCurrentThreadId(); };
  speech->OnTTSWord = [&](tk::TObject*, int start, int length) {
    seen.push_back("word " + std::to_string(start) + " " + std::to_string(length));
  };
  speech->OnTTSSentence = [&](tk::TObject*, int start, int length) {
    seen.push_back("sentence " + std::to_string(start) + " " + std::to_string(length));
  };
  speech->OnTTSProgress = [&](tk::TObject*, int percent) { seen.push_back("progress " + std::to_string(percent)); };
  speech->OnTTSEnd = [&](tk::TObject*) { seen.push_back("end"); };
  speech->Speak("abc");
  fake->FireStart();
  fake->FireSentence(0, 3);
  fake->FireWord(1, 2);
  fake->FireProgress(66);
  fake->FireEnd();
  EXPECT_EQ(seen, (std::vector<std::string>{"start", "sentence 0 3", "word 1 2", "progress 66", "end"}));
  EXPECT_EQ(sender, speech);
  EXPECT_EQ(thread, GetCurrentThreadId());
}

TEST_F(Binding, EventsWithoutHandlersAndThrowingHandlersDoNotReachTheComponent) {
  speech->VoiceCount();
  fake->FireWord(0, 1);  // no handler
  speech->OnTTSWord = [](tk::TObject*, int, int) { throw std::runtime_error("handler failed"); };
  EXPECT_NO_THROW(fake->FireWord(0, 1));
}

TEST_F(Binding, ComponentWithoutConnectionPointIsUsedWithoutEvents) {
  delete speech;
  fake->RevokeActive();
  fake->Release();
  fake = FakeTextToSpeech::Create(false);
  fake->RegisterAsActive();
  speech = new TCTextToSpeech(nullptr);
  EXPECT_EQ(speech->VoiceCount(), 2);
  EXPECT_NO_THROW(speech->Speak("x"));
}

TEST_F(Binding, FreeingTheBindingUnadvisesAndReleases) {
  speech->VoiceCount();
  EXPECT_EQ(fake->SinkCount(), 1u);
  delete speech;
  speech = nullptr;
  EXPECT_EQ(fake->SinkCount(), 0u);
}

TEST_F(Binding, OwnerFreesTheBinding) {
  delete speech;
  speech = nullptr;
  auto* owner = new tk::TComponent(nullptr);
  auto* owned = new TCTextToSpeech(owner);
  owned->VoiceCount();
  EXPECT_EQ(fake->SinkCount(), 1u);
  delete owner;
  EXPECT_EQ(fake->SinkCount(), 0u);
}

// Neither a running object nor a registered class: each operation raises the system's text for
// the missing class, and tries again, so a component that appears later is used.
TEST(BindingWithoutComponent, CreationFailureRaisesAndEachOperationRetries) {
  IUnknown* probe = nullptr;
  HRESULT missing = CoCreateInstance(CLSID_TextToSpeech, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER,
                                     IID_IUnknown, reinterpret_cast<void**>(&probe));
  ASSERT_TRUE(FAILED(missing)) << "the speech component is registered in this prefix";
  TCTextToSpeech speech(nullptr);
  for (int attempt = 0; attempt < 2; ++attempt) {
    try {
      speech.VoiceCount();
      FAIL() << "no exception";
    } catch (const std::runtime_error& e) {
      EXPECT_EQ(std::string(e.what()), SystemText(missing));
    }
  }
  EXPECT_THROW(speech.Speak("x"), std::runtime_error);
  EXPECT_NO_THROW(speech.SetVoice(0));  // SetVoice swallows even this
  EXPECT_FALSE(speech.Connected());
  FakeTextToSpeech* fake = FakeTextToSpeech::Create();
  fake->RegisterAsActive();
  EXPECT_EQ(speech.VoiceCount(), 2);
  speech.Disconnect();
  fake->RevokeActive();
  fake->Release();
}

}  // namespace
