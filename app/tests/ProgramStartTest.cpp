// Tolvane.exe as users start it, with the speech component registered: when its window appears the
// voice box lists the component's voices in their order, and the DLLs that only commands need are
// not loaded yet.
#include <windows.h>
#include <psapi.h>

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "TTSObj.h"

namespace {

std::wstring BesideThisProgram(const wchar_t* name) {
  wchar_t self[MAX_PATH];
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring path = self;
  return path.substr(0, path.find_last_of(L"\\/") + 1) + name;
}

DWORD RunAndWait(std::wstring command) {
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
  return RunAndWait(L"\"" + std::wstring(system) + L"\\regsvr32.exe\" " + options + L" \"" +
                    BesideThisProgram(L"TTSObj.dll") + L"\"");
}

template <class Predicate>
bool WaitFor(Predicate done, int milliseconds) {
  auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
  while (std::chrono::steady_clock::now() < deadline) {
    if (done()) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return done();
}

struct WindowSearch {
  DWORD pid;
  const wchar_t* className;  // null: any
  const wchar_t* caption;    // null: any
  bool visibleOnly;
  HWND found;
};

BOOL CALLBACK MatchWindow(HWND wnd, LPARAM param) {
  auto* s = reinterpret_cast<WindowSearch*>(param);
  DWORD pid = 0;
  GetWindowThreadProcessId(wnd, &pid);
  wchar_t text[128] = {}, cls[128] = {};
  GetWindowTextW(wnd, text, 128);
  GetClassNameW(wnd, cls, 128);
  if (pid == s->pid && (!s->visibleOnly || IsWindowVisible(wnd)) && (!s->caption || wcscmp(text, s->caption) == 0) &&
      (!s->className || wcscmp(cls, s->className) == 0)) {
    s->found = wnd;
    return FALSE;
  }
  return TRUE;
}

HWND TopWindow(DWORD pid, const wchar_t* className, const wchar_t* caption) {
  WindowSearch s{pid, className, caption, true, nullptr};
  EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&s));
  return s.found;
}

BOOL CALLBACK CollectComboBoxes(HWND wnd, LPARAM param) {
  wchar_t cls[64] = {};
  GetClassNameW(wnd, cls, 64);
  if (IsWindowVisible(wnd) && std::wstring(cls).find(L"ComboBox") != std::wstring::npos)
    reinterpret_cast<std::vector<HWND>*>(param)->push_back(wnd);
  return TRUE;
}

std::vector<std::wstring> ComboItems(HWND combo) {
  std::vector<std::wstring> items;
  LRESULT count = SendMessageW(combo, CB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    std::wstring text(static_cast<size_t>(SendMessageW(combo, CB_GETLBTEXTLEN, i, 0)) + 1, L'\0');
    text.resize(static_cast<size_t>(SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text.data()))));
    items.push_back(text);
  }
  return items;
}

// The voice names the registered component lists, in its order.
std::vector<std::wstring> ComponentVoices() {
  std::vector<std::wstring> names;
  ITextToSpeech* tts = nullptr;
  if (FAILED(CoCreateInstance(CLSID_TextToSpeech, nullptr, CLSCTX_INPROC_SERVER, IID_ITextToSpeech,
                              reinterpret_cast<void**>(&tts))))
    return names;
  LONG count = 0;
  tts->VoiceCount(&count);
  for (LONG i = 0; i < count; ++i) {
    BSTR name = nullptr;
    if (SUCCEEDED(tts->VoiceName(i, &name)) && name) names.emplace_back(name, SysStringLen(name));
    SysFreeString(name);
  }
  tts->Release();
  return names;
}

bool ModuleLoaded(HANDLE process, const wchar_t* name) {
  HMODULE modules[512];
  DWORD bytes = 0;
  if (!EnumProcessModules(process, modules, sizeof modules, &bytes)) return false;
  for (DWORD i = 0; i < bytes / sizeof(HMODULE); ++i) {
    wchar_t base[MAX_PATH] = {};
    GetModuleBaseNameW(process, modules[i], base, MAX_PATH);
    if (lstrcmpiW(base, name) == 0) return true;
  }
  return false;
}

class ProgramStart : public ::testing::Test {
 protected:
  // Registered for this suite only: the other programs' tests in this prefix expect no component.
  static void SetUpTestSuite() { ASSERT_EQ(Regsvr32(L"/s"), 0u); }
  static void TearDownTestSuite() { Regsvr32(L"/u /s"); }

  void SetUp() override { CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); }
  void TearDown() override {
    if (process_.hProcess) {
      if (HWND wnd = TopWindow(process_.dwProcessId, nullptr, L"TolvaneV1.5")) PostMessageW(wnd, WM_CLOSE, 0, 0);
      if (WaitForSingleObject(process_.hProcess, 20000) != WAIT_OBJECT_0) TerminateProcess(process_.hProcess, 1);
      CloseHandle(process_.hProcess);
      CloseHandle(process_.hThread);
    }
    CoUninitialize();
  }

  HWND StartProgram() {
    STARTUPINFOW si{};
    si.cb = sizeof si;
    std::wstring exe = BesideThisProgram(L"Tolvane.exe");
    std::wstring command = L"\"" + exe + L"\"";
    if (!CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &process_))
      return nullptr;
    HWND wnd = nullptr;
    WaitFor([&] { return (wnd = TopWindow(process_.dwProcessId, nullptr, L"TolvaneV1.5")) != nullptr; }, 60000);
    return wnd;
  }

  PROCESS_INFORMATION process_{};
};

TEST_F(ProgramStart, VoiceBoxListsTheComponentsVoicesInOrderWhenTheWindowAppears) {
  std::vector<std::wstring> expected = ComponentVoices();
  ASSERT_GE(expected.size(), 3u);
  HWND wnd = StartProgram();
  ASSERT_NE(wnd, nullptr);
  std::vector<HWND> combos;
  EnumChildWindows(wnd, CollectComboBoxes, reinterpret_cast<LPARAM>(&combos));
  ASSERT_EQ(combos.size(), 1u);  // the voice box; the format list sits in a hidden group
  EXPECT_EQ(ComboItems(combos[0]), expected);
  EXPECT_EQ(SendMessageA(combos[0], CB_GETCURSEL, 0, 0), 0);
}

// The program's file dialog and shell, the speech component's sound card and encoders are
// delay-loaded: none of them is loaded until a command needs it.
TEST_F(ProgramStart, DllsOfCommandsAreNotLoadedAtStart) {
  HWND wnd = StartProgram();
  ASSERT_NE(wnd, nullptr);
  // The probe sees the program's DLLs.
  EXPECT_TRUE(ModuleLoaded(process_.hProcess, L"comctl32.dll"));
  EXPECT_TRUE(ModuleLoaded(process_.hProcess, L"TTSObj.dll"));
  for (const wchar_t* dll : {L"comdlg32.dll", L"shell32.dll", L"winmm.dll", L"mfplat.dll", L"mfreadwrite.dll"})
    EXPECT_FALSE(ModuleLoaded(process_.hProcess, dll)) << dll;
}

}  // namespace
