// Message boxes the toolkit opens, under a component serving every form: skinned as they come up
// and answered by the keyboard (Enter, Escape, Tab, Alt+letter) and by the mouse; and a size grip
// made in a skinned form gets the sizer painter as it is created.
#include <functional>

#include "Dialogs.h"
#include "WinSubClass.h"
#include "MainFormProgram.h"
#include "SyntheticInput.h"
#include "ToolkitWindowsSkin.h"

using namespace skin_test;

namespace {

bool AsksSkinned(HWND wnd) {
  DWORD_PTR answer = 0;
  return SendMessageTimeoutW(wnd, SKM_ISSKINNED, 0, 0, SMTO_ABORTIFHUNG, 2000, &answer) && answer == 1;
}

void PressWith(WORD modifier, WORD key) {
  INPUT input[4]{};
  for (INPUT& i : input) i.type = INPUT_KEYBOARD;
  input[0].ki.wVk = modifier;
  input[1].ki.wVk = key;
  input[2].ki.wVk = key;
  input[2].ki.dwFlags = KEYEVENTF_KEYUP;
  input[3].ki.wVk = modifier;
  input[3].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(4, input, sizeof(INPUT));
}

// What the watcher saw of the box before it answered it.
struct SeenBox {
  bool skinned = false;
  COLORREF left = 0, bottom = 0;
};

class ToolkitDialogs : public MainFormProgram {
 protected:
  void SetUp() override {
    MainFormProgram::SetUp();
    main = NewForm("Main", 20, 20);
    AddSkinData(main, TSkinFormType::sfMainform, true, WindowsSkinOptions());
    ShowForm(main);
    ASSERT_TRUE(WaitAttached(main->Handle()));
  }

  // Opens a toolkit message box; a watcher thread waits until it is skinned and painted, looks at
  // its frame and answers it with `answer` (input given as a user gives it).
  int Ask(unsigned flags, const std::function<void(HWND)>& answer, SeenBox& seen) {
    tk::testing::DialogWatcher watcher;
    watcher.SetAnswer([&](HWND box) {
      for (int i = 0; i < 1000; ++i) {
        if (AsksSkinned(box) && HasSkinMetrics(box) && WindowPixel(box, 1, WindowSize(box).cy / 2) == BorderColour(1, 1)) break;
        Sleep(10);
      }
      const SIZE size = WindowSize(box);
      seen.skinned = AsksSkinned(box) && HasSkinMetrics(box);
      seen.left = WindowPixel(box, 1, size.cy / 2);
      seen.bottom = WindowPixel(box, size.cx / 2, size.cy - 2);
      SetForegroundWindow(box);
      Sleep(50);
      answer(box);
      for (int i = 0; i < 500 && IsWindow(box); ++i) Sleep(10);
      // A box the input did not close is closed with an answer no input gives.
      if (IsWindow(box)) PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDABORT, BN_CLICKED), 0);
      return true;
    });
    return tk::MessageBoxText("Keep the changes?", "Question", flags);
  }

  tk::TForm* main = nullptr;
};

}  // namespace

TEST_F(ToolkitDialogs, AToolkitMessageBoxIsSkinnedAndEnterTakesItsDefaultButton) {
  SeenBox seen;
  EXPECT_EQ(Ask(MB_OKCANCEL, [](HWND) { PressKey(VK_RETURN); }, seen), IDOK);
  EXPECT_TRUE(seen.skinned);
  EXPECT_EQ(seen.left, BorderColour(1, 1));
  EXPECT_EQ(seen.bottom, BorderColour(4, 1));
}

TEST_F(ToolkitDialogs, EscapeCancelsASkinnedBox) {
  SeenBox seen;
  EXPECT_EQ(Ask(MB_OKCANCEL, [](HWND) { PressKey(VK_ESCAPE); }, seen), IDCANCEL);
  EXPECT_TRUE(seen.skinned);
}

TEST_F(ToolkitDialogs, TabMovesToTheNextButtonOfASkinnedBox) {
  SeenBox seen;
  EXPECT_EQ(Ask(MB_YESNO, [](HWND) {
              PressKey(VK_TAB);
              Sleep(50);
              PressKey(VK_RETURN);
            }, seen),
            IDNO);
  EXPECT_TRUE(seen.skinned);
}

TEST_F(ToolkitDialogs, AltAndAButtonsLetterPressesIt) {
  SeenBox seen;
  EXPECT_EQ(Ask(MB_YESNO, [](HWND) { PressWith(VK_MENU, 'N'); }, seen), IDNO);
  EXPECT_TRUE(seen.skinned);
}

TEST_F(ToolkitDialogs, AClickOnAButtonOfASkinnedBoxAnswersIt) {
  SeenBox seen;
  EXPECT_EQ(Ask(MB_YESNO, [](HWND box) {
              if (HWND no = GetDlgItem(box, IDNO)) ClickAt(CentreOf(no));
            }, seen),
            IDNO);
  EXPECT_TRUE(seen.skinned);
}

TEST_F(ToolkitDialogs, ASizeGripMadeInASkinnedFormGetsTheSizerPainter) {
  HWND grip = CreateWindowExW(0, L"ScrollBar", nullptr, WS_CHILD | WS_VISIBLE | SBS_SIZEGRIP | SBS_SIZEBOXBOTTOMRIGHTALIGN,
                              280, 140, 20, 20, main->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(grip, nullptr);
  EXPECT_TRUE(AnswersSkinned(grip));
  bool sizer = false;
  for (TSkinControl* painter : PainterOf(main->Handle())->PainterList())
    if (painter->ClassName() == "TSkinSizer") sizer = true;
  EXPECT_TRUE(sizer);
  // A scroll bar that takes the focus is no grip.
  HWND bar = CreateWindowExW(0, L"ScrollBar", nullptr, WS_CHILD | WS_VISIBLE | WS_TABSTOP | SBS_VERT, 10, 10, 16, 100,
                             main->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
  size_t sizers = 0;
  for (TSkinControl* painter : PainterOf(main->Handle())->PainterList())
    if (painter->ClassName() == "TSkinSizer") ++sizers;
  EXPECT_EQ(sizers, 1u);
  DestroyWindow(bar);
  DestroyWindow(grip);
}
