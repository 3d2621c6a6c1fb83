// Figures of the control painter base: a button repainted with a painter that composes the whole
// control off screen and copies it once, beside the same button painting itself natively (painter
// switched off) in the same run; the cost of passing a message through a painter; and GDI objects
// and windows after many attach / new window / free cycles.
//   bench_painter_base
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "BenchTiming.h"
#include "GdiHandle.h"
#include "Graphics.h"
#include "GuiTestSupport.h"
#include "SkinMessages.h"
#include "StdCtrls.h"
#include "Forms.h"
#include "WinSubClass.h"

namespace {

using bench::NowUs;
using bench::Time;

void Report(const char* what, std::vector<double> us) { bench::Report(what, std::move(us), 46); }

// A painter of the kind later painters are: a face, a frame and a caption composed off screen.
class BenchPainter : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;
  void Draw(HDC dc, const RECT& rect) override {
    const int w = rect.right - rect.left, h = rect.bottom - rect.top;
    tk::TBitmap buffer(w, h);
    HDC b = buffer.Canvas().Handle();
    FillColor(b, rect, RGB(200, 210, 220));
    tk::UniqueBrush frame(CreateSolidBrush(RGB(40, 60, 90)));
    FrameRect(b, &rect, frame.Get());
    SetBkMode(b, TRANSPARENT);
    RECT text = rect;
    DrawTextW(b, L"Button", -1, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    BitBlt(dc, 0, 0, w, h, b, 0, 0, SRCCOPY);
  }
};

}  // namespace

int main() {
  auto* form = new tk::TForm(nullptr);
  form->SetBounds(100, 100, 400, 300);
  auto* button = new tk::TButton(form);
  button->SetParent(form);
  button->SetBounds(20, 20, 160, 40);
  button->SetCaption("Button");
  form->Show();
  tk::testing::PumpMessages(100);
  HWND wnd = button->Handle();
  auto repaint = [wnd] {
    InvalidateRect(wnd, nullptr, TRUE);
    UpdateWindow(wnd);
  };
  constexpr int paints = 2000;

  auto* painter = new BenchPainter(button);
  painter->Attach(nullptr, nullptr, false, nullptr);
  Time(100, repaint);  // warm up both paths
  SendMessageW(wnd, SKM_SETACTIVE, 0, 0);
  Time(100, repaint);
  // Interleaved rounds, so that both see the same machine.
  std::vector<double> skinned, native;
  for (int round = 0; round < 10; ++round) {
    SendMessageW(wnd, SKM_SETACTIVE, 1, 0);
    auto s = Time(paints / 10, repaint);
    skinned.insert(skinned.end(), s.begin(), s.end());
    SendMessageW(wnd, SKM_SETACTIVE, 0, 0);
    auto n = Time(paints / 10, repaint);
    native.insert(native.end(), n.begin(), n.end());
  }
  Report("button repaint, skinned (painter)", skinned);
  Report("button repaint, skinning off (native)", native);

  SendMessageW(wnd, SKM_SETACTIVE, 1, 0);
  constexpr int messages = 20000;
  auto through = Time(messages, [wnd] { SendMessageW(wnd, WM_GETTEXTLENGTH, 0, 0); });
  tk::TComponent::Free(painter);
  auto bare = Time(messages, [wnd] { SendMessageW(wnd, WM_GETTEXTLENGTH, 0, 0); });
  Report("message through a painter (WM_GETTEXTLENGTH)", through);
  Report("message without a painter", bare);

  auto cycle = [form] {
    auto* edit = new tk::TEdit(form);
    edit->SetParent(form);
    edit->SetBounds(20, 80, 150, 30);
    (new BenchPainter(edit))->Attach(nullptr, nullptr, false, nullptr);
    edit->SetBorderStyle(tk::TBorderStyle::bsNone);
    edit->Repaint();
    tk::TComponent::Free(edit);
  };
  cycle();
  tk::testing::PumpMessages(50);
  const int gdi = tk::testing::GdiObjectCount(), windows = tk::testing::ThreadWindowCount();
  constexpr int cycles = 1000;
  const double t0 = NowUs();
  for (int i = 0; i < cycles; ++i) cycle();
  const double perCycle = (NowUs() - t0) / cycles;
  tk::testing::PumpMessages(50);
  std::printf("%d attach / new window / free cycles: %.0f us each; GDI objects %d -> %d, windows %d -> %d\n", cycles,
              perCycle, gdi, tk::testing::GdiObjectCount(), windows, tk::testing::ThreadWindowCount());
  tk::TComponent::Free(form);
  return 0;
}
