// A control's PopupMenu under a component serving every form: a right click (or Shift+F10 where
// the control has the focus) opens it at the pointer, the menu window is drawn by the skin, and an
// item chosen by the keyboard or the mouse runs its OnClick.
#include "ExtCtrls.h"
#include "MainFormProgram.h"
#include "Menus.h"
#include "StdCtrls.h"
#include "ToolkitWindowsSkin.h"
#include "UserInput.h"
#include "WinSubClass.h"

using namespace skin_test;

namespace {

void RightClickOnTestThread() {
  tk::testing::OnTestThread([] {
    INPUT input[2]{};
    input[0].type = input[1].type = INPUT_MOUSE;
    input[0].mi.dwFlags = MOUSEEVENTF_RIGHTDOWN;
    input[1].mi.dwFlags = MOUSEEVENTF_RIGHTUP;
    SendInput(2, input, sizeof(INPUT));
  });
}

HWND WaitForMenuWindow() {
  HWND menu = nullptr;
  tk::testing::WaitFor(
      [&] {
        const std::vector<HWND> open = tk::testing::VisibleMenuWindows();
        menu = open.empty() ? nullptr : open.front();
        return menu != nullptr;
      },
      5000);
  return menu;
}

class ToolkitPopups : public MainFormProgram {
 protected:
  void SetUp() override {
    MainFormProgram::SetUp();
    main = NewForm("Main", 20, 20, 400, 240);
    popup = new tk::TPopupMenu(main);
    for (const char* caption : {"One", "Two"}) {
      auto* item = new tk::TMenuItem(main);
      item->SetCaption(caption);
      const std::string name = caption;
      item->OnClick = [this, name](tk::TObject*) { clicked.push_back(name); };
      popup->Items()->Add(item);
    }
    panel = new tk::TPanel(main);
    panel->SetParent(main);
    panel->SetBounds(10, 10, 200, 120);
    panel->SetPopupMenu(popup);
    memo = new tk::TMemo(main);
    memo->SetParent(main);
    memo->SetBounds(220, 10, 160, 120);
    memo->SetPopupMenu(popup);
    AddSkinData(main, TSkinFormType::sfMainform, true, WindowsSkinOptions());
    ShowForm(main);
    ASSERT_TRUE(WaitAttached(main->Handle()));
    tk::testing::PumpMessages(50);
  }

  POINT PanelPoint() const { return panel->ClientToScreen(POINT{60, 50}); }

  tk::TForm* main = nullptr;
  tk::TPopupMenu* popup = nullptr;
  tk::TPanel* panel = nullptr;
  tk::TMemo* memo = nullptr;
  std::vector<std::string> clicked;
};

}  // namespace

TEST_F(ToolkitPopups, ThePopupMenuIsAPublishedPropertyThatForgetsAFreedMenu) {
  EXPECT_EQ(GetObjectProp(panel, "PopupMenu"), popup);
  tk::TComponent::Free(popup);
  EXPECT_EQ(panel->PopupMenu(), nullptr);
  EXPECT_EQ(memo->PopupMenu(), nullptr);
}

TEST_F(ToolkitPopups, ARightClickOpensTheSkinnedMenuAtThePointerAndTheKeyboardChoosesAnItem) {
  RECT menuRect{};
  COLORREF edge = 0;
  tk::testing::InputScript script([&] {
    tk::testing::MoveMouseTo(PanelPoint());
    RightClickOnTestThread();
    HWND menu = WaitForMenuWindow();
    if (!menu) return;
    Sleep(200);  // painted
    GetWindowRect(menu, &menuRect);
    edge = ScreenPixel(menuRect.left + 1, (menuRect.top + menuRect.bottom) / 2);
    tk::testing::TapKey(VK_DOWN);
    tk::testing::TapKey(VK_RETURN);
    tk::testing::WaitFor([] { return tk::testing::VisibleMenuWindows().empty(); }, 3000);
  });
  ASSERT_TRUE(script.RunToEnd());
  tk::testing::PumpMessages(50);
  // The menu came up at the pointer, drawn by the skin.
  EXPECT_EQ(menuRect.left, PanelPoint().x);
  EXPECT_EQ(menuRect.top, PanelPoint().y);
  EXPECT_EQ(edge, MenuBackgroundColour());
  EXPECT_EQ(clicked, std::vector<std::string>{"One"});
}

TEST_F(ToolkitPopups, AClickOnAnItemOfTheOpenMenuRunsIt) {
  RECT menuRect{};
  tk::testing::InputScript script([&] {
    tk::testing::MoveMouseTo(PanelPoint());
    RightClickOnTestThread();
    HWND menu = WaitForMenuWindow();
    if (!menu) return;
    Sleep(200);
    // Two items of one height: the second fills the lower half of the menu window.
    GetWindowRect(menu, &menuRect);
    const POINT second{(menuRect.left + menuRect.right) / 2, menuRect.top + (menuRect.bottom - menuRect.top) * 3 / 4};
    tk::testing::MoveMouseTo(second);
    Sleep(100);
    tk::testing::ClickAt(second);
    tk::testing::WaitFor([] { return tk::testing::VisibleMenuWindows().empty(); }, 3000);
  });
  ASSERT_TRUE(script.RunToEnd());
  tk::testing::PumpMessages(50);
  EXPECT_EQ(clicked, std::vector<std::string>{"Two"}) << menuRect.left << "," << menuRect.top << " " << menuRect.right << ","
                                                     << menuRect.bottom;
}

class KeyboardPopups : public ToolkitPopups, public ::testing::WithParamInterface<bool> {};

TEST_P(KeyboardPopups, OpenTheFocusedControlsMenuAtTheControl) {
  memo->SetFocus();
  tk::testing::PumpMessages(20);
  ASSERT_TRUE(memo->Focused());
  RECT menuRect{};
  const bool menuKey = GetParam();
  tk::testing::InputScript script([&] {
    if (menuKey) tk::testing::TapKey(VK_APPS);
    else tk::testing::TapKeyWith(VK_SHIFT, VK_F10);
    HWND menu = WaitForMenuWindow();
    if (!menu) return;
    GetWindowRect(menu, &menuRect);
    tk::testing::TapKey(VK_ESCAPE);
    tk::testing::WaitFor([] { return tk::testing::VisibleMenuWindows().empty(); }, 3000);
  });
  ASSERT_TRUE(script.RunToEnd());
  tk::testing::PumpMessages(50);
  const POINT centre = memo->ClientToScreen(POINT{memo->Width() / 2, memo->Height() / 2});
  EXPECT_EQ(menuRect.left, centre.x);
  EXPECT_EQ(menuRect.top, centre.y);
  EXPECT_TRUE(clicked.empty());
}

INSTANTIATE_TEST_SUITE_P(ShiftF10AndTheMenuKey, KeyboardPopups, ::testing::Values(false, true));
