// How long the skinned frame of a form takes to paint, beside the native frame of the same form
// unskinned, at two client sizes; how long the window region of the default skin (transparent
// borders, so a shaped region) takes to build; and how many frames per second a live resize of a
// sizeable form reaches, skinned and not. Prints median and 95th percentile of many runs.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <utility>
#include <iterator>
#include <vector>

#include "Application.h"
#include "Forms.h"
#include "SkinLoader.h"
#include "SkinManage.h"
#include "WinSkinData.h"
#include "WinSkinForm.h"

namespace {

constexpr int PaintRuns = 500;
constexpr int RegionRuns = 200;
constexpr int ResizeSteps = 300;

using Clock = std::chrono::steady_clock;

void DrainMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

void PumpFor(int milliseconds) {
  const auto end = Clock::now() + std::chrono::milliseconds(milliseconds);
  while (Clock::now() < end) {
    DrainMessages();
    Sleep(5);
  }
}

struct Figures {
  double fastest = 0, median = 0, p95 = 0;
};

Figures Summary(std::vector<double> ms) {
  std::sort(ms.begin(), ms.end());
  return Figures{ms.front(), ms[ms.size() / 2], ms[std::min(ms.size() - 1, ms.size() * 95 / 100)]};
}

double TimeOnce(const std::function<void()>& run) {
  const auto start = Clock::now();
  run();
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

Figures Measure(int runs, const std::function<void()>& run, const std::function<void()>& between = nullptr) {
  run();
  std::vector<double> ms;
  for (int i = 0; i < runs; ++i) {
    if (between) between();
    ms.push_back(TimeOnce(run));
  }
  return Summary(std::move(ms));
}

// Two operations run by turns, so that a busy machine weighs on both alike.
std::pair<Figures, Figures> MeasureSideBySide(int runs, const std::function<void()>& a, const std::function<void()>& b) {
  a();
  b();
  std::vector<double> ma, mb;
  for (int i = 0; i < runs; ++i) {
    ma.push_back(TimeOnce(a));
    mb.push_back(TimeOnce(b));
  }
  return {Summary(std::move(ma)), Summary(std::move(mb))};
}

std::vector<std::uint8_t> ReadDefaultSkin() {
  std::ifstream in(TOLVANE_DEFAULT_SKIN_FILE, std::ios::binary);
  return std::vector<std::uint8_t>{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

tk::TForm* MakeForm(int clientWidth, int clientHeight) {
  auto* form = new tk::TForm(nullptr);
  form->SetBorderStyle(tk::TFormBorderStyle::bsSizeable);
  form->SetCaption("Frame benchmark");
  form->SetBounds(0, 0, clientWidth + 50, clientHeight + 50);
  form->SetClientSize(clientWidth, clientHeight);
  return form;
}

// Skins the form with the default skin as a stored layout would (the component loads, then is
// told the form has been read), and waits for the frame painter to finish attaching.
TWinSkinForm* SkinForm(tk::TForm& form, const std::vector<std::uint8_t>& packed) {
  auto* skin = new TSkinData(&form);
  if (!LoadSkinElements(*skin, packed, [](const std::string&) {})) return nullptr;
  skin->SetSkinFormtype(TSkinFormType::sfDialog);
  skin->SetActive(true);
  skin->Loaded();
  form.Show();
  TWinSkinForm* painter = nullptr;
  for (int i = 0; i < 400 && !(painter && painter->FrameState == fsRunning); ++i) {
    PumpFor(5);
    painter = TSkinManage::Instance() ? TSkinManage::Instance()->FindForm(form.Handle()) : nullptr;
  }
  PumpFor(50);
  return painter && painter->FrameState == fsRunning ? painter : nullptr;
}

SIZE ClientSizeOf(HWND wnd) {
  RECT r{};
  GetClientRect(wnd, &r);
  return SIZE{r.right, r.bottom};
}

void PrintLine(const char* what, const Figures& f) {
  std::printf("  %-36s median %7.3f ms   95th percentile %7.3f ms   fastest %7.3f ms\n", what, f.median, f.p95,
              f.fastest);
}

// Counts the frame messages a window gets (installed above every other procedure).
struct MessageCounts {
  int ncPaint = 0, paint = 0, ncCalcSize = 0;
};
LRESULT CALLBACK CountMessages(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
  auto* counts = reinterpret_cast<MessageCounts*>(data);
  if (msg == WM_NCPAINT) ++counts->ncPaint;
  if (msg == WM_PAINT) ++counts->paint;
  if (msg == WM_NCCALCSIZE) ++counts->ncCalcSize;
  return DefSubclassProc(wnd, msg, wParam, lParam);
}

// Live resize: each step a new size, then every message it caused (frame calculation, region,
// non-client and client paint) handled before the next. Frames per second.
double ResizeRate(HWND wnd, SIZE start) {
  const auto begin = Clock::now();
  for (int i = 0; i < ResizeSteps; ++i) {
    const int dx = (i % 60) * 4, dy = (i % 40) * 3;
    SetWindowPos(wnd, nullptr, 0, 0, start.cx + dx, start.cy + dy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    UpdateWindow(wnd);
    DrainMessages();
  }
  const double seconds = std::chrono::duration<double>(Clock::now() - begin).count();
  return ResizeSteps / seconds;
}

void BenchSize(int clientWidth, int clientHeight, const std::vector<std::uint8_t>& packed) {
  tk::TForm* native = MakeForm(clientWidth, clientHeight);
  native->Show();
  PumpFor(100);
  tk::TForm* skinned = MakeForm(clientWidth, clientHeight);
  TWinSkinForm* painter = SkinForm(*skinned, packed);
  if (!painter) {
    std::printf("the default skin did not attach\n");
    return;
  }
  HWND nativeWnd = native->Handle(), skinnedWnd = skinned->Handle();
  const SIZE nc = ClientSizeOf(nativeWnd), sc = ClientSizeOf(skinnedWnd);
  RECT window{};
  GetWindowRect(skinnedWnd, &window);
  std::printf("client %d x %d (native form %ld x %ld, skinned form %ld x %ld, skinned window %ld x %ld)\n", clientWidth,
              clientHeight, nc.cx, nc.cy, sc.cx, sc.cy, window.right - window.left, window.bottom - window.top);
  if (sc.cx != clientWidth || sc.cy != clientHeight)
    std::printf("  (the system keeps windows within the screen's size: run on a larger display for this size)\n");

  // Both frames drawn active, as the window in front would be.
  SendMessageW(nativeWnd, WM_NCACTIVATE, TRUE, 0);
  SendMessageW(skinnedWnd, WM_NCACTIVATE, TRUE, 0);
  const auto [skinnedPaint, nativePaint] =
      MeasureSideBySide(PaintRuns, [&] { SendMessageW(skinnedWnd, WM_NCPAINT, 1, 0); },
                        [&] { SendMessageW(nativeWnd, WM_NCPAINT, 1, 0); });
  PrintLine("frame paint, skinned (WM_NCPAINT)", skinnedPaint);
  PrintLine("frame paint, native (WM_NCPAINT)", nativePaint);
  PrintLine("frame paint, skinned (PaintFrame)", Measure(PaintRuns, [&] { painter->PaintFrame(); }));
  PumpFor(50);

  const bool shaped = std::any_of(std::begin(painter->SkinData->Borders) + 1, std::end(painter->SkinData->Borders),
                                  [](const auto& b) { return b && b->Trans == 1; });
  PrintLine(shaped ? "region build (shaped)" : "region build (rectangle)",
            Measure(RegionRuns, [&] { painter->BuildRegion(window.right - window.left, window.bottom - window.top); }));
  // A cached region is kept; forgetting its size makes each run build and set it anew.
  PrintLine("region build and set on the window", Measure(RegionRuns, [&] { painter->UpdateRegion(); }, [&] {
              painter->RegionSize = SIZE{};
              DrainMessages();
            }));
  DrainMessages();

  RECT nr{}, sr{};
  GetWindowRect(nativeWnd, &nr);
  GetWindowRect(skinnedWnd, &sr);
  // By turns, five times each; the middle rate of each.
  std::vector<double> nativeRates, skinnedRates;
  for (int round = 0; round < 5; ++round) {
    nativeRates.push_back(ResizeRate(nativeWnd, SIZE{nr.right - nr.left, nr.bottom - nr.top}));
    skinnedRates.push_back(ResizeRate(skinnedWnd, SIZE{sr.right - sr.left, sr.bottom - sr.top}));
  }
  MessageCounts nativeCounts, skinnedCounts;
  SetWindowSubclass(nativeWnd, CountMessages, 1, reinterpret_cast<DWORD_PTR>(&nativeCounts));
  SetWindowSubclass(skinnedWnd, CountMessages, 1, reinterpret_cast<DWORD_PTR>(&skinnedCounts));
  ResizeRate(nativeWnd, SIZE{nr.right - nr.left, nr.bottom - nr.top});
  ResizeRate(skinnedWnd, SIZE{sr.right - sr.left, sr.bottom - sr.top});
  RemoveWindowSubclass(nativeWnd, CountMessages, 1);
  RemoveWindowSubclass(skinnedWnd, CountMessages, 1);
  std::sort(nativeRates.begin(), nativeRates.end());
  std::sort(skinnedRates.begin(), skinnedRates.end());
  std::printf("  %-36s skinned %6.1f fps   native %6.1f fps   (median of 5 x %d steps)\n", "live resize", skinnedRates[2],
              nativeRates[2], ResizeSteps);
  std::printf("  %-36s skinned %d / %d / %d   native %d / %d / %d\n", "  WM_NCCALCSIZE / NCPAINT / PAINT",
              skinnedCounts.ncCalcSize, skinnedCounts.ncPaint, skinnedCounts.paint, nativeCounts.ncCalcSize,
              nativeCounts.ncPaint, nativeCounts.paint);
  tk::TComponent::Free(skinned);
  tk::TComponent::Free(native);
  PumpFor(50);
}

}  // namespace

int main() {
  tk::TApplication application;
  application.Initialize();
  RegisterSkinRuntime();
  const std::vector<std::uint8_t> packed = ReadDefaultSkin();
  if (packed.empty()) {
    std::fprintf(stderr, "cannot read %s\n", TOLVANE_DEFAULT_SKIN_FILE);
    return 1;
  }
  std::printf("default skin: %zu bytes packed; %d paints, %d region builds per figure\n", packed.size(), PaintRuns,
              RegionRuns);
  BenchSize(942, 622, packed);
  BenchSize(1600, 1000, packed);
  TSkinManage::Destroy();
  return 0;
}
