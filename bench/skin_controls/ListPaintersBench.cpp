// Figures of the list family's painters, each beside the same control painting itself natively
// (painter switched off) in the same run, interleaved: a header repaint, an up-down repaint, a
// report list view repaint (list and header); then 10,000 hover cycles over the header's items and
// over the up-down's halves and 1,000 repaints, with GDI objects and windows before and after.
//   bench_list_painters
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "BenchTiming.h"
#include "Forms.h"
#include "GuiTestSupport.h"
#include "ListSkinParts.h"
#include "ListViews.h"
#include "PainterFactory.h"
#include "SkinMessages.h"
#include "SolidSkin.h"
#include "UpDown.h"
#include "WinSkinData.h"

namespace {

using bench::Report;
using bench::Time;

void Repaint(HWND wnd) {
  RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void SetActive(const std::vector<HWND>& windows, bool on) {
  for (HWND wnd : windows) SendMessageW(wnd, SKM_SETACTIVE, on ? 1 : 0, 0);
}

// Skinned and native repaints of one window, interleaved in rounds so both see the same machine.
void CompareRepaints(const char* skinnedName, const char* nativeName, HWND wnd, const std::vector<HWND>& painted) {
  constexpr int paints = 2000, rounds = 10;
  Time(100, [wnd] { Repaint(wnd); });
  std::vector<double> skinned, native;
  for (int round = 0; round < rounds; ++round) {
    SetActive(painted, true);
    auto s = Time(paints / rounds, [wnd] { Repaint(wnd); });
    skinned.insert(skinned.end(), s.begin(), s.end());
    SetActive(painted, false);
    auto n = Time(paints / rounds, [wnd] { Repaint(wnd); });
    native.insert(native.end(), n.begin(), n.end());
  }
  SetActive(painted, true);
  Report(skinnedName, skinned);
  Report(nativeName, native);
}

void HoverCycles(const char* name, HWND wnd, const std::function<void()>& hover) {
  for (int i = 0; i < 100; ++i) hover();
  tk::testing::PumpMessages(30);
  const int gdi = tk::testing::GdiObjectCount(), windows = tk::testing::ThreadWindowCount();
  const DWORD user = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
  constexpr int cycles = 10000;
  Report(name, Time(cycles, hover));
  for (int i = 0; i < 1000; ++i) Repaint(wnd);
  tk::testing::PumpMessages(30);
  std::printf("%d hover cycles + 1,000 repaints: GDI objects %d -> %d, USER objects %lu -> %lu, windows %d -> %d\n", cycles,
              gdi, tk::testing::GdiObjectCount(), user, GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS), windows,
              tk::testing::ThreadWindowCount());
}

template <class T>
T* Place(tk::TForm* form, int left, int top, int width, int height) {
  auto* control = new T(form);
  control->SetParent(form);
  control->SetBounds(left, top, width, height);
  return control;
}

}  // namespace

int main() {
  auto* form = new tk::TForm(nullptr);
  form->SetBounds(100, 100, 520, 400);
  auto* skin = new TSkinData(form);
  if (!skin_test::LoadSolidSkin(*skin, lists_test::ListSkin())) {
    std::printf("the test skin did not load\n");
    return 1;
  }
  auto* header = Place<tk::THeaderControl>(form, 20, 20, 360, 24);
  header->SetAlign(tk::TAlign::alNone);
  header->SetBounds(20, 20, 360, 24);
  header->AddSection("Article", 120);
  header->AddSection("Speed", 100, tk::TAlignment::taCenter);
  header->AddSection("Accuracy", 100, tk::TAlignment::taRightJustify);
  auto* upDown = Place<tk::TUpDown>(form, 400, 20, 17, 40);
  auto* list = Place<tk::TListView>(form, 20, 80, 400, 220);
  list->SetViewStyle(tk::TViewStyle::vsReport);
  list->SetRowSelect(true);
  list->AddColumn("Article", 160);
  list->AddColumn("Characters", 120, tk::TAlignment::taRightJustify);
  list->AddColumn("Speed", 160);
  for (int i = 0; i < 60; ++i) list->AddItem("Article " + std::to_string(i), {std::to_string(300 + i), "60 per min"});
  form->Show();
  tk::testing::PumpMessages(100);
  SkinControlAs(TPainterKind::pkHeader, header, nullptr, skin, false, nullptr);
  SkinControlAs(TPainterKind::pkUpDown, upDown, nullptr, skin, false, nullptr);
  SkinControlAs(TPainterKind::pkListView, list, nullptr, skin, false, nullptr);
  tk::testing::PumpMessages(50);

  HWND headerWnd = header->Handle(), upDownWnd = upDown->Handle(), listWnd = list->Handle();
  CompareRepaints("header repaint, skinned", "header repaint, skinning off (native)", headerWnd, {headerWnd});
  CompareRepaints("up-down repaint, skinned", "up-down repaint, skinning off (native)", upDownWnd, {upDownWnd});
  CompareRepaints("list view repaint (with header), skinned", "list view repaint, skinning off (native)", listWnd,
                  {listWnd, list->HeaderHandle()});

  HoverCycles("header hover: item 1, item 2, leave (3 paints)", headerWnd, [headerWnd] {
    SendMessageW(headerWnd, WM_MOUSEMOVE, 0, MAKELPARAM(60, 12));
    SendMessageW(headerWnd, WM_MOUSEMOVE, 0, MAKELPARAM(170, 12));
    SendMessageW(headerWnd, WM_MOUSELEAVE, 0, 0);
  });
  RECT r{};
  GetWindowRect(upDownWnd, &r);
  const POINT up{r.left + 8, r.top + 8}, down{r.left + 8, r.bottom - 8};
  HoverCycles("up-down hover: up half, down half (2 paints)", upDownWnd, [upDownWnd, up, down] {
    SetCursorPos(up.x, up.y);
    SendMessageW(upDownWnd, WM_MOUSEMOVE, 0, MAKELPARAM(8, 8));
    SetCursorPos(down.x, down.y);
    SendMessageW(upDownWnd, WM_MOUSEMOVE, 0, MAKELPARAM(8, 32));
  });
  tk::TComponent::Free(form);
  tk::testing::PumpMessages(50);
  return 0;
}
