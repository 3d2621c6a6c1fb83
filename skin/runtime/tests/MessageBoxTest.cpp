// Message boxes of the program ("#32770" dialogs) under a component serving every form: skinned as
// they are activated, still answering the keyboard and the mouse, widened for a long caption; and
// left native under a component that serves its own dialog form only.
#include <functional>

#include "GdiHandle.h"

#include "MainFormProgram.h"
#include "SyntheticInput.h"

using namespace skin_test;

namespace {

// What a watcher thread saw of a message box before it closed it.
struct BoxView {
  HWND box = nullptr;
  bool answeredSkinned = false;
  bool skinMetrics = false;
  SIZE window{};
  SIZE client{};
  std::vector<RECT> children;  // client coordinates, in the dialog's child order
  COLORREF left = 0, right = 0, bottom = 0;
};

// The answer of a box that the test's input did not close.
constexpr int NotClosed = IDABORT;

bool AsksSkinned(HWND wnd) {
  DWORD_PTR answer = 0;
  return SendMessageTimeoutW(wnd, SKM_ISSKINNED, 0, 0, SMTO_ABORTIFHUNG, 2000, &answer) && answer == 1;
}

class MessageBoxes : public MainFormProgram {
 protected:
  // Shows a message box from this thread. A watcher thread waits until the box is as expected
  // (skinned and painted, or simply up), records what it sees and closes it with `close`.
  int ShowBox(HWND owner, const std::wstring& text, const std::wstring& caption, UINT type, bool expectSkinned,
              const std::function<void(HWND)>& close, BoxView& view) {
    tk::testing::DialogWatcher watcher;
    watcher.SetAnswer([&](HWND box) {
      if (expectSkinned) {
        for (int i = 0; i < 1000; ++i) {
          if (AsksSkinned(box) && HasSkinMetrics(box) && WindowPixel(box, 1, WindowSize(box).cy / 2) == BorderColour(1, 1))
            break;
          Sleep(10);
        }
      } else {
        Sleep(300);
      }
      view.box = box;
      view.answeredSkinned = AsksSkinned(box);
      view.skinMetrics = HasSkinMetrics(box);
      view.window = WindowSize(box);
      RECT client{};
      GetClientRect(box, &client);
      view.client = SIZE{client.right, client.bottom};
      for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT r{};
        GetWindowRect(child, &r);
        MapWindowPoints(nullptr, box, reinterpret_cast<POINT*>(&r), 2);
        view.children.push_back(r);
      }
      view.left = WindowPixel(box, 1, view.window.cy / 2);
      view.right = WindowPixel(box, view.window.cx - 2, view.window.cy / 2);
      view.bottom = WindowPixel(box, view.window.cx / 2, view.window.cy - 2);
      close(box);
      // A box the input did not close is closed with an answer of its own, so the test fails
      // instead of waiting for ever.
      for (int i = 0; i < 1000 && IsWindow(box); ++i) Sleep(10);
      if (IsWindow(box)) PostMessageW(box, WM_COMMAND, MAKEWPARAM(NotClosed, BN_CLICKED), 0);
      return true;
    });
    return MessageBoxW(owner, text.c_str(), caption.c_str(), type);
  }

  static void PressEnter(HWND box) {
    SetForegroundWindow(box);
    Sleep(50);
    PressKey(VK_RETURN);
  }
  // A click on the button with this command id (IDYES, IDNO ...), at its centre on the screen.
  static std::function<void(HWND)> ClickButton(int id) {
    return [id](HWND box) {
      if (HWND button = GetDlgItem(box, id)) ClickAt(CentreOf(button));
    };
  }

  // The width the skinned title band needs for a caption: its text in the caption font between
  // the frame's blanks, plus the skin's text margins.
  static int TitleWidthFor(const std::wstring& caption) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    tk::UniqueFont font(CreateFontIndirectW(&metrics.lfCaptionFont));
    tk::WindowDC screen(nullptr);
    tk::SelectGuard select(screen.Get(), font.Get());
    const std::wstring text = L" " + caption + L"  ";
    RECT r{};
    DrawTextW(screen.Get(), text.c_str(), static_cast<int>(text.size()), &r, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    return r.right + 24 + 70;  // TextShift and TextRightClip of the solid skin
  }

  tk::TForm* StartProgram(TSkinFormType type = TSkinFormType::sfMainform) {
    tk::TForm* main = NewForm("Main", 20, 20);
    skin = AddSkinData(main, type);
    ShowForm(main);
    EXPECT_TRUE(WaitAttached(main->Handle()));
    return main;
  }

  TSkinData* skin = nullptr;
};

}  // namespace

