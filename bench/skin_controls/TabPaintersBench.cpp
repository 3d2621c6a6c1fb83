// Figures of the tab family's painters, each beside the same control painting itself natively
// (painter switched off) in the same run, interleaved: a page control repaint with tabs on top and
// on the left (the strip turned), and a tab switch (select another page and paint); then 1,000
// switches with GDI objects, USER objects and windows before and after.
//   bench_tab_painters
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "BenchTiming.h"
#include "Forms.h"
#include "GuiTestSupport.h"
#include "PainterFactory.h"
#include "SkinMessages.h"
#include "SolidSkin.h"
#include "TabSkinParts.h"
#include "Tabs.h"
#include "WinSkinData.h"

namespace {

using bench::Report;
using bench::Time;

void Repaint(HWND wnd) {
  RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

// Skinned and native runs of one step, interleaved in rounds so both see the same machine.
void Compare(const std::string& what, HWND wnd, const std::function<void()>& step) {
  constexpr int steps = 2000, rounds = 10;
  Time(100, step);
  std::vector<double> skinned, native;
  for (int round = 0; round < rounds; ++round) {
    SendMessageW(wnd, SKM_SETACTIVE, 1, 0);
    auto s = Time(steps / rounds, step);
    skinned.insert(skinned.end(), s.begin(), s.end());
    SendMessageW(wnd, SKM_SETACTIVE, 0, 0);
    auto n = Time(steps / rounds, step);
    native.insert(native.end(), n.begin(), n.end());
  }
  SendMessageW(wnd, SKM_SETACTIVE, 1, 0);
  Report((what + ", skinned").c_str(), skinned);
  Report((what + ", skinning off (native)").c_str(), native);
}

tk::TPageControl* PageControl(tk::TForm* form, TSkinData* skin, tk::TTabPosition side, int left) {
  auto* pages = new tk::TPageControl(form);
  pages->SetParent(form);
  pages->SetBounds(left, 10, 300, 220);
  pages->SetTabPosition(side);
  pages->HandleNeeded();
  for (int i = 0; i < 5; ++i) {
    auto* sheet = new tk::TTabSheet(form);
    sheet->SetCaption("Page " + std::to_string(i + 1));
    sheet->SetPageControl(pages);
  }
  SkinControlAs(TPainterKind::pkPageControl, pages, nullptr, skin, false, nullptr);
  return pages;
}

}  // namespace

int main() {
  auto* form = new tk::TForm(nullptr);
  form->SetBounds(50, 50, 680, 300);
  auto* skin = new TSkinData(form);
  if (!skin_test::LoadSolidSkin(*skin, tab_test::TabSkin())) {
    std::printf("the test skin did not load\n");
    return 1;
  }
  tk::TPageControl* top = PageControl(form, skin, tk::TTabPosition::tpTop, 10);
  tk::TPageControl* left = PageControl(form, skin, tk::TTabPosition::tpLeft, 330);
  form->Show();
  tk::testing::PumpMessages(100);

  Compare("page control repaint, tabs on top", top->Handle(), [top] { Repaint(top->Handle()); });
  Compare("page control repaint, tabs on the left", left->Handle(), [left] { Repaint(left->Handle()); });
  int next = 0;
  auto switchTab = [&next](tk::TPageControl* pages) {
    next = (next + 1) % 5;
    pages->SetActivePageIndex(next);
    UpdateWindow(pages->Handle());
    UpdateWindow(pages->ActivePage()->Handle());
  };
  Compare("tab switch, tabs on top", top->Handle(), [&] { switchTab(top); });
  Compare("tab switch, tabs on the left", left->Handle(), [&] { switchTab(left); });

  const int gdi = tk::testing::GdiObjectCount(), windows = tk::testing::ThreadWindowCount();
  const DWORD user = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
  for (int i = 0; i < 1000; ++i) {
    switchTab(top);
    switchTab(left);
  }
  tk::testing::PumpMessages(50);
  std::printf("1,000 tab switches on each: GDI objects %d -> %d, USER objects %lu -> %lu, windows %d -> %d\n", gdi,
              tk::testing::GdiObjectCount(), user, GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS), windows,
              tk::testing::ThreadWindowCount());
  tk::TComponent::Free(form);
  tk::testing::PumpMessages(50);
  return 0;
}
