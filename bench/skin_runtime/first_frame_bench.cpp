// Start-up to the first skinned frame: the time from process creation until the practice window's
// skinned title band shows on the screen, beside a bare Win32 window of the same size and caption
// measured the same way in the same run. Both are watched from outside, through the screen's
// pixels: nothing in the program is there for the benchmark.
//   bench_first_frame [runs] [path\to\Tolvane.exe]
//
// A first, untimed start of each program (which also warms the caches) settles its final look:
// the colours at a few points of its title band. A timed start ends at the first poll that finds
// those colours at those points of the program's window.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr wchar_t Caption[] = L"TolvaneV1.5";
constexpr double TimeoutMs = 30000;

// Points of the title band: a fraction of the window's width, a row from its top edge. Away from
// the caption text (left) and the caption buttons (right), inside any skin's title band.
struct SamplePoint {
  double x;
  int y;
};
constexpr SamplePoint SamplePoints[] = {{0.50, 4}, {0.55, 9}, {0.62, 14}, {0.70, 6}};

using Look = std::vector<COLORREF>;

double Now() {
  LARGE_INTEGER frequency, counter;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&counter);
  return static_cast<double>(counter.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

class ScreenDC {
 public:
  ScreenDC() : dc_(GetDC(nullptr)) {}
  ~ScreenDC() { ReleaseDC(nullptr, dc_); }
  ScreenDC(const ScreenDC&) = delete;
  ScreenDC& operator=(const ScreenDC&) = delete;
  COLORREF Pixel(int x, int y) const { return GetPixel(dc_, x, y); }

 private:
  HDC dc_;
};

// A started program, ended (killed) when this goes.
class Started {
 public:
  explicit Started(const std::wstring& exe) {
    STARTUPINFOW si{};
    si.cb = sizeof si;
    std::wstring command = L"\"" + exe + L"\"";
    if (!CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &info_))
      info_ = PROCESS_INFORMATION{};
  }
  ~Started() {
    if (!info_.hProcess) return;
    TerminateProcess(info_.hProcess, 0);
    WaitForSingleObject(info_.hProcess, 10000);
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
  }
  Started(const Started&) = delete;
  Started& operator=(const Started&) = delete;
  bool Ok() const { return info_.hProcess != nullptr; }
  DWORD Id() const { return info_.dwProcessId; }

 private:
  PROCESS_INFORMATION info_{};
};

struct Search {
  DWORD pid;
  HWND found;
};

BOOL CALLBACK FindCaptioned(HWND wnd, LPARAM param) {
  auto* search = reinterpret_cast<Search*>(param);
  DWORD pid = 0;
  GetWindowThreadProcessId(wnd, &pid);
  if (pid != search->pid || !IsWindowVisible(wnd)) return TRUE;
  wchar_t text[32] = {};
  GetWindowTextW(wnd, text, 32);
  if (std::wstring(text) != Caption) return TRUE;
  search->found = wnd;
  return FALSE;
}

