// Figures of the skin gallery:
//  - paint time of each page (the page and every control on it, repainted N times), on the
//    skinned gallery and on the same page built on a plain form with no skin, median and p95;
//  - page switch time (show the next page until it has painted), median and p95;
//  - private bytes, working set, GDI objects and windows held by the gallery with every page shown
//    (every painter attached), against the process before the gallery was made.
//   bench_gallery [N]   (N repaints per page, 200 by default)
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <functional>
#include <string>
#include <vector>

#include "Application.h"
#include "ClassRegistration.h"
#include "ExtCtrls.h"
#include "GalleryForm.h"
#include "GalleryPages.h"
#include "GalleryScreenshots.h"
#include "GuiTestSupport.h"
#include "SkinManage.h"

namespace {

double NowUs() {
  LARGE_INTEGER f, c;
  QueryPerformanceFrequency(&f);
  QueryPerformanceCounter(&c);
  return static_cast<double>(c.QuadPart) * 1e6 / static_cast<double>(f.QuadPart);
}

struct Spread {
  double median, p95;
};

Spread Of(std::vector<double> us) {
  if (us.empty()) return {0, 0};
  std::sort(us.begin(), us.end());
  return {us[us.size() / 2], us[std::min(us.size() - 1, us.size() * 95 / 100)]};
}

std::vector<double> Time(int n, const std::function<void()>& step) {
  std::vector<double> us;
  for (int i = 0; i < n; ++i) {
    const double t0 = NowUs();
    step();
    us.push_back(NowUs() - t0);
  }
  return us;
}

void RepaintAll(HWND wnd) {
  RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

struct Memory {
  double privateMb, workingSetMb;
  int gdi, windows;
};

Memory Measure() {
  PROCESS_MEMORY_COUNTERS_EX counters{};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters);
  // Some platforms leave PrivateUsage at 0; the commit charge is the same figure there.
  const SIZE_T privateBytes = counters.PrivateUsage ? counters.PrivateUsage : counters.PagefileUsage;
  return {privateBytes / 1048576.0, counters.WorkingSetSize / 1048576.0, tk::testing::GdiObjectCount(),
          tk::testing::ThreadWindowCount()};
}

// A page built on a plain form, nothing skinned: the baseline of a page's paint time.
std::vector<Spread> UnskinnedPagePaints(int n) {
  std::vector<Spread> out;
  for (const gallery::TGalleryPage& page : gallery::GalleryPages) {
    auto* form = new tk::TForm(nullptr);
    form->SetBounds(40, 40, gallery::TGalleryForm::PageWidth + 16, gallery::TGalleryForm::PageHeight + 40);
    form->SetClientSize(gallery::TGalleryForm::PageWidth, gallery::TGalleryForm::PageHeight);
    auto* host = new tk::TPanel(form);
    host->SetBevelOuter(tk::TPanelBevel::bvNone);
    host->SetParent(form);
    host->SetAlign(tk::TAlign::alClient);
    page.Build(form, host);
    form->Show();
    gallery::RunMessagesFor(200);
    HWND wnd = host->Handle();
    out.push_back(Of(Time(n, [wnd] { RepaintAll(wnd); })));
    tk::TComponent::Free(form);
    gallery::RunMessagesFor(50);
  }
  return out;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const int n = argc > 1 ? std::max(10, static_cast<int>(std::wcstol(argv[1], nullptr, 10))) : 200;
  tk::TApplication application;
  application.Initialize();
  application.SetTitle("bench_gallery");
  tk::RegisterToolkitClasses();
  RegisterSkinRuntime();

  const Memory before = Measure();
  // Unskinned first: once the gallery's skin serves every form, a plain form would be skinned too.
  const std::vector<Spread> plain = UnskinnedPagePaints(n);
  gallery::RunMessagesFor(200);

  auto* form = new gallery::TGalleryForm(nullptr, L"");
  form->Show();
  if (!gallery::WaitUntilSkinned(*form, 10000)) std::printf("warning: the gallery was not skinned\n");
  SetForegroundWindow(form->Handle());
  SetCursorPos(0, 0);
  for (int i = 0; i < form->PageCount(); ++i) {
    form->ShowPage(i);
    gallery::RunMessagesFor(150);
  }
  const Memory held = Measure();

  std::printf("Skin gallery, %d repaints per page (times in microseconds)\n\n", n);
  std::printf("%-10s %12s %12s %14s %14s %8s\n", "page", "skinned med", "skinned p95", "unskinned med", "unskinned p95",
              "ratio");
  for (int i = 0; i < form->PageCount(); ++i) {
    form->ShowPage(i);
    gallery::RunMessagesFor(100);
    HWND page = form->Page(i)->Handle();
    const Spread skinned = Of(Time(n, [page] { RepaintAll(page); }));
    const Spread& bare = plain[static_cast<size_t>(i)];
    std::printf("%-10s %12.0f %12.0f %14.0f %14.0f %8.2f\n", form->PageTitle(i).c_str(), skinned.median, skinned.p95,
                bare.median, bare.p95, bare.median > 0 ? skinned.median / bare.median : 0.0);
  }

  // Switching: the next page shown and painted, the whole window updated.
  HWND wnd = form->Handle();
  int next = 0;
  const Spread switching = Of(Time(n, [&] {
    next = (next + 1) % form->PageCount();
    form->ShowPage(next);
    UpdateWindow(wnd);
    RedrawWindow(wnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  }));
  std::printf("\npage switch (show + paint): median %.0f us, p95 %.0f us\n", switching.median, switching.p95);

  std::printf("\nheld by the gallery, every page shown (every painter attached), against the process at start\n"
              "(the control libraries the pages load included):\n");
  std::printf("  private bytes  %8.1f MB (process %.1f MB)\n", held.privateMb - before.privateMb, held.privateMb);
  std::printf("  working set    %8.1f MB (process %.1f MB)\n", held.workingSetMb - before.workingSetMb, held.workingSetMb);
  std::printf("  GDI objects    %8d    (process %d)\n", held.gdi - before.gdi, held.gdi);
  std::printf("  windows        %8d    (thread %d)\n", held.windows - before.windows, held.windows);

  tk::TComponent::Free(form);
  gallery::RunMessagesFor(50);
  TSkinManage::Destroy();
  return 0;
}
