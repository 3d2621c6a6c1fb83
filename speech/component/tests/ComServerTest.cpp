// The built TTSObj.dll as users get it: registered with regsvr32, created by class id, speaking
// through the native eSpeak NG helper under Wine.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "Articles.h"
#include "ComponentFixture.h"
#include "HelperEngine.h"
#include "HelperProcess.h"
#include "ModuleInfo.h"
#include "Registration.h"

namespace tts::testing {
namespace {

std::wstring DllPath() { return ModuleDirectory() + L"\\TTSObj.dll"; }

// Starts a Unix program (Wine gives no handle to wait on).
bool StartUnixProgram(std::wstring command) {
  STARTUPINFOW si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return false;
  if (pi.hProcess) CloseHandle(pi.hProcess);
  if (pi.hThread) CloseHandle(pi.hThread);
  return true;
}

// The library id the DLL's type library states.
GUID TypeLibraryIdOfDll() {
  ITypeLib* lib = nullptr;
  GUID id{};
  if (SUCCEEDED(LoadTypeLibEx(ModuleDirectory().append(L"\\TTSObj.dll").c_str(), REGKIND_NONE, &lib))) {
    TLIBATTR* attr = nullptr;
    lib->GetLibAttr(&attr);
    id = attr->guid;
    lib->ReleaseTLibAttr(attr);
    lib->Release();
  }
  return id;
}

// Runs a Windows program and returns its exit code.
DWORD RunProgram(std::wstring command) {
  STARTUPINFOW si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return ~0u;
  WaitForSingleObject(pi.hProcess, 60000);
  DWORD code = ~0u;
  GetExitCodeProcess(pi.hProcess, &code);
  CloseHandle(pi.hProcess);
  CloseHandle(pi.hThread);
  return code;
}

DWORD Regsvr32(const std::wstring& options) {
  wchar_t system[MAX_PATH];
  GetSystemDirectoryW(system, MAX_PATH);
  return RunProgram(L"\"" + std::wstring(system) + L"\\regsvr32.exe\" " + options + L" \"" + DllPath() + L"\"");
}

std::wstring ReadValue(HKEY root, const std::wstring& key, const wchar_t* name) {
  wchar_t value[1024] = {};
  DWORD size = sizeof value;
  if (RegGetValueW(root, key.c_str(), name, RRF_RT_REG_SZ, nullptr, value, &size) != ERROR_SUCCESS) return L"";
  return value;
}

const wchar_t kClsidKey[] = L"CLSID\\{A5584957-EF07-419C-BACD-9931F1256D92}";

// Registers the DLL for the suite and removes it afterwards: other programs' tests in this prefix
// expect no speech component.
class ComServer : public ComponentTest {
 protected:
  static void SetUpTestSuite() { ASSERT_EQ(Regsvr32(L"/s"), 0u); }
  static void TearDownTestSuite() { Regsvr32(L"/u /s"); }
  void SetUp() override {}
  void Create() {
    ASSERT_EQ(CoCreateInstance(CLSID_TextToSpeech, nullptr, CLSCTX_INPROC_SERVER, IID_ITextToSpeech,
                               reinterpret_cast<void**>(&tts)),
              S_OK);
    recorder.Connect(tts);
  }
  std::vector<std::pair<LONG, LONG>> Words() const {
    std::vector<std::pair<LONG, LONG>> out;
    for (const auto& e : recorder.Of(kWord)) out.emplace_back(e.a, e.b);
    return out;
  }
};

TEST_F(ComServer, Regsvr32RegistersTheClassItsProgIdAndTypeLibrary) {
  std::wstring server = ReadValue(HKEY_CLASSES_ROOT, std::wstring(kClsidKey) + L"\\InprocServer32", nullptr);
  EXPECT_EQ(CompareStringOrdinal(server.c_str(), -1, DllPath().c_str(), -1, TRUE), CSTR_EQUAL);
  EXPECT_EQ(ReadValue(HKEY_CLASSES_ROOT, std::wstring(kClsidKey) + L"\\InprocServer32", L"ThreadingModel"),
            L"Apartment");
  CLSID clsid{};
  ASSERT_EQ(CLSIDFromProgID(L"TTSObj.TextToSpeech", &clsid), S_OK);
  EXPECT_EQ(clsid, CLSID_TextToSpeech);
  ITypeLib* lib = nullptr;
  ASSERT_EQ(LoadRegTypeLib(TypeLibraryIdOfDll(), 1, 0, LOCALE_NEUTRAL, &lib), S_OK);
  lib->Release();
  wchar_t libId[40];
  StringFromGUID2(TypeLibraryIdOfDll(), libId, 40);
  EXPECT_EQ(ReadValue(HKEY_CLASSES_ROOT, std::wstring(kClsidKey) + L"\\TypeLib", nullptr), libId);
}

TEST_F(ComServer, CreatedByClassIdListsTheEspeakVoicesMandarinFirst) {
  Create();
  LONG count = 0;
  ASSERT_EQ(tts->VoiceCount(&count), S_OK);
  ASSERT_GE(count, 3);
  Bstr name, language;
  ASSERT_EQ(tts->VoiceName(0, &name), S_OK);
  EXPECT_NE(name.str().find(L"普通话"), std::wstring::npos);
  const wchar_t* expected[] = {L"cmn", L"yue", L"en"};
  for (LONG i = 0; i < 3; ++i) {
    ASSERT_EQ(tts->VoiceLanguage(i, &language), S_OK);
    EXPECT_EQ(language.str().rfind(expected[i], 0), 0u) << i;
    ASSERT_EQ(tts->VoiceName(i, &name), S_OK);
    EXPECT_FALSE(name.str().empty());
  }
}

TEST_F(ComServer, UnregisteringRemovesTheClass) {
  ASSERT_EQ(Regsvr32(L"/u /s"), 0u);
  EXPECT_EQ(ReadValue(HKEY_CLASSES_ROOT, std::wstring(kClsidKey) + L"\\InprocServer32", nullptr), L"");
  IUnknown* unknown = nullptr;
  EXPECT_EQ(CoCreateInstance(CLSID_TextToSpeech, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                             reinterpret_cast<void**>(&unknown)),
            REGDB_E_CLASSNOTREG);
  ASSERT_EQ(Regsvr32(L"/s"), 0u);
}

TEST_F(ComServer, ReadingTellsEveryChineseCharacterAtItsPlace) {
  Create();
  std::wstring text = L"今天天气很好，我们去公园。Hello world! 明天见。";
  ASSERT_EQ(tts->Speak(Bstr(text), 0), S_OK);
  ASSERT_TRUE(WaitForEnd(1, 60000));
  EXPECT_EQ(recorder.events.front().id, kStart);
  EXPECT_EQ(recorder.events.back().id, kEnd);
  std::set<LONG> hanHeard;
  LONG last = -1;
  for (auto [start, length] : Words()) {
    ASSERT_GE(start, 0);
    ASSERT_LE(static_cast<size_t>(start + length), text.size());
    EXPECT_GT(start, last);  // in text order
    last = start;
    std::wstring word = text.substr(start, length);
    if (length == 1 && IsHan(word[0])) hanHeard.insert(start);
    else EXPECT_TRUE(word == L"Hello" || word == L"world") << start << " " << length;
  }
  std::set<LONG> han;
  for (size_t i = 0; i < text.size(); ++i)
    if (IsHan(text[i])) han.insert(static_cast<LONG>(i));
  EXPECT_EQ(hanHeard, han);
  EXPECT_EQ(recorder.Of(kProgress).back().a, 100);
}

TEST_F(ComServer, PauseAndResumeOnTheSilentClock) {
  Create();
  std::wstring text = ChineseArticle(60);
  ASSERT_EQ(tts->Speak(Bstr(text), 0), S_OK);
  ASSERT_TRUE(WaitForWords(3, 30000));
  ASSERT_EQ(tts->Pause(), S_OK);
  Pump(150);
  size_t held = recorder.Count(kWord);
  Pump(800);
  EXPECT_EQ(recorder.Count(kWord), held);
  ASSERT_EQ(tts->Resume(), S_OK);
  ASSERT_TRUE(WaitForWords(held + 2, 30000));
  ASSERT_EQ(tts->Stop(), S_OK);
  ASSERT_TRUE(WaitForEnd(1, 10000));
  auto words = Words();
  for (size_t i = 1; i < words.size(); ++i) EXPECT_GT(words[i].first, words[i - 1].first);
}

TEST_F(ComServer, ReadingGoesOnAtThePaceOfSpeech) {
  Create();
  std::wstring text = L"一二三四五六七八九十";
  auto begin = std::chrono::steady_clock::now();
  ASSERT_EQ(tts->Speak(Bstr(text), 0), S_OK);
  ASSERT_TRUE(WaitForEnd(1, 30000));
  double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
  // Ten syllables cannot be spoken in much less than two seconds: the silent clock keeps time.
  EXPECT_GT(seconds, 1.5);
}

TEST_F(ComServer, ReplacingSpeakAndBadInputs) {
  Create();
  ASSERT_EQ(tts->Speak(Bstr(ChineseArticle(200)), 0), S_OK);
  ASSERT_TRUE(WaitForWords(2, 30000));
  ASSERT_EQ(tts->Speak(Bstr(L"好"), 0), S_OK);
  ASSERT_TRUE(WaitForEnd(2, 30000));
  EXPECT_EQ(recorder.Count(kStart), 2u);
  EXPECT_EQ(Words().back(), (std::pair<LONG, LONG>{0, 1}));
  EXPECT_EQ(tts->SetVoice(99), E_INVALIDARG);
  EXPECT_EQ(tts->Speak(Bstr(L""), 0), S_OK);
  ASSERT_TRUE(WaitForEnd(3, 30000));
  std::wstring huge(5 * 1024 * 1024, L'字');
  ASSERT_EQ(tts->Speak(Bstr(huge), 0), S_OK);
  ASSERT_TRUE(WaitForWords(recorder.Count(kWord) + 2, 30000));
  ASSERT_EQ(tts->Stop(), S_OK);
  ASSERT_TRUE(WaitForEnd(4, 30000));
}

// The helper is taken away in the middle of a reading: the reading ends, the next starts a new one.
TEST_F(ComServer, LosingTheHelperEndsTheReadingAndTheNextStartsAnother) {
  auto engine = std::make_shared<HelperEngine>();
  ComponentParts parts = DefaultParts();
  parts.makeEngine = [engine] { return engine; };
  ASSERT_EQ(TextToSpeech::Create(std::move(parts), IID_ITextToSpeech, reinterpret_cast<void**>(&tts)), S_OK);
  recorder.Connect(tts);
  ASSERT_EQ(tts->Speak(Bstr(ChineseArticle(300)), 0), S_OK);
  ASSERT_TRUE(WaitForWords(2, 30000));
  uint32_t pid = engine->HelperProcessId();
  ASSERT_NE(pid, 0u);
  ASSERT_TRUE(StartUnixProgram(L"/bin/kill -9 " + std::to_wstring(pid)));
  ASSERT_TRUE(WaitForEnd(1, 30000));
  size_t words = recorder.Count(kWord);
  EXPECT_LT(words, 300u);
  ASSERT_EQ(tts->Speak(Bstr(L"你好"), 0), S_OK);
  ASSERT_TRUE(WaitForEnd(2, 30000));
  EXPECT_EQ(recorder.Count(kWord), words + 2);
  EXPECT_NE(engine->HelperProcessId(), pid);
}

TEST_F(ComServer, AHelperLostWhileIdleIsReplacedForTheNextReading) {
  auto engine = std::make_shared<HelperEngine>();
  ComponentParts parts = DefaultParts();
  parts.makeEngine = [engine] { return engine; };
  ASSERT_EQ(TextToSpeech::Create(std::move(parts), IID_ITextToSpeech, reinterpret_cast<void**>(&tts)), S_OK);
  recorder.Connect(tts);
  ASSERT_EQ(tts->Speak(Bstr(L"你好"), 0), S_OK);
  ASSERT_TRUE(WaitForEnd(1, 30000));
  uint32_t pid = engine->HelperProcessId();
  ASSERT_TRUE(StartUnixProgram(L"/bin/kill -9 " + std::to_wstring(pid)));
  Pump(500);
  ASSERT_EQ(tts->Speak(Bstr(L"再见"), 0), S_OK);
  ASSERT_TRUE(WaitForEnd(2, 30000));
  EXPECT_EQ(recorder.Count(kWord), 4u);
  EXPECT_NE(engine->HelperProcessId(), pid);
}

TEST(Registration, FallsBackToTheUserWhenMachineKeysCannotBeWritten) {
  // Wine does not enforce key access rights; a handle that is not a key fails the same way.
  HKEY notWritable = reinterpret_cast<HKEY>(static_cast<intptr_t>(0x7ffffff0));
  HKEY user = nullptr;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\TolvaneTest\\Classes", 0, nullptr, 0, KEY_ALL_ACCESS,
                            nullptr, &user, nullptr),
            ERROR_SUCCESS);
  EXPECT_EQ(WriteClassKeys(notWritable, user, L"C:\\x\\TTSObj.dll", LIBID_TTSObjLib), RegistrationScope::User);
  EXPECT_EQ(ReadValue(user, std::wstring(kClsidKey) + L"\\InprocServer32", nullptr), L"C:\\x\\TTSObj.dll");
  EXPECT_EQ(ReadValue(user, L"TTSObj.TextToSpeech\\CLSID", nullptr), L"{A5584957-EF07-419C-BACD-9931F1256D92}");
  EXPECT_EQ(WriteClassKeys(user, nullptr, L"C:\\y\\TTSObj.dll", LIBID_TTSObjLib), RegistrationScope::Machine);
  EXPECT_THROW(WriteClassKeys(notWritable, nullptr, L"C:\\z\\TTSObj.dll", LIBID_TTSObjLib), std::system_error);
  DeleteClassKeys(user);
  EXPECT_EQ(ReadValue(user, std::wstring(kClsidKey) + L"\\InprocServer32", nullptr), L"");
  RegCloseKey(user);
  RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\TolvaneTest");
}

