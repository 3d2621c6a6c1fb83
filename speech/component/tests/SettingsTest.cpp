// Voices, settings, file types and formats, bad arguments and the error info they leave.
#include "ComponentFixture.h"

namespace tts::testing {
namespace {

TEST_F(ComponentTest, VoicesAreIndexedInTheEnginesOrder) {
  LONG count = 0;
  ASSERT_EQ(tts->VoiceCount(&count), S_OK);
  EXPECT_EQ(count, 2);
  Bstr name, language;
  ASSERT_EQ(tts->VoiceName(1, &name), S_OK);
  EXPECT_EQ(name.str(), L"Voice Two");
  ASSERT_EQ(tts->VoiceLanguage(0, &language), S_OK);
  EXPECT_EQ(language.str(), L"cmn");
  LONG current = -5;
  tts->GetVoice(&current);
  EXPECT_EQ(current, 0);
}

TEST_F(ComponentTest, SetVoiceOutOfRangeChangesNothingAndSaysWhy) {
  ASSERT_EQ(tts->SetVoice(1), S_OK);
  EXPECT_EQ(tts->SetVoice(2), E_INVALIDARG);
  EXPECT_NE(LastErrorDescription().find(L"out of range"), std::wstring::npos);
  EXPECT_EQ(tts->SetVoice(-1), E_INVALIDARG);
  LONG current = 0;
  tts->GetVoice(&current);
  EXPECT_EQ(current, 1);
  Bstr name;
  EXPECT_EQ(tts->VoiceName(7, &name), E_INVALIDARG);
  EXPECT_EQ(name.str(), L"");
}

TEST_F(ComponentTest, WithoutVoicesSetVoiceAndSpeakFail) {
  engine->SetVoices({});
  Build(engine);
  LONG count = -1;
  ASSERT_EQ(tts->VoiceCount(&count), S_OK);
  EXPECT_EQ(count, 0);
  EXPECT_EQ(tts->SetVoice(0), E_INVALIDARG);
  LONG current = 0;
  tts->GetVoice(&current);
  EXPECT_EQ(current, -1);
  EXPECT_EQ(Speak(L"一"), E_INVALIDARG);
  EXPECT_EQ(LastErrorDescription(), L"No voice is installed.");
}

TEST_F(ComponentTest, SettingsTakeEffectAtTheNextSpeak) {
  ASSERT_EQ(tts->SetVoice(1), S_OK);
  ASSERT_EQ(tts->SetRate(-10), S_OK);
  ASSERT_EQ(tts->SetVolume(35), S_OK);
  ASSERT_EQ(tts->SetPitch(7), S_OK);
  EXPECT_EQ(engine->Pieces(), 0);
  ASSERT_EQ(Speak(L"一"), S_OK);
  ASSERT_TRUE(WaitForEnd());
  auto s = engine->LastSettings();
  EXPECT_EQ(s.voice, 1);
  EXPECT_EQ(s.rate, -10);
  EXPECT_EQ(s.volume, 35);
  EXPECT_EQ(s.pitch, 7);
  LONG v = 0;
  tts->GetRate(&v);
  EXPECT_EQ(v, -10);
  tts->GetVolume(&v);
  EXPECT_EQ(v, 35);
  tts->GetPitch(&v);
  EXPECT_EQ(v, 7);
}

TEST_F(ComponentTest, SettingsOutOfRangeAreRefused) {
  EXPECT_EQ(tts->SetRate(11), E_INVALIDARG);
  EXPECT_EQ(tts->SetRate(-11), E_INVALIDARG);
  EXPECT_EQ(tts->SetVolume(101), E_INVALIDARG);
  EXPECT_EQ(tts->SetVolume(-1), E_INVALIDARG);
  EXPECT_EQ(tts->SetPitch(20), E_INVALIDARG);
  EXPECT_EQ(LastErrorDescription(), L"Pitch 20 is out of range (-10 to 10).");
  LONG v = 0;
  tts->GetVolume(&v);
  EXPECT_EQ(v, 100);
}

TEST_F(ComponentTest, FileTypesAndTheirFormats) {
  LONG count = 0;
  ASSERT_EQ(tts->FileTypeCount(&count), S_OK);
  ASSERT_EQ(count, 7);
  const wchar_t* names[] = {L"WAV", L"MP3", L"WMA", L"OGG", L"VOX", L"AU", L"AIFF"};
  for (LONG i = 0; i < 7; ++i) {
    Bstr name;
    ASSERT_EQ(tts->FileTypeName(i, &name), S_OK);
    EXPECT_EQ(name.str(), names[i]);
  }
  ASSERT_EQ(tts->SetFileType(0), S_OK);
  ASSERT_EQ(tts->FormatCount(&count), S_OK);
  EXPECT_GT(count, 4);
  bool found = false;
  for (LONG i = 0; i < count; ++i) {
    ASSERT_EQ(tts->SetFormat(i), S_OK);
    Bstr name;
    ASSERT_EQ(tts->FormatName(&name), S_OK);
    found |= name.str() == L"16kHz 16Bit Mono";
  }
  EXPECT_TRUE(found);
  // Changing the type starts its list from the first option.
  ASSERT_EQ(tts->SetFileType(4), S_OK);
  LONG format = -1;
  tts->GetFormat(&format);
  EXPECT_EQ(format, 0);
  Bstr vox;
  tts->FormatName(&vox);
  EXPECT_EQ(vox.str(), L"8kHz 4Bit Mono");
}

TEST_F(ComponentTest, BadIndicesAndNullPointersFailWithErrorInfo) {
  EXPECT_EQ(tts->SetFileType(7), E_INVALIDARG);
  EXPECT_EQ(tts->SetFileType(-1), E_INVALIDARG);
  EXPECT_EQ(tts->SetFormat(99), E_INVALIDARG);
  EXPECT_EQ(tts->SetFormat(-1), E_INVALIDARG);
  Bstr name;
  EXPECT_EQ(tts->FileTypeName(9, &name), E_INVALIDARG);
  EXPECT_EQ(tts->VoiceCount(nullptr), E_POINTER);
  EXPECT_EQ(tts->FormatName(nullptr), E_POINTER);
  ISupportErrorInfo* support = nullptr;
  ASSERT_EQ(tts->QueryInterface(IID_ISupportErrorInfo, reinterpret_cast<void**>(&support)), S_OK);
  EXPECT_EQ(support->InterfaceSupportsErrorInfo(IID_ITextToSpeech), S_OK);
  support->Release();
}

TEST_F(ComponentTest, EngineThatCannotStartReportsItsMessage) {
  recorder.Disconnect();
  tts->Release();
  tts = nullptr;
  ComponentParts parts;
  parts.makeEngine = []() -> std::shared_ptr<SpeechEngine> { throw EngineError("no helper here"); };
  ASSERT_EQ(TextToSpeech::Create(std::move(parts), IID_ITextToSpeech, reinterpret_cast<void**>(&tts)), S_OK);
  LONG count = 0;
  EXPECT_EQ(tts->VoiceCount(&count), E_FAIL);
  EXPECT_EQ(LastErrorDescription(), L"no helper here");
  EXPECT_EQ(Speak(L"一"), E_FAIL);
}

TEST_F(ComponentTest, DispatchCallsReachTheMethods) {
  DISPID id = 0;
  LPOLESTR name = const_cast<LPOLESTR>(L"VoiceName");
  ASSERT_EQ(tts->GetIDsOfNames(IID_NULL, &name, 1, LOCALE_USER_DEFAULT, &id), S_OK);
  VARIANT arg;
  VariantInit(&arg);
  arg.vt = VT_I4;
  arg.lVal = 1;
  DISPPARAMS params{&arg, nullptr, 1, 0};
  VARIANT result;
  VariantInit(&result);
  ASSERT_EQ(tts->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, &result, nullptr, nullptr), S_OK);
  ASSERT_EQ(result.vt, VT_BSTR);
  EXPECT_EQ(std::wstring(result.bstrVal), L"Voice Two");
  VariantClear(&result);
  // A failing call through IDispatch fills the exception info.
  LPOLESTR setRate = const_cast<LPOLESTR>(L"SetRate");
  ASSERT_EQ(tts->GetIDsOfNames(IID_NULL, &setRate, 1, LOCALE_USER_DEFAULT, &id), S_OK);
  arg.lVal = 50;
  EXCEPINFO info{};
  EXPECT_EQ(tts->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, nullptr, &info, nullptr),
            DISP_E_EXCEPTION);
  EXPECT_EQ(info.scode, E_INVALIDARG);
  SysFreeString(info.bstrDescription);
  SysFreeString(info.bstrSource);
  SysFreeString(info.bstrHelpFile);
}

