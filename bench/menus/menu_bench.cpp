// Figures of the skinned menus on a form with the practice window's menu and the default skin:
// paint time of the menu band and of one owner-drawn item (median and 95th percentile), the whole
// frame with and without the skin, a band rebuilt after a menu change, and a drop-down opened and
// closed. (That GDI objects and windows come back after many drop-downs is checked by the skin
// runtime's tests.)
//   menu_bench [rounds]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "Application.h"
#include "Encoding.h"
#include "ClassRegistration.h"
#include "Forms.h"
#include "Menus.h"
#include "SkinLoader.h"
#include "SkinManage.h"
#include "SkinMessages.h"
#include "WinSkinData.h"
#include "WinSkinForm.h"
#include "WinSkinMenu.h"

namespace {

double Now() {
  LARGE_INTEGER f, c;
  QueryPerformanceFrequency(&f);
  QueryPerformanceCounter(&c);
  return static_cast<double>(c.QuadPart) * 1000.0 / static_cast<double>(f.QuadPart);
}

void Report(const char* what, std::vector<double> ms) {
  std::sort(ms.begin(), ms.end());
  const size_t p95 = std::min(ms.size() - 1, ms.size() * 95 / 100);
  std::printf("%-44s n=%zu  median %.3f ms  p95 %.3f ms\n", what, ms.size(), ms[ms.size() / 2], ms[p95]);
}

template <class F>
std::vector<double> Time(int rounds, F&& f) {
  std::vector<double> ms;
  for (int i = 0; i < rounds; ++i) {
    const double start = Now();
    f();
    ms.push_back(Now() - start);
  }
  return ms;
}

void Pump(int milliseconds) {
  const double end = Now() + milliseconds;
  MSG msg;
  while (Now() < end) {
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    Sleep(1);
  }
}

std::vector<std::uint8_t> ReadSkin() {
  // The build's path is a path of the host; the program sees the host's root as drive Z:.
  std::string path = std::string("Z:") + TOLVANE_DEFAULT_SKIN_FILE;
  std::replace(path.begin(), path.end(), '/', '\\');
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

tk::TMenuItem* Item(tk::TComponent* owner, tk::TMenuItem* parent, const wchar_t* caption) {
  auto* item = new tk::TMenuItem(owner);
  item->SetCaption(tk::WideToGbk(caption));
  parent->Add(item);
  return item;
}

// Opens the drop-down of band button `index` and closes it from a timer once it has been shown.
void OpenAndClose(HWND wnd, TWinSkinMenu& band, int index) {
  SetTimer(nullptr, 0, 1, [](HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    EndMenu();
  });
  RECT window{};
  GetWindowRect(wnd, &window);
  const RECT b = band.Buttons.at(static_cast<size_t>(index))->Bounds;
  SendMessageW(wnd, SKM_OPENMENUAT, 0, MAKELPARAM(window.left + b.left + 1, window.top + b.top + 1));
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const int rounds = argc > 1 ? _wtoi(argv[1]) : 200;
  tk::TApplication application;
  application.Initialize();
  tk::RegisterToolkitClasses();
  RegisterSkinRuntime();

  auto* form = new tk::TForm(nullptr);
  form->SetBorderStyle(tk::TFormBorderStyle::bsSingle);
  form->SetBounds(100, 100, 960, 700);
  auto* menu = new tk::TMainMenu(form);
  Item(form, Item(form, menu->Items(), L"退出 "), L"退出系统");
  tk::TMenuItem* speeds = Item(form, menu->Items(), L"朗读分速");
  for (const wchar_t* caption : {L"速度1≈80-100", L"速度2≈100-140", L"速度3≈140-180", L"速度4≈180-230", L"速度5≈230-300  朗读最流畅情况"})
    Item(form, speeds, caption);
  speeds->Items(1)->SetChecked(true);
  Item(form, menu->Items(), L"选择txt文章");
  tk::TMenuItem* help = Item(form, menu->Items(), L"帮助");
  Item(form, help, L"语音库下载");
  Item(form, help, L"使用说明");
  form->SetMenu(menu);

  form->Show();
  Pump(100);
  HWND wnd = form->Handle();
  const auto frame = Time(rounds, [&] { SendMessageW(wnd, WM_NCPAINT, 1, 0); });

  auto* skin = new TSkinData(form);
  const std::vector<std::uint8_t> packed = ReadSkin();
  if (packed.empty() || !LoadSkinElements(*skin, packed, [](const std::string&) {})) {
    std::printf("cannot load %s\n", TOLVANE_DEFAULT_SKIN_FILE);
    return 1;
  }
  skin->SetSkinFormtype(TSkinFormType::sfDialog);
  skin->SetActive(true);
  skin->Loaded();
  Pump(300);
  TWinSkinForm* painter = TSkinManage::Instance()->FindForm(wnd);
  if (!painter || !painter->MenuBar) {
    std::printf("the form was not skinned\n");
    return 1;
  }
  TWinSkinMenu& band = *painter->MenuBar;

  std::printf("menu_bench: %d rounds, default skin, practice window's menu\n", rounds);
  Report("native frame with menu bar (WM_NCPAINT)", frame);
  Report("skinned frame with band (WM_NCPAINT)", Time(rounds, [&] { SendMessageW(wnd, WM_NCPAINT, 1, 0); }));
  {
    tk::WindowDC dc(wnd, true);
    const RECT bandRect = painter->MenuBandRect();
    Report("band alone (PaintBar)", Time(rounds, [&] { band.PaintBar(dc.Get(), bandRect); }));
  }
  Report("band rebuilt after a menu change", Time(rounds, [&] { speeds->Items(1)->SetChecked(!speeds->Items(1)->Checked()); }));
  {
    // One owner-drawn item of the speed drop-down, selected, into a memory bitmap.
    skin_menu::MakeOwnerDrawn(speeds->Handle());
    tk::TBitmap target(260, 22);
    DRAWITEMSTRUCT dis{};
    dis.CtlType = ODT_MENU;
    dis.itemID = speeds->Items(1)->Command();
    dis.itemAction = ODA_DRAWENTIRE;
    dis.itemState = ODS_SELECTED;
    dis.hwndItem = reinterpret_cast<HWND>(speeds->Handle());
    dis.hDC = target.Canvas().Handle();
    dis.rcItem = RECT{0, 0, 260, 22};
    dis.itemData = reinterpret_cast<ULONG_PTR>(speeds->Items(1));
    Report("owner-drawn item (DrawItem)", Time(rounds, [&] { skin_menu::DrawItem(*painter, dis); }));
  }

  OpenAndClose(wnd, band, 1);
  Report("drop-down opened, shown and closed", Time(rounds, [&] { OpenAndClose(wnd, band, 1); }));

  tk::TComponent::Free(form);
  TSkinManage::Destroy();
  return 0;
}