TEST(HelperLaunch, HelperIsFoundNextToTheComponentUnderWine) {
  ASSERT_TRUE(RunningUnderWine());
  std::wstring path = FindHelper();
  EXPECT_FALSE(path.empty());
  SetEnvironmentVariableW(L"TOLVANE_SPEECH_HELPER", L"/nonexistent/helper");
  EXPECT_EQ(FindHelper(), path);  // a wrong override falls through to the next place
  SetEnvironmentVariableW(L"TOLVANE_SPEECH_HELPER", nullptr);
}

TEST(HelperLaunch, AProgramThatIsNotTheHelperIsNotTrusted) {
  // /bin/true starts but never connects back with the token.
  HelperEngine engine(L"/bin/true");
  auto begin = std::chrono::steady_clock::now();
  EXPECT_THROW(engine.Voices(), EngineError);
  EXPECT_LT(std::chrono::steady_clock::now() - begin, std::chrono::seconds(30));
}

// The marker file that makes the dying helper die only once, removed at the end.
class DyingHelperMark {
 public:
  DyingHelperMark() {
    std::wstring name = L"tolvane-dying-helper-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                        std::to_wstring(GetTickCount64());
    unix_ = L"/tmp/" + name;
    dos_ = L"Z:\\tmp\\" + name;
    SetEnvironmentVariableW(L"TOLVANE_TEST_MARK", unix_.c_str());
  }
  ~DyingHelperMark() {
    SetEnvironmentVariableW(L"TOLVANE_TEST_MARK", nullptr);
    DeleteFileW(dos_.c_str());
  }

