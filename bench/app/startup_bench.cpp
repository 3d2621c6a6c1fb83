// Start-up figures of the program: time from process start to the practice window shown, next to
// the same time for a bare window of its size and caption (bare_window.exe), and the time to read
// the window's stored layout (every control made and set).
//   startup_bench [--runs N] [path\to\Tolvane.exe]
// The two programs are started in turn, so that both see the same machine load.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "Application.h"
#include "ClassRegistration.h"
#include "Unit1.h"
#include "WinSkinData.h"

namespace {

double Now() {
  LARGE_INTEGER f, c;
  QueryPerformanceFrequency(&f);
  QueryPerformanceCounter(&c);
  return static_cast<double>(c.QuadPart) * 1000.0 / static_cast<double>(f.QuadPart);
}

struct Search {
  DWORD pid;
  bool shown;
};

BOOL CALLBACK FindShown(HWND wnd, LPARAM param) {
  auto* s = reinterpret_cast<Search*>(param);
  DWORD pid = 0;
  GetWindowThreadProcessId(wnd, &pid);
  wchar_t caption[64] = {};
  GetWindowTextW(wnd, caption, 64);
  if (pid == s->pid && IsWindowVisible(wnd) && std::wstring(caption) == L"TolvaneV1.5") s->shown = true;
  return TRUE;
}

void Report(const char* what, std::vector<double> ms) {
  std::sort(ms.begin(), ms.end());
  double sum = 0;
  for (double v : ms) sum += v;
  std::printf("%-40s n=%zu  median %.1f ms  mean %.1f ms  min %.1f ms  max %.1f ms\n", what, ms.size(),
              ms[ms.size() / 2], sum / static_cast<double>(ms.size()), ms.front(), ms.back());
}

double TimeToWindowShown(const std::wstring& exe) {
  STARTUPINFOW si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  std::wstring cmd = L"\"" + exe + L"\"";
  const double start = Now();
  if (!CreateProcessW(exe.c_str(), cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return -1;
  Search s{pi.dwProcessId, false};
  double elapsed = -1;
  while (Now() - start < 30000) {
    EnumWindows(FindShown, reinterpret_cast<LPARAM>(&s));
    if (s.shown) {
      elapsed = Now() - start;
      break;
    }
    Sleep(2);
  }
  TerminateProcess(pi.hProcess, 0);
  WaitForSingleObject(pi.hProcess, 5000);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return elapsed;
}

std::wstring BesideThisProgram(const wchar_t* name) {
  wchar_t self[MAX_PATH];
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring path = self;
  return path.substr(0, path.find_last_of(L"\\/") + 1) + name;
}

double Median(std::vector<double> ms) {
  std::sort(ms.begin(), ms.end());
  return ms[ms.size() / 2];
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  tk::TApplication application;
  application.Initialize();
  application.SetTitle("Tolvane");
  tk::RegisterToolkitClasses();
  RegisterSkinDataClasses();

  // Layout read: the form object made from its resource (no window, no speech component).
  std::vector<double> reads;
  for (int i = 0; i < 50; ++i) {
    const double t = Now();
    auto* form = new TForm1(nullptr);
    reads.push_back(Now() - t);
    tk::TComponent::Free(form);
  }
  Report("stored layout read (TForm1 made)", reads);

  int runs = 5;
  std::wstring exe = BesideThisProgram(L"Tolvane.exe");
  for (int i = 1; i < argc; ++i) {
    if (std::wstring(argv[i]) == L"--runs" && i + 1 < argc) runs = std::max(1, _wtoi(argv[++i]));
    else exe = argv[i];
  }
  std::wstring bare = BesideThisProgram(L"bare_window.exe");

  // One untimed start of each: the first start of a session also pays for Wine's own services.
  TimeToWindowShown(bare);
  TimeToWindowShown(exe);
  std::vector<double> practice, baseline;
  for (int i = 0; i < runs; ++i) {
    for (std::wstring* program : {&bare, &exe}) {
      const double ms = TimeToWindowShown(*program);
      if (ms < 0) {
        std::printf("could not start %ls\n", program->c_str());
        return 1;
      }
      (program == &exe ? practice : baseline).push_back(ms);
    }
  }
  Report("bare window: start to shown", baseline);
  Report("practice window: start to shown", practice);
  std::printf("practice / bare (medians): %.2f\n", Median(practice) / Median(baseline));
  return 0;
}
