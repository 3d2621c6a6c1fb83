// Menu windows ("#32768") under a component serving every form: each one gets a painter while it
// is open, of the kind the menu's source asks for, and the last one going resets the source.
#include <functional>

#include "GdiHandle.h"
#include "MainFormProgram.h"
#include "SyntheticInput.h"
#include "WinSkinMenu.h"

using namespace skin_test;

namespace {

// Steps run one by one from a timer while a menu is tracked (the menu's own loop dispatches it).
std::vector<std::function<void()>>* g_steps = nullptr;
size_t g_next = 0;

void CALLBACK RunStep(HWND, UINT, UINT_PTR, DWORD) {
  if (g_steps && g_next < g_steps->size()) (*g_steps)[g_next++]();
}

int TrackWithSteps(HWND owner, HMENU menu, UINT flags, std::vector<std::function<void()>> steps) {
  g_steps = &steps;
  g_next = 0;
  const UINT_PTR timer = SetTimer(nullptr, 0, 150, RunStep);
  const int result = TrackPopupMenu(menu, flags | TPM_RETURNCMD, 200, 200, 0, owner, nullptr);
  KillTimer(nullptr, timer);
  g_steps = nullptr;
  return result;
}

class MenuWindows : public MainFormProgram {
 protected:
  void SetUp() override {
    MainFormProgram::SetUp();
    main = NewForm("Main", 20, 20);
    skin = AddSkinData(main);
    ShowForm(main);
    ASSERT_TRUE(WaitAttached(main->Handle()));
    inner = CreatePopupMenu();
    AppendMenuW(inner, MF_STRING, 3, L"Inner");
    AppendMenuW(menu.Get(), MF_STRING, 1, L"One");
    AppendMenuW(menu.Get(), MF_POPUP, reinterpret_cast<UINT_PTR>(inner), L"More");
  }

  tk::TForm* main = nullptr;
  TSkinData* skin = nullptr;
  tk::UniqueMenu menu{CreatePopupMenu()};
  HMENU inner = nullptr;  // destroyed with `menu`
};

}  // namespace

TEST_F(MenuWindows, EachOpenMenuWindowHasAPainterAndTheLastOneGoingResetsTheSource) {
  Manager().BarMenuOpen = true;
  std::vector<size_t> open;
  std::vector<int> source;
  bool fromBar = false, subFromBar = true, allFromBar = false;
  std::vector<HMENU> handles;
  auto look = [&] {
    open.push_back(Manager().PopMenus.size());
    source.push_back(Manager().MenuSource);
  };
  TrackWithSteps(main->Handle(), menu.Get(), 0,
                 {[&] {
                    look();
                    fromBar = !Manager().PopMenus.empty() && Manager().PopMenus.front()->OpenedFromBar;
                    Manager().BarMenuOpen = false;
                    PressKey(VK_DOWN);
                    PressKey(VK_DOWN);
                    PressKey(VK_RIGHT);  // "More" opens its menu window
                  },
                  [&] {
                    look();
                    if (Manager().PopMenus.size() == 2) {
                      auto& pops = Manager().PopMenus;
                      subFromBar = pops[1]->OpenedFromBar;
                      // Menu handles go to the newest menu window without one.
                      Manager().RecordMenuHandle(inner);
                      Manager().RecordMenuHandle(inner);  // known already: nothing changes
                      Manager().RecordMenuHandle(menu.Get());
                      handles = {pops[0]->MenuHandle, pops[1]->MenuHandle};
                      Manager().MarkPopMenusFromBar();
                      allFromBar = pops[0]->OpenedFromBar && pops[1]->OpenedFromBar;
                    }
                    PressKey(VK_LEFT);  // and closes it again
                  },
                  [&] {
                    look();
                    PressKey(VK_ESCAPE);
                  }});
  tk::testing::PumpMessages(50);
  // The owner was told of each menu (WM_INITMENUPOPUP): they come from a form's own menu.
  EXPECT_EQ(open, (std::vector<size_t>{1, 2, 1}));
  EXPECT_EQ(source, (std::vector<int>{mnsBar, mnsBar, mnsBar}));
  EXPECT_TRUE(fromBar);
  EXPECT_FALSE(subFromBar);
  EXPECT_TRUE(allFromBar);
  EXPECT_EQ(handles, (std::vector<HMENU>{menu.Get(), inner}));
  EXPECT_TRUE(Manager().PopMenus.empty());
  EXPECT_EQ(Manager().MenuSource, mnsContext);
  EXPECT_FALSE(Manager().BarMenuOpen);
}

TEST_F(MenuWindows, AMenuWindowIsSkinnedWhenTheKindItsSourceNeedsIsSkinned) {
  size_t open = 0;
  auto closeAfterLooking = [&] {
    open = Manager().PopMenus.size();
    PressKey(VK_ESCAPE);
  };
  auto openAs = [&](int source) {
    open = 99;
    // As the menu band and the system menu do: the source is set before the menu opens, and the
    // owner is not notified.
    Manager().MenuSource = source;
    TrackWithSteps(main->Handle(), menu.Get(), TPM_NONOTIFY, {closeAfterLooking});
    tk::testing::PumpMessages(30);
    // A menu window that had a painter sets the source back as it goes.
    if (open == 1) {
      EXPECT_EQ(Manager().MenuSource, mnsContext);
    }
    return open;
  };
  EXPECT_EQ(openAs(mnsContext), 1u);
  EXPECT_EQ(openAs(mnsBar), 1u);
  skin->SetSkinControls(skin->SkinControls().Include(TSkinControlType::xcSystemMenu));
  EXPECT_EQ(openAs(mnsSystem), 1u);

  skin->SetSkinControls(skin->SkinControls().Exclude(TSkinControlType::xcPopupMenu));
  EXPECT_EQ(openAs(mnsContext), 0u);
  EXPECT_EQ(openAs(mnsBar), 1u);
  skin->SetSkinControls(skin->SkinControls().Exclude(TSkinControlType::xcMainMenu));
  EXPECT_EQ(openAs(mnsBar), 0u);
  skin->SetSkinControls(skin->SkinControls().Include(TSkinControlType::xcMenuItem));
  EXPECT_EQ(openAs(mnsBar), 1u);
  skin->SetSkinControls(skin->SkinControls().Exclude(TSkinControlType::xcSystemMenu));
  EXPECT_EQ(openAs(mnsSystem), 0u);
  EXPECT_TRUE(Manager().PopMenus.empty());
}

TEST_F(MenuWindows, NoMenuWindowIsSkinnedWhileTheManagerIsOff) {
  Manager().Active = false;
  size_t open = 99;
  TrackWithSteps(main->Handle(), menu.Get(), 0, {[&] {
                   open = Manager().PopMenus.size();
                   PressKey(VK_ESCAPE);
                 }});
  EXPECT_EQ(open, 0u);
}
