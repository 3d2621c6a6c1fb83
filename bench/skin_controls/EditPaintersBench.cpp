// Figures of the edit family's painters, each beside the same control painting itself natively
// (painter switched off) in the same run, interleaved: a combo box repaint with the skin's frame
// and button (flat and whole-image ways), an edit repaint with its frame; then 10,000 hover cycles
// over the combo box's button and 1,000 repaints, with GDI objects and windows before and after.
//   bench_edit_painters
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "BenchTiming.h"
#include "EditSkinParts.h"
#include "Forms.h"
#include "GuiTestSupport.h"
#include "PainterFactory.h"
#include "SkinComBox.h"
#include "SkinMessages.h"
#include "SolidSkin.h"
#include "StdCtrls.h"
#include "WinSkinData.h"

namespace {

using bench::Time;

void Report(const char* what, std::vector<double> us) { bench::Report(what, std::move(us), 44); }

void Repaint(HWND wnd) { RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_UPDATENOW); }

// Skinned and native repaints of one window, interleaved in rounds so both see the same machine.
void CompareRepaints(const char* skinnedName, const char* nativeName, HWND wnd) {
  constexpr int paints = 2000, rounds = 10;
  Time(100, [wnd] { Repaint(wnd); });
  std::vector<double> skinned, native;
  for (int round = 0; round < rounds; ++round) {
    SendMessageW(wnd, SKM_SETACTIVE, 1, 0);
    auto s = Time(paints / rounds, [wnd] { Repaint(wnd); });
    skinned.insert(skinned.end(), s.begin(), s.end());
    SendMessageW(wnd, SKM_SETACTIVE, 0, 0);
    auto n = Time(paints / rounds, [wnd] { Repaint(wnd); });
    native.insert(native.end(), n.begin(), n.end());
  }
  SendMessageW(wnd, SKM_SETACTIVE, 1, 0);
  Report(skinnedName, skinned);
  Report(nativeName, native);
}

void Run(int style, bool sunkEdge) {
  auto* form = new tk::TForm(nullptr);
  form->SetBounds(100, 100, 400, 300);
  auto* skin = new TSkinData(form);
  skin_test::SolidSkinOptions options;
  edits_test::AddComboParts(options, edits_test::ComboParts{style, sunkEdge, true});
  if (!skin_test::LoadSolidSkin(*skin, options)) {
    std::printf("the test skin did not load\n");
    return;
  }
  auto* combo = new tk::TComboBox(form);
  combo->SetParent(form);
  combo->SetBounds(20, 20, 160, 21);
  combo->SetStyle(tk::TComboBoxStyle::csDropDownList);
  combo->Items().Add("one");
  auto* edit = new tk::TEdit(form);
  edit->SetParent(form);
  edit->SetBounds(20, 60, 160, 24);
  form->Show();
  tk::testing::PumpMessages(100);
  auto* painter = static_cast<TSkinComBox*>(SkinControlAs(TPainterKind::pkComBox, combo, nullptr, skin, false, nullptr));
  SkinControlAs(TPainterKind::pkEdit, edit, nullptr, skin, false, nullptr);
  tk::testing::PumpMessages(50);

  std::printf("-- combo button Style %d (%s)\n", skin->ComboButton->Style, sunkEdge ? "made from the sunk edge" : "flat");
  CompareRepaints("combo box repaint, skinned", "combo box repaint, skinning off (native)", combo->Handle());
  CompareRepaints("edit repaint, skinned", "edit repaint, skinning off (native)", edit->Handle());

  HWND box = combo->Handle();
  const RECT b = painter->ButtonRect;
  const LPARAM over = MAKELPARAM((b.left + b.right) / 2, (b.top + b.bottom) / 2), away = MAKELPARAM(10, 10);
  auto hover = [box, over, away] {
    SendMessageW(box, WM_MOUSEMOVE, 0, over);
    SendMessageW(box, WM_MOUSEMOVE, 0, away);
  };
  hover();
  const int gdi = tk::testing::GdiObjectCount(), windows = tk::testing::ThreadWindowCount();
  const DWORD user = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
  constexpr int cycles = 10000;
  Report("hover cycle over the button and off (2 paints)", Time(cycles, hover));
  for (int i = 0; i < 1000; ++i) {
    Repaint(box);
    Repaint(edit->Handle());
  }
  tk::testing::PumpMessages(50);
  std::printf("%d hover cycles + 1,000 repaints: GDI objects %d -> %d, USER objects %lu -> %lu, windows %d -> %d\n", cycles,
              gdi, tk::testing::GdiObjectCount(), user, GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS), windows,
              tk::testing::ThreadWindowCount());
  tk::TComponent::Free(form);
  tk::testing::PumpMessages(50);
}

}  // namespace

int main() {
  Run(1, false);
  Run(1, true);
  return 0;
}
