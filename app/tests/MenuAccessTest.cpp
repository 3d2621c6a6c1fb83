// The practice window's commands reached the way a user reaches them through the skinned menu
// band: by keyboard and by mouse, with real input.
#include <atomic>

#include "FileDialogAnswer.h"
#include "PracticeMenuBand.h"
#include "PracticeWindowFixture.h"
#include "UserInput.h"

using practice::testing::BandButtonPoint;
using practice::testing::DropDownLeft;
using tk::testing::ClickAt;
using tk::testing::DialogWatcher;
using tk::testing::InputScript;
using tk::testing::TapKey;
using tk::testing::Utf8;
using tk::testing::VisibleMenuWindows;
using tk::testing::WaitFor;

namespace {

constexpr int Wait = 3000;
enum { bExit = 0, bSpeed = 1, bChooseFile = 2, bHelp = 3 };

HWND WaitForMenuAt(int x) {
  HWND found = nullptr;
  WaitFor(
      [&] {
        for (HWND wnd : VisibleMenuWindows()) {
          RECT r{};
          GetWindowRect(wnd, &r);
          if (r.left == x) found = wnd;
        }
        return found != nullptr;
      },
      Wait);
  return found;
}

void CloseMenus() {
  for (int i = 0; i < 4 && !VisibleMenuWindows().empty(); ++i) {
    TapKey(VK_ESCAPE);
    WaitFor([] { return VisibleMenuWindows().empty(); }, 500);
  }
}

class MenuAccessTest : public PracticeWindowTest {
 protected:
  void SetUp() override {
    PracticeWindowTest::SetUp();
    ShowForm();
    SetForegroundWindow(form->Handle());
    tk::testing::PumpMessages(50);
  }
};

TEST_F(MenuAccessTest, AltThenRightAndDownChooseASpeedLevelFromTheKeyboard) {
  ASSERT_NE(practice::testing::MenuBand(form), nullptr);
  ASSERT_TRUE(form->N25->Checked());
  bool exitMenu = false, speedMenu = false;
  InputScript script([&] {
    TapKey(VK_MENU);  // the window has neither a native menu nor a system menu
    exitMenu = WaitForMenuAt(DropDownLeft(form, bExit)) != nullptr;
    TapKey(VK_RIGHT);
    speedMenu = WaitForMenuAt(DropDownLeft(form, bSpeed)) != nullptr;
    // Level 1 is selected on opening: two down is level 3.
    TapKey(VK_DOWN);
    TapKey(VK_DOWN);
    TapKey(VK_RETURN);
    WaitFor([] { return VisibleMenuWindows().empty(); }, Wait);
    CloseMenus();
  });
  ASSERT_TRUE(script.RunToEnd());
  tk::testing::PumpUntil([&] { return form->N27->Checked(); }, Wait);
  EXPECT_TRUE(exitMenu);
  EXPECT_TRUE(speedMenu);
  EXPECT_TRUE(form->N27->Checked());
  EXPECT_FALSE(form->N25->Checked());
  EXPECT_EQ(form->ScrollBar1->Position(), -5);
}

TEST_F(MenuAccessTest, TheUsageHelpOpensFromTheHelpDropDownByMouse) {
  DialogWatcher watcher;
  HMENU help = form->N3->Handle();
  bool opened = false;
  InputScript script([&] {
    ClickAt(BandButtonPoint(form, bHelp));
    opened = WaitForMenuAt(DropDownLeft(form, bHelp)) != nullptr;
    if (opened) {
      RECT usage{};
      GetMenuItemRect(nullptr, help, 1, &usage);
      ClickAt(POINT{(usage.left + usage.right) / 2, (usage.top + usage.bottom) / 2});
    }
    WaitFor([&] { return watcher.Count() > 0; }, Wait);
    CloseMenus();
  });
  ASSERT_TRUE(script.RunToEnd());
  EXPECT_TRUE(opened);
  ASSERT_EQ(watcher.Count(), 1u);
  const auto box = watcher.Dialogs()[0];
  EXPECT_EQ(box.caption, L"Tolvane");
  EXPECT_EQ(box.text, Utf8("选择TXT文章后，点击开始按钮即可以听到声音。按F4进行暂停或继续。"));
}

TEST_F(MenuAccessTest, TheFileCommandOnTheBandOpensTheFileDialogAndNoDropDown) {
  DialogWatcher watcher;
  std::atomic<bool> fileDialogShown{false}, anyMenu{false};
  watcher.SetAnswer([&](HWND dialog) {
    if (!practice::testing::CancelFileDialog()(dialog)) return false;
    fileDialogShown = true;
    return true;
  });
  InputScript script([&] {
    ClickAt(BandButtonPoint(form, bChooseFile));
    WaitFor([&] { return fileDialogShown.load(); }, 10000);
  });
  ASSERT_TRUE(tk::testing::PumpUntil(
      [&] {
        if (!VisibleMenuWindows().empty()) anyMenu = true;
        return script.Finished();
      },
      15000));
  EXPECT_TRUE(fileDialogShown);
  EXPECT_FALSE(anyMenu);
}

}  // namespace

// The exit paths stop the reading and end the loop (ExitTest); here it is enough to see them reached
// by a user's keys: the reading's Stop is called only on the way out.
TEST_F(MenuAccessTest, AltF4StillEndsTheProgram) {
  fake->calls.clear();
  InputScript script([&] { tk::testing::TapKeyWith(VK_MENU, VK_F4); });
  ASSERT_TRUE(script.RunToEnd());
  tk::testing::PumpUntil([&] { return fake->CountOf("Stop") > 0; }, Wait);
  EXPECT_EQ(fake->CountOf("Stop"), 1u);
  EXPECT_TRUE(tk::Application->Terminated());
}

TEST_F(MenuAccessTest, TheExitCommandOfTheBandEndsTheProgramFromTheKeyboard) {
  fake->calls.clear();
  bool exitMenu = false;
  InputScript script([&] {
    TapKey(VK_MENU);
    exitMenu = WaitForMenuAt(DropDownLeft(form, bExit)) != nullptr;
    TapKey(VK_RETURN);  // "退出系统", selected on opening
    WaitFor([] { return VisibleMenuWindows().empty(); }, Wait);
    CloseMenus();
  });
  ASSERT_TRUE(script.RunToEnd());
  tk::testing::PumpUntil([&] { return fake->CountOf("Stop") > 0; }, Wait);
  EXPECT_TRUE(exitMenu);
  EXPECT_EQ(fake->CountOf("Stop"), 1u);
  EXPECT_TRUE(tk::Application->Terminated());
}