HWND WindowOf(DWORD pid) {
  Search search{pid, nullptr};
  EnumWindows(FindCaptioned, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::vector<POINT> PointsOn(const RECT& window) {
  std::vector<POINT> points;
  for (const SamplePoint& p : SamplePoints)
    points.push_back(POINT{window.left + static_cast<int>((window.right - window.left) * p.x), window.top + p.y});
  return points;
}

Look LookAt(const ScreenDC& screen, const std::vector<POINT>& points) {
  Look look;
  for (POINT p : points) look.push_back(screen.Pixel(p.x, p.y));
  return look;
}

// The program's final look: its window's title-band colours once they stay the same for a second.
bool SettledLook(const std::wstring& exe, const ScreenDC& screen, Look& look, RECT& where) {
  Started program(exe);
  if (!program.Ok()) return false;
  const double start = Now();
  Look last;
  RECT lastRect{};
  int same = 0;
  while (Now() - start < TimeoutMs) {
    Sleep(50);
    HWND wnd = WindowOf(program.Id());
    RECT rect{};
    if (!wnd || !GetWindowRect(wnd, &rect)) continue;
    const Look now = LookAt(screen, PointsOn(rect));
    same = (now == last && EqualRect(&rect, &lastRect)) ? same + 1 : 0;
    last = now;
    lastRect = rect;
    if (same >= 20) {
      look = now;
      where = rect;
      return true;
    }
  }
  return false;
}

// Process creation to the first poll that shows the look; negative when it never shows.
double TimeToLook(const std::wstring& exe, const ScreenDC& screen, const Look& look) {
  const double start = Now();
  Started program(exe);
  if (!program.Ok()) return -1;
  HWND wnd = nullptr;
  while (Now() - start < TimeoutMs) {
    if (!wnd) wnd = WindowOf(program.Id());
    RECT rect{};
    if (wnd && GetWindowRect(wnd, &rect) && LookAt(screen, PointsOn(rect)) == look) return Now() - start;
    Sleep(1);
  }
  return -1;
}

// The speech component beside the program is registered, as the installer would, so that the
// program starts the whole way.
void RegisterSpeechComponent(const std::wstring& folder) {
  HMODULE dll = LoadLibraryW((folder + L"TTSObj.dll").c_str());
  if (!dll) {
    std::printf("note: no TTSObj.dll beside the program; it starts without its speech component\n");
    return;
  }
  using Register = HRESULT(STDAPICALLTYPE*)();
  auto reg = reinterpret_cast<Register>(reinterpret_cast<void*>(GetProcAddress(dll, "DllRegisterServer")));
  if (!reg || FAILED(reg()))
    std::printf("note: TTSObj.dll could not be registered\n");
  FreeLibrary(dll);
}

struct Figures {
  double median, min, max;
};

Figures Summarise(std::vector<double> ms) {
  std::sort(ms.begin(), ms.end());
  const size_t n = ms.size();
  const double median = n % 2 ? ms[n / 2] : (ms[n / 2 - 1] + ms[n / 2]) / 2;
  return Figures{median, ms.front(), ms.back()};
}

void Print(const char* what, const std::vector<double>& ms) {
  const Figures f = Summarise(ms);
  std::printf("%-44s n=%zu  median %7.1f ms  min %7.1f ms  max %7.1f ms\n", what, ms.size(), f.median, f.min, f.max);
}

std::wstring HexLook(const Look& look) {
  std::wstring text;
  for (COLORREF c : look) {
    wchar_t part[16];
    swprintf(part, 16, L" %06lX", static_cast<unsigned long>(c));
    text += part;
  }
  return text;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const int runs = argc > 1 ? std::max(1, _wtoi(argv[1])) : 9;
  wchar_t self[MAX_PATH];
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring folder(self);
  folder = folder.substr(0, folder.find_last_of(L"\\/") + 1);
  const std::wstring practice = argc > 2 ? argv[2] : folder + L"Tolvane.exe";
  const std::wstring bare = folder + L"bench_bare_window.exe";
  RegisterSpeechComponent(practice.substr(0, practice.find_last_of(L"\\/") + 1));

  ScreenDC screen;
  Look skinned, plain;
  RECT skinnedAt{}, plainAt{};
  if (!SettledLook(practice, screen, skinned, skinnedAt)) {
    std::printf("the practice window did not settle: %ls\n", practice.c_str());
    return 1;
  }
  if (!SettledLook(bare, screen, plain, plainAt)) {
    std::printf("the bare window did not settle: %ls\n", bare.c_str());
    return 1;
  }
  // The looks must tell the windows from each other and from the empty screen.
  Sleep(300);
  const Look emptySkinned = LookAt(screen, PointsOn(skinnedAt));
  const Look emptyPlain = LookAt(screen, PointsOn(plainAt));
  std::printf("title band at%ls (skinned), at%ls (bare), screen at%ls\n", HexLook(skinned).c_str(),
              HexLook(plain).c_str(), HexLook(emptySkinned).c_str());
  if (skinned == plain || skinned == emptySkinned || plain == emptyPlain) {
    std::printf("the sample points do not tell the frames apart\n");
    return 1;
  }

  std::vector<double> skinnedMs, plainMs;
  for (int i = 0; i < runs; ++i) {
    const double b = TimeToLook(bare, screen, plain);
    const double s = TimeToLook(practice, screen, skinned);
    if (b < 0 || s < 0) {
      std::printf("run %d: a window did not show its frame within %.0f s\n", i + 1, TimeoutMs / 1000);
      return 1;
    }
    std::printf("run %d: bare %.1f ms, skinned %.1f ms\n", i + 1, b, s);
    plainMs.push_back(b);
    skinnedMs.push_back(s);
  }
  Print("process start to first skinned frame", skinnedMs);
  Print("process start to first bare-window frame", plainMs);
  std::printf("ratio of medians (skinned / bare): %.2f\n", Summarise(skinnedMs).median / Summarise(plainMs).median);
  return 0;
}