TEST_F(MessageBoxes, AMessageBoxIsSkinnedWhenActivatedAndItsDefaultButtonAnswersEnter) {
  tk::TForm* main = StartProgram();
  BoxView view;
  const int answer = ShowBox(main->Handle(), L"Save the changes?", L"Question", MB_OKCANCEL, true, PressEnter, view);
  EXPECT_EQ(answer, IDOK);
  EXPECT_TRUE(view.answeredSkinned);
  EXPECT_TRUE(view.skinMetrics);
  EXPECT_EQ(view.left, BorderColour(1, 1));
  EXPECT_EQ(view.right, BorderColour(2, 1));
  EXPECT_EQ(view.bottom, BorderColour(4, 1));
  // The box's painter belonged to nobody: it let the window go and the next purge frees it.
  tk::testing::PumpMessages(50);
  EXPECT_EQ(PainterOf(view.box), nullptr);
  ASSERT_EQ(Manager().Forms.size(), 2u);
  EXPECT_EQ(Manager().Forms.back()->FrameState, fsDetached);
  Manager().PurgeForms();
  EXPECT_EQ(Manager().Forms.size(), 1u);
}

TEST_F(MessageBoxes, ASkinnedMessageBoxTakesAMouseClickOnItsButton) {
  tk::TForm* main = StartProgram();
  BoxView view;
  const int answer = ShowBox(main->Handle(), L"Delete the file?", L"Question", MB_YESNO, true, ClickButton(IDNO), view);
  EXPECT_EQ(answer, IDNO);
  EXPECT_TRUE(view.answeredSkinned);
  EXPECT_TRUE(view.skinMetrics);
}

TEST_F(MessageBoxes, ABoxWhoseCaptionIsWiderThanItsTextGrowsAndCentresItsBody) {
  const std::wstring caption = L"A caption far wider than the two letters this message box says";
  BoxView native;
  ASSERT_EQ(ShowBox(nullptr, L"Hi", caption, MB_OK, false, PressEnter, native), IDOK);
  ASSERT_FALSE(native.answeredSkinned);

  StartProgram();
  BoxView skinned;
  ASSERT_EQ(ShowBox(nullptr, L"Hi", caption, MB_OK, true, PressEnter, skinned), IDOK);
  ASSERT_TRUE(skinned.skinMetrics);
  const int least = TitleWidthFor(caption);
  ASSERT_GT(least, native.client.cx + LeftWidth + RightWidth) << "the caption must be the wider part";
  EXPECT_EQ(skinned.window.cx, least);
  EXPECT_EQ(skinned.client.cx, least - LeftWidth - RightWidth);
  EXPECT_EQ(skinned.client.cy, native.client.cy);
  const int shift = (least - (native.client.cx + LeftWidth + RightWidth)) / 2;
  ASSERT_GT(shift, 20) << "least " << least << ", native client " << native.client.cx;
  ASSERT_EQ(skinned.children.size(), native.children.size());
  for (size_t i = 0; i < native.children.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(skinned.children[i].left, native.children[i].left + shift);
    EXPECT_EQ(skinned.children[i].top, native.children[i].top);
    EXPECT_EQ(skinned.children[i].right - skinned.children[i].left, native.children[i].right - native.children[i].left);
  }
}

TEST_F(MessageBoxes, ABoxWiderThanItsCaptionKeepsItsClientArea) {
  const std::wstring text = L"A long line of text that makes this message box wider than its short caption.";
  BoxView native;
  ASSERT_EQ(ShowBox(nullptr, text, L"Note", MB_OK, false, PressEnter, native), IDOK);
  StartProgram();
  BoxView skinned;
  ASSERT_EQ(ShowBox(nullptr, text, L"Note", MB_OK, true, PressEnter, skinned), IDOK);
  EXPECT_EQ(skinned.client.cx, native.client.cx);
  EXPECT_EQ(skinned.client.cy, native.client.cy);
  EXPECT_EQ(skinned.window.cx, native.client.cx + LeftWidth + RightWidth);
  ASSERT_EQ(skinned.children.size(), native.children.size());
  for (size_t i = 0; i < native.children.size(); ++i) EXPECT_EQ(skinned.children[i].left, native.children[i].left) << i;
}

TEST_F(MessageBoxes, AComponentServingItsDialogFormOnlyLeavesMessageBoxesNative) {
  tk::TForm* main = StartProgram(TSkinFormType::sfDialog);
  EXPECT_TRUE(AnswersSkinned(main->Handle()));
  BoxView view;
  EXPECT_EQ(ShowBox(main->Handle(), L"Nothing to skin here", L"Plain", MB_OK, false, PressEnter, view), IDOK);
  EXPECT_FALSE(view.answeredSkinned);
  EXPECT_FALSE(view.skinMetrics);
  EXPECT_NE(view.left, BorderColour(1, 1));
  EXPECT_EQ(Manager().Forms.size(), 1u);
}
