// Figures of the control painters on the practice window as the program shows it:
//  - paint time of each painted control (a full repaint, frame included), painters on against the
//    same control with painting switched off, median and 95th percentile, grouped by painter class;
//  - keystroke to echo in the typing area with all painters attached against the same window with
//    skinning off (the skin component's Active), in the same run, and their ratio.
//   bench_control_paint
#include <windows.h>
#include <richedit.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "Application.h"
#include "ClassRegistration.h"
#include "Encoding.h"
#include "SkinManage.h"
#include "SkinMessages.h"
#include "Unit1.h"
#include "WinSkinData.h"
#include "WinSkinForm.h"
#include "WinSubClass.h"

namespace {

double NowUs() {
  LARGE_INTEGER f, c;
  QueryPerformanceFrequency(&f);
  QueryPerformanceCounter(&c);
  return static_cast<double>(c.QuadPart) * 1e6 / static_cast<double>(f.QuadPart);
}

bool PumpOne() {
  MSG msg;
  if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) return false;
  TranslateMessage(&msg);
  DispatchMessageW(&msg);
  return true;
}

void Pump() {
  while (PumpOne()) {
  }
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

void Redraw(HWND wnd) { RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW); }

// --- keystroke to echo, as typing_bench measures it ---
int Length(HWND edit) {
  GETTEXTLENGTHEX length{GTL_NUMCHARS, 1200};
  return static_cast<int>(SendMessageW(edit, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&length), 0));
}

std::wstring Article(int chars) {
  const std::wstring sample = tk::Utf8ToWide("听写练习的文章由许多常用汉字组成，交稿后逐字标出对错。");
  std::wstring text;
  for (int i = 0; i < chars; ++i) {
    text += sample[static_cast<size_t>(i) % sample.size()];
    if (i % 200 == 199 && i + 1 < chars) text += L"\r\n";
  }
  return text;
}

double TypeMedianUs(HWND edit) {
  CHARRANGE end{-1, -1};
  SendMessageW(edit, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&end));
  SetFocus(edit);
  Pump();
  const std::wstring keys = tk::Utf8ToWide("听写练习的文章");
  std::vector<double> painted;
  for (int k = 0; k < 40; ++k) {
    const int before = Length(edit);
    const double start = NowUs();
    PostMessageW(edit, WM_CHAR, keys[static_cast<size_t>(k) % keys.size()], 1);
    while (Length(edit) == before)
      if (!PumpOne()) MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT);
    // Echoed and repainted: the typing area and its scroll bar covers have nothing left to paint.
    for (;;) {
      Pump();
      if (!GetUpdateRect(edit, nullptr, FALSE) && !GetQueueStatus(QS_PAINT)) break;
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT);
    }
    painted.push_back(NowUs() - start);
  }
  return Of(painted).median;
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
  Pump();
  auto* skin = form->FindComponentAs<TSkinData>("SkinData1");
  TSkinManage* manager = TSkinManage::Instance();
  TWinSkinForm* painterForm = manager ? manager->FindForm(form->Handle()) : nullptr;
  if (!skin || !painterForm) {
    std::printf("the practice window is not skinned\n");
    return 1;
  }

  // Paint time per painted control, grouped by painter class.
  struct Row {
    std::vector<double> skinned, native;
    int controls = 0;
  };
  std::map<std::string, Row> rows;
  const std::vector<TSkinControl*> painters = painterForm->PainterList();
  for (TSkinControl* painter : painters) {
    HWND wnd = painter->Handle;
    if (!wnd || !IsWindowVisible(wnd)) continue;
    Row& row = rows[painter->ClassName()];
    ++row.controls;
    Redraw(wnd);
    for (double us : Time(200, [wnd] { Redraw(wnd); })) row.skinned.push_back(us);
    SendMessageW(wnd, SKM_SETACTIVE, 0, 0);
    Redraw(wnd);
    for (double us : Time(200, [wnd] { Redraw(wnd); })) row.native.push_back(us);
    SendMessageW(wnd, SKM_SETACTIVE, 1, 0);
  }
  Pump();
  std::printf("paint of one control (full repaint), %zu painters on the practice window\n", painters.size());
  std::printf("%-20s %8s %22s %22s\n", "painter", "controls", "skinned median / p95", "painter off median / p95");
  for (const auto& [name, row] : rows) {
    const Spread s = Of(row.skinned), n = Of(row.native);
    std::printf("%-20s %8d %9.1f / %7.1f us %9.1f / %7.1f us\n", name.c_str(), row.controls, s.median, s.p95, n.median,
                n.p95);
  }

  // Keystroke to echo with every painter attached, then with skinning off, same window, same run.
  HWND typing = form->RichEdit2->Handle();
  std::printf("\nkeystroke to echo and repaint in the typing area (median of 40 keys)\n");
  std::printf("%-18s %12s %12s %8s\n", "characters held", "skinned", "skin off", "ratio");
  for (int chars : {0, 2000, 20000}) {
    form->RichEdit2->SetText(tk::WideToGbk(Article(chars)));
    Pump();
    skin->SetActive(true);
    Pump();
    const double on = TypeMedianUs(typing);
    skin->SetActive(false);
    Pump();
    const double off = TypeMedianUs(typing);
    skin->SetActive(true);
    Pump();
    std::printf("%-18d %9.2f ms %9.2f ms %7.2fx\n", chars, on / 1000, off / 1000, off > 0 ? on / off : 0.0);
  }
  tk::TComponent::Free(form);
  return 0;
}
