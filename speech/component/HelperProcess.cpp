#include "HelperProcess.h"

#include <windows.h>
#include <bcrypt.h>

#include <chrono>
#include <string>
#include <vector>

#include "ModuleInfo.h"
#include "SpeechEngine.h"
#include "Utf.h"

namespace tts {

namespace {

constexpr wchar_t kHelperName[] = L"tolvane-speech-helper";
constexpr wchar_t kTokenVariable[] = L"TOLVANE_SPEECH_TOKEN";
constexpr auto kStartTimeout = std::chrono::seconds(15);

std::wstring Widen(const std::string& utf8) {
  auto u16 = Utf8ToUtf16(utf8);
  return std::wstring(u16.begin(), u16.end());
}

// A Unix path ("/usr/...") as Wine's DOS name, so that its existence can be checked.
std::wstring DosNameOf(const std::wstring& path) {
  if (path.empty() || path[0] != L'/') return path;
  using ToDos = WCHAR* (*)(LPCSTR);
  auto toDos = reinterpret_cast<ToDos>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_dos_file_name")));
  if (!toDos) return path;
  std::string narrow(path.begin(), path.end());
  WCHAR* dos = toDos(narrow.c_str());
  if (!dos) return path;
  std::wstring out = dos;
  HeapFree(GetProcessHeap(), 0, dos);
  return out;
}

bool FileExists(const std::wstring& path) {
  DWORD a = GetFileAttributesW(DosNameOf(path).c_str());
  return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

std::string RandomToken() {
  unsigned char bytes[24];
  if (!BCRYPT_SUCCESS(BCryptGenRandom(nullptr, bytes, sizeof bytes, BCRYPT_USE_SYSTEM_PREFERRED_RNG)))
    throw EngineError("No random numbers for the speech helper's token.");
  static const char kHex[] = "0123456789abcdef";
  std::string token;
  for (unsigned char b : bytes) {
    token += kHex[b >> 4];
    token += kHex[b & 15];
  }
  return token;
}

// This process's environment with the token added, as CreateProcess wants it.
std::vector<wchar_t> EnvironmentWithToken(const std::string& token) {
  std::vector<wchar_t> block;
  if (LPWCH env = GetEnvironmentStringsW()) {
    for (const wchar_t* p = env; *p; p += wcslen(p) + 1) {
      std::wstring entry = p;
      if (entry.rfind(std::wstring(kTokenVariable) + L"=", 0) == 0) continue;
      block.insert(block.end(), entry.begin(), entry.end());
      block.push_back(L'\0');
    }
    FreeEnvironmentStringsW(env);
  }
  std::wstring ours = std::wstring(kTokenVariable) + L"=" + std::wstring(token.begin(), token.end());
  block.insert(block.end(), ours.begin(), ours.end());
  block.push_back(L'\0');
  block.push_back(L'\0');
  return block;
}

bool SameToken(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  unsigned diff = 0;
  for (size_t i = 0; i < a.size(); ++i) diff |= static_cast<unsigned char>(a[i] ^ b[i]);
  return diff == 0;
}

}  // namespace

bool RunningUnderWine() {
  HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
  return ntdll && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

std::wstring FindHelper() {
  std::vector<std::wstring> candidates;
  wchar_t env[MAX_PATH * 2];
  DWORD n = GetEnvironmentVariableW(L"TOLVANE_SPEECH_HELPER", env, MAX_PATH * 2);
  if (n > 0 && n < MAX_PATH * 2) candidates.emplace_back(env);
  std::wstring dir = ModuleDirectory();
  if (!dir.empty()) candidates.push_back(dir + L"\\" + kHelperName);
#ifdef TOLVANE_SPEECH_HELPER_BUILD_PATH
  candidates.push_back(Widen(TOLVANE_SPEECH_HELPER_BUILD_PATH));
#endif
  for (const auto& c : candidates)
    if (FileExists(c)) return c;
  return {};
}

HelperConnection LaunchHelper(const std::wstring& path) {
  LoopbackListener listener;
  std::string token = RandomToken();
  std::wstring command = L"\"" + path + L"\" --port " + std::to_wstring(listener.Port());
  std::vector<wchar_t> environment = EnvironmentWithToken(token);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW | CREATE_UNICODE_ENVIRONMENT,
                      environment.data(), nullptr, &startup, &process)) {
    throw EngineError("The speech helper could not be started (error " + std::to_string(GetLastError()) + ").");
  }
  // Wine gives no usable handle for a Unix process; the connection tells whether it lives.
  if (process.hProcess) CloseHandle(process.hProcess);
  if (process.hThread) CloseHandle(process.hThread);

  auto deadline = std::chrono::steady_clock::now() + kStartTimeout;
  while (std::chrono::steady_clock::now() < deadline) {
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    Socket s = listener.Accept(left);
    if (!s.Valid()) break;
    auto stream = std::make_unique<FrameStream>(std::move(s));
    try {
      protocol::Frame frame;
      if (!stream->Read(frame, std::chrono::seconds(5)) || frame.type != protocol::MessageType::Hello) continue;
      protocol::Hello hello = protocol::Hello::Decode(frame);
      // Anything else on this machine can connect to the port; only our helper knows the token.
      if (!SameToken(hello.token, token)) continue;
      if (hello.version != protocol::kVersion || hello.sampleRate == 0)
        throw EngineError("The speech helper does not match this speech component (protocol " +
                          std::to_string(hello.version) + ").");
      return HelperConnection{std::move(stream), hello};
    } catch (const EngineError&) {
      throw;
    } catch (const std::exception&) {
      continue;  // a connection that broke off: keep waiting for the real one
    }
  }
  throw EngineError("The speech helper did not answer. Is eSpeak NG installed (espeak-ng-data)?");
}

}  // namespace tts
