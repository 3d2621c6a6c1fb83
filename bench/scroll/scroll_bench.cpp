// Scroll throughput of the typing area holding a 20,000-character article, with its scroll bar
// skinned (a cover over the system bar) against unskinned, in the same run, and the cover
// repaints each scroll step costs. A step is a scroll request as the system bar sends it (line or
// page down), timed until the area and its cover have no update region left. The view goes back to
// the top before each round; figures are the medians and 95th percentiles over all steps of five
// rounds.
//   bench_scroll
#include <windows.h>
#include <richedit.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "Application.h"
#include "ClassRegistration.h"
#include "Encoding.h"
#include "PainterFactory.h"
#include "SkinManage.h"
#include "TSkinScrollbar.h"
#include "Unit1.h"
#include "WinSkinData.h"
#include "WinSkinForm.h"

namespace {

constexpr int kRounds = 5;
// Lines: a quarter of the article's 500 lines; pages: a little less than the whole of it.
constexpr int kLineSteps = 120;
constexpr int kPageSteps = 20;

double Now() {
  LARGE_INTEGER f, c;
  QueryPerformanceFrequency(&f);
  QueryPerformanceCounter(&c);
  return static_cast<double>(c.QuadPart) * 1000.0 / static_cast<double>(f.QuadPart);
}

void Pump() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

void PumpFor(int ms) {
  const double end = Now() + ms;
  while (Now() < end) {
    Pump();
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
  }
}

std::string Article(int chars) {
  const std::wstring sample = tk::Utf8ToWide("听写练习的文章由许多常用汉字组成，交稿后逐字标出对错。");
  std::wstring text;
  for (int i = 0; i < chars; ++i) {
    text += sample[static_cast<size_t>(i) % sample.size()];
    if (i % 40 == 39 && i + 1 < chars) text += L"\r\n";
  }
  return tk::WideToGbk(text);
}

bool Dirty(HWND wnd) { return wnd && GetUpdateRect(wnd, nullptr, FALSE); }

struct Figures {
  double median, p95, stepsPerSecond, coverPaintsPerStep;
};

Figures Scroll(HWND edit, const TSkinScrollbar* painter, WPARAM request, int stepsPerRound) {
  std::vector<double> steps;
  const int64_t paintsBefore = TWScrollbar::PaintCount;
  double total = 0;
  for (int round = 0; round < kRounds; ++round) {
    SendMessageW(edit, WM_VSCROLL, SB_TOP, 0);
    SendMessageW(edit, WM_VSCROLL, SB_ENDSCROLL, 0);
    Pump();
    for (int k = 0; k < stepsPerRound; ++k) {
      const double start = Now();
      SendMessageW(edit, WM_VSCROLL, request, 0);
      SendMessageW(edit, WM_VSCROLL, SB_ENDSCROLL, 0);
      HWND cover = painter ? painter->VertBar->Window() : nullptr;
      while (Dirty(edit) || Dirty(cover)) {
        Pump();
        if (Dirty(edit) || Dirty(cover)) MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT);
      }
      const double took = Now() - start;
      steps.push_back(took);
      total += took;
    }
  }
  const int64_t paints = TWScrollbar::PaintCount - paintsBefore;
  std::sort(steps.begin(), steps.end());
  const double count = static_cast<double>(steps.size());
  return {steps[steps.size() / 2], steps[static_cast<size_t>(count * 0.95)], count * 1000.0 / total,
          static_cast<double>(paints) / count};
}

void Print(const char* what, const Figures& f) {
  std::printf("%-30s %8.2f ms %8.2f ms %9.0f /s %10.2f\n", what, f.median, f.p95, f.stepsPerSecond, f.coverPaintsPerStep);
}

}  // namespace

int wmain() {
  tk::TApplication application;
  application.Initialize();
  application.SetTitle("Tolvane");
  tk::RegisterToolkitClasses();
  RegisterSkinDataClasses();
  RegisterSkinRuntime();
  auto* form = new TForm1(nullptr);
  form->Show();
  PumpFor(600);  // the frame painter finishes attaching
  TWinSkinForm* frame = TSkinManage::Instance() ? TSkinManage::Instance()->FindForm(form->Handle()) : nullptr;
  if (!frame) {
    std::printf("the practice window was not skinned\n");
    return 1;
  }
  form->RichEdit2->SetText(Article(20000));
  PumpFor(100);
  HWND edit = form->RichEdit2->Handle();
  std::printf("typing area, 20,000 characters in lines of 40; %d line steps, %d page steps\n", kRounds * kLineSteps,
              kRounds * kPageSteps);
  std::printf("%-30s %11s %11s %12s %10s\n", "", "median", "p95", "throughput", "cover paints/step");

  const Figures plainLine = Scroll(edit, nullptr, SB_LINEDOWN, kLineSteps);
  const Figures plainPage = Scroll(edit, nullptr, SB_PAGEDOWN, kPageSteps);
  auto* painter = dynamic_cast<TSkinScrollbar*>(
      SkinControlAs(TPainterKind::pkScrollbar, form->RichEdit2, frame, frame->SkinData, false, nullptr));
  if (!painter || !painter->VertBar->Shown) {
    std::printf("the typing area got no cover\n");
    return 1;
  }
  PumpFor(100);
  const Figures skinnedLine = Scroll(edit, painter, SB_LINEDOWN, kLineSteps);
  const Figures skinnedPage = Scroll(edit, painter, SB_PAGEDOWN, kPageSteps);
  Print("line down, unskinned", plainLine);
  Print("line down, skinned", skinnedLine);
  Print("page down, unskinned", plainPage);
  Print("page down, skinned", skinnedPage);
  std::printf("skinned/unskinned median: line %.2f, page %.2f\n", skinnedLine.median / plainLine.median,
              skinnedPage.median / plainPage.median);
  tk::TComponent::Free(form);
  return 0;
}
