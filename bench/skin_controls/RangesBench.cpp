// Figures of the range painters, each beside the same control painting itself (painter switched
// off) in the same run, interleaved: 1,000 PBM_SETPOS steps on a progress bar (each painted
// before the next), a track bar repaint, a media player panel repaint; then GDI objects and windows
// before and after many steps.
//   bench_ranges
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "BenchTiming.h"
#include "Forms.h"
#include "GuiTestSupport.h"
#include "MediaPlayer.h"
#include "PainterFactory.h"
#include "RangeSkinParts.h"
#include "Ranges.h"
#include "SkinMP.h"
#include "SkinMessages.h"
#include "SolidSkin.h"
#include "WMediaPlayer.h"
#include "WinSkinData.h"

namespace {

using bench::NowUs;
using bench::Report;
using bench::Time;

void Repaint(HWND wnd) { RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW); }

// The whole run of n steps, skinned and off, interleaved in rounds.
void CompareRuns(const char* skinnedName, const char* nativeName, HWND painted, int steps,
                 const std::function<void(int)>& step) {
  constexpr int rounds = 10;
  std::vector<double> skinned, native;
  for (int round = 0; round < rounds; ++round) {
    for (bool on : {true, false}) {
      SendMessageW(painted, SKM_SETACTIVE, on ? 1 : 0, 0);
      const double t0 = NowUs();
      for (int i = 0; i < steps; ++i) step(i);
      (on ? skinned : native).push_back((NowUs() - t0) / 1000.0);
    }
  }
  SendMessageW(painted, SKM_SETACTIVE, 1, 0);
  std::sort(skinned.begin(), skinned.end());
  std::sort(native.begin(), native.end());
  std::printf("%-48s median %8.2f ms  best %8.2f ms  (%d rounds)\n", skinnedName, skinned[skinned.size() / 2], skinned[0],
              rounds);
  std::printf("%-48s median %8.2f ms  best %8.2f ms  (%d rounds)\n", nativeName, native[native.size() / 2], native[0],
              rounds);
}

void CompareRepaints(const char* skinnedName, const char* nativeName, HWND wnd, HWND switchWnd) {
  constexpr int paints = 2000, rounds = 10;
  Time(100, [wnd] { Repaint(wnd); });
  std::vector<double> skinned, native;
  for (int round = 0; round < rounds; ++round) {
    SendMessageW(switchWnd, SKM_SETACTIVE, 1, 0);
    auto s = Time(paints / rounds, [wnd] { Repaint(wnd); });
    skinned.insert(skinned.end(), s.begin(), s.end());
    SendMessageW(switchWnd, SKM_SETACTIVE, 0, 0);
    auto n = Time(paints / rounds, [wnd] { Repaint(wnd); });
    native.insert(native.end(), n.begin(), n.end());
  }
  SendMessageW(switchWnd, SKM_SETACTIVE, 1, 0);
  Report(skinnedName, skinned);
  Report(nativeName, native);
}

}  // namespace

int main() {
  auto* form = new tk::TForm(nullptr);
  form->SetBounds(100, 100, 500, 360);
  auto* skin = new TSkinData(form);
  if (!skin_test::LoadSolidSkin(*skin, range_test::RangeSkin())) {
    std::printf("the test skin did not load\n");
    return 1;
  }
  auto* progress = new tk::TProgressBar(form);
  progress->SetParent(form);
  progress->SetBounds(20, 20, 300, 18);
  progress->SetMax(1000);
  auto* track = new tk::TTrackBar(form);
  track->SetParent(form);
  track->SetBounds(20, 60, 300, 45);
  track->SetMax(20);
  auto* player = new tk::TMediaPlayer(form);
  player->SetParent(form);
  player->SetBounds(20, 120, 279, 30);
  form->Show();
  tk::testing::PumpMessages(100);
  SkinControlAs(TPainterKind::pkProgress, progress, nullptr, skin, false, nullptr);
  SkinControlAs(TPainterKind::pkTrackBar, track, nullptr, skin, false, nullptr);
  auto* mp = static_cast<TSkinMP*>(SkinControlAs(TPainterKind::pkMediaPlayer, player, nullptr, skin, false, nullptr));
  tk::testing::PumpMessages(50);

  HWND bar = progress->Handle();
  auto setPos = [bar](int i) {
    SendMessageW(bar, PBM_SETPOS, static_cast<WPARAM>(i), 0);
    UpdateWindow(bar);
  };
  CompareRuns("1,000 PBM_SETPOS steps, skinned", "1,000 PBM_SETPOS steps, skinning off (native)", bar, 1000, setPos);
  CompareRepaints("track bar repaint, skinned", "track bar repaint, skinning off (native)", track->Handle(), track->Handle());
  if (mp && mp->Panel()) {
    HWND panel = mp->Panel()->Handle();
    Time(100, [panel] { Repaint(panel); });
    Report("media player panel repaint (skinned only)", Time(2000, [panel] { Repaint(panel); }));
  }

  const int gdi = tk::testing::GdiObjectCount(), windows = tk::testing::ThreadWindowCount();
  const DWORD user = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
  for (int i = 0; i < 10000; ++i) setPos(i % 1001);
  for (int i = 0; i < 1000; ++i) Repaint(track->Handle());
  tk::testing::PumpMessages(50);
  std::printf("10,000 steps + 1,000 track repaints: GDI objects %d -> %d, USER objects %lu -> %lu, windows %d -> %d\n", gdi,
              tk::testing::GdiObjectCount(), user, GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS), windows,
              tk::testing::ThreadWindowCount());
  tk::TComponent::Free(form);
  tk::testing::PumpMessages(50);
  return 0;
}
