// Start-up figures of the program: time from process start to the practice window shown, and the
// time to read the window's stored layout (every control made and set).
//   startup_bench [path\to\Tolvane.exe]
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

  std::wstring exe;
  if (argc > 1) {
    exe = argv[1];
  } else {
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    exe = self;
    exe = exe.substr(0, exe.find_last_of(L"\\/") + 1) + L"Tolvane.exe";
  }
  std::vector<double> starts;
  for (int i = 0; i < 5; ++i) {
    const double ms = TimeToWindowShown(exe);
    if (ms < 0) {
      std::printf("could not start %ls\n", exe.c_str());
      return 1;
    }
    starts.push_back(ms);
  }
  Report("process start to window shown", starts);
  return 0;
}