TEST_F(ComponentTest, ConnectionPointsAreFoundAndListed) {
  IConnectionPointContainer* container = nullptr;
  ASSERT_EQ(tts->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(&container)), S_OK);
  IConnectionPoint* point = nullptr;
  EXPECT_EQ(container->FindConnectionPoint(IID_IDispatch, &point), CONNECT_E_NOCONNECTION);
  IEnumConnectionPoints* points = nullptr;
  ASSERT_EQ(container->EnumConnectionPoints(&points), S_OK);
  ULONG fetched = 0;
  ASSERT_EQ(points->Next(1, &point, &fetched), S_OK);
  IID iid{};
  point->GetConnectionInterface(&iid);
  EXPECT_EQ(iid, DIID_ITextToSpeechEvents);
  IEnumConnections* connections = nullptr;
  ASSERT_EQ(point->EnumConnections(&connections), S_OK);
  CONNECTDATA data{};
  EXPECT_EQ(connections->Next(1, &data, &fetched), S_OK);  // the recorder
  data.pUnk->Release();
  EXPECT_EQ(connections->Next(1, &data, &fetched), S_FALSE);
  connections->Release();
  EXPECT_EQ(points->Next(1, &point, &fetched), S_FALSE);
  point->Release();
  points->Release();
  container->Release();
}

}  // namespace
}  // namespace tts::testing