 private:
  std::wstring unix_, dos_;
};

// A helper that greets and dies before the voice list: the first call reports it, the next starts
// another helper.
TEST_F(ComponentTest, AHelperThatDiesWhileStartingIsReportedAndTheNextCallStartsAnother) {
  DyingHelperMark mark;
  recorder.Disconnect();
  tts->Release();
  tts = nullptr;
  ComponentParts parts = DefaultParts();
  std::string script = TOLVANE_DYING_HELPER;
  parts.makeEngine = [script] { return std::make_shared<HelperEngine>(std::wstring(script.begin(), script.end())); };
  ASSERT_EQ(TextToSpeech::Create(std::move(parts), IID_ITextToSpeech, reinterpret_cast<void**>(&tts)), S_OK);
  LONG count = 0;
  EXPECT_EQ(tts->VoiceCount(&count), E_FAIL);
  std::wstring error = LastErrorDescription();
  EXPECT_EQ(error.rfind(L"The speech helper stopped working", 0), 0u) << error;
  ASSERT_EQ(tts->VoiceCount(&count), S_OK);
  EXPECT_GE(count, 3);
}

TEST(HelperLaunch, AConnectionWithTheWrongTokenIsIgnored) {
  std::string script = TOLVANE_IMPOSTOR_HELPER;
  HelperEngine engine(std::wstring(script.begin(), script.end()));
  auto voices = engine.Voices();
  ASSERT_GE(voices.size(), 3u);
  EXPECT_EQ(voices[0].language, L"cmn");
}

}  // namespace
}  // namespace tts::testing
