// Reading and timing: Start and what it sends, the speed levels, pause and continue by button and
// F4, the clock and its panel, the speech events, and the voice box and menu.
#include "Encoding.h"
#include "FileDialogAnswer.h"
#include "PracticeCommands.h"
#include "PracticeWindowFixture.h"

using practice::testing::Command;
using practice::testing::Press;
using tk::testing::DialogWatcher;
using tk::testing::Gbk;
using tk::testing::PumpMessages;
using tk::testing::PumpUntil;
using tk::testing::Utf8;

namespace {

class ReadingTest : public PracticeWindowTest {
 protected:
  void SetUp() override {
    PracticeWindowTest::SetUp();
    ShowForm();
  }
  // Calls made to the component since `from`.
  std::vector<std::string> CallsSince(size_t from) {
    std::vector<std::string> names = fake->Methods();
    return {names.begin() + static_cast<long>(std::min(from, names.size())), names.end()};
  }
  void StartWithSample() {
    Command(form, form->N7);
    Press(form->BitBtn1);
  }
  // A key pressed in the typing area, through the message loop as the keyboard delivers it.
  void KeyInTypingArea(WORD key) {
    PostMessageW(form->RichEdit2->Handle(), WM_KEYDOWN, key, 1 | (MapVirtualKeyW(key, MAPVK_VK_TO_VSC) << 16));
    PumpMessages(50);
  }
  std::string Caption4() { return form->BitBtn4->Caption(); }
};

TEST_F(ReadingTest, StartSendsVolumeRateAndPitchThenTheArticleThenResumes) {
  form->ScrollBar2->SetPosition(80);
  form->ScrollBar3->SetPosition(3);
  Command(form, form->N23);
  Command(form, form->N7);
  const size_t before = fake->calls.size();
  Press(form->BitBtn1);
  EXPECT_EQ(CallsSince(before), (std::vector<std::string>{"SetVolume", "SetRate", "SetPitch", "Speak", "Resume"}));
  EXPECT_EQ(fake->Last("SetVolume")->numbers, std::vector<long>{80});
  EXPECT_EQ(fake->Last("SetRate")->numbers, std::vector<long>{-3});
  EXPECT_EQ(fake->Last("SetPitch")->numbers, std::vector<long>{3});
  EXPECT_EQ(fake->Last("Speak")->texts, std::vector<std::wstring>{Utf8("范例文章02")});
  EXPECT_EQ(fake->Last("Speak")->numbers, std::vector<long>{0});
}

TEST_F(ReadingTest, StartRunsTheClockFromZeroAndOpensPauseAndSubmit) {
  form->Label4->SetCaption("17");
  form->RichEdit1->Show();
  form->RichEdit2->SetText(Gbk("已打"));
  StartWithSample();
  EXPECT_EQ(GetFocus(), form->RichEdit2->Handle());
  EXPECT_TRUE(form->Timer1->Running());
  EXPECT_LT(std::stoi(form->Label4->Caption()), 5);  // set back to 0, counting while the box was open
  EXPECT_TRUE(form->BitBtn2->Enabled());
  EXPECT_TRUE(form->BitBtn4->Enabled());
  EXPECT_FALSE(form->RichEdit1->Visible());
  EXPECT_EQ(form->RichEdit2->GetText(), Gbk("已打"));  // the typing stays
}

TEST_F(ReadingTest, StartWithAnEmptyHolderAsksForAnArticleThenOpensTheFileDialog) {
  DialogWatcher watcher;
  std::atomic<bool> fileDialogShown{false};
  watcher.SetAnswer([&](HWND dialog) {
    if (!practice::testing::CancelFileDialog()(dialog)) return false;
    fileDialogShown = true;
    return true;
  });
  Press(form->BitBtn1);
  PumpMessages(50);
  ASSERT_EQ(watcher.Count(), 1u);
  const auto prompt = watcher.Dialogs().front();
  EXPECT_EQ(prompt.caption, Utf8("提示"));
  EXPECT_EQ(prompt.text, Utf8("请选择一篇TXT文本文档文章后点击\"开始\"进行练习！"));
  EXPECT_EQ(prompt.icon, 0u);
  EXPECT_EQ(prompt.buttons.size(), 1u);
  EXPECT_TRUE(fileDialogShown);
  EXPECT_EQ(fake->CountOf("Speak"), 0u);
  EXPECT_FALSE(form->Timer1->Running());
}

TEST_F(ReadingTest, EachSpeedLevelTicksItselfAndSetsTheRateForTheNextStartOnly) {
  struct Level {
    tk::TMenuItem* item;
    int rate;
  } levels[] = {{form->N26, -10}, {form->N25, -7}, {form->N27, -5}, {form->N23, -3}, {form->N24, 0}};
  for (const Level& level : levels) {
    const size_t before = fake->calls.size();
    Command(form, level.item);
    EXPECT_EQ(fake->calls.size(), before) << "nothing reaches the component";
    EXPECT_EQ(form->ScrollBar1->Position(), level.rate);
    for (const Level& other : levels) EXPECT_EQ(other.item->Checked(), other.item == level.item);
  }
  Command(form, form->N26);
  StartWithSample();
  EXPECT_EQ(fake->Last("SetRate")->numbers, std::vector<long>{-10});
}

TEST_F(ReadingTest, ThePauseButtonPausesThenContinues) {
  StartWithSample();
  Press(form->BitBtn4);
  EXPECT_EQ(fake->Methods().back(), "Pause");
  EXPECT_EQ(Caption4(), Gbk("继  续"));
  Press(form->BitBtn4);
  EXPECT_EQ(fake->Methods().back(), "Resume");
  EXPECT_EQ(Caption4(), Gbk("暂  停"));
}

TEST_F(ReadingTest, F4InTheTypingAreaTogglesAndPostsABackspaceWhateverTheShiftState) {
  StartWithSample();
  std::vector<std::pair<WPARAM, LPARAM>> keys;
  tk::TWndMethod saved = form->RichEdit2->WindowProc;
  form->RichEdit2->WindowProc = [&](tk::TMessage& m) {
    if (m.Msg == WM_KEYDOWN) keys.emplace_back(m.WParam, m.LParam);
    saved(m);
  };
  KeyInTypingArea(VK_F4);
  EXPECT_EQ(fake->Methods().back(), "Pause");
  EXPECT_EQ(Caption4(), Gbk("继  续"));
  ASSERT_EQ(keys.size(), 2u);
  EXPECT_EQ(keys[1], (std::pair<WPARAM, LPARAM>{VK_BACK, 0}));

  BYTE state[256];
  GetKeyboardState(state);
  state[VK_SHIFT] = state[VK_CONTROL] = 0x80;
  SetKeyboardState(state);
  KeyInTypingArea(VK_F4);
  state[VK_SHIFT] = state[VK_CONTROL] = 0;
  SetKeyboardState(state);
  EXPECT_EQ(fake->Methods().back(), "Resume");
  EXPECT_EQ(Caption4(), Gbk("暂  停"));
  form->RichEdit2->WindowProc = saved;
}

TEST_F(ReadingTest, OtherKeysPassThroughTheTypingAreaUntouched) {
  StartWithSample();
  const size_t before = fake->calls.size();
  form->RichEdit2->SetText("ab");
  form->RichEdit2->Select(2, 0);
  KeyInTypingArea(VK_F5);
  KeyInTypingArea(VK_BACK);
  EXPECT_EQ(fake->calls.size(), before);
  EXPECT_EQ(form->RichEdit2->GetText(), "a");
}

TEST_F(ReadingTest, F4BeforeAnyStartStillCallsTheComponent) {
  ASSERT_FALSE(form->BitBtn4->Enabled());
  KeyInTypingArea(VK_F4);
  EXPECT_EQ(fake->Methods().back(), "Pause");
  EXPECT_EQ(Caption4(), Gbk("继  续"));
}

TEST_F(ReadingTest, StartWhilePausedSpeaksAgainButLeavesTheCaption) {
  StartWithSample();
  Press(form->BitBtn4);
  const size_t before = fake->calls.size();
  Press(form->BitBtn1);
  EXPECT_EQ(CallsSince(before), (std::vector<std::string>{"SetVolume", "SetRate", "SetPitch", "Speak", "Resume"}));
  EXPECT_EQ(Caption4(), Gbk("继  续"));
}

TEST_F(ReadingTest, TheClockCountsSecondsIntoTheHiddenLabelAndPanelOne) {
  form->StatusBar1->Panel(1)->SetText("old");
  StartWithSample();
  EXPECT_EQ(form->StatusBar1->Panel(1)->Text(), "old");  // until the first tick
  ASSERT_TRUE(PumpUntil([&] { return form->Label4->Caption() == "2"; }, 3500));
  EXPECT_EQ(form->StatusBar1->Panel(1)->Text(), Gbk("耗时：2秒    "));
  EXPECT_EQ(form->StatusBar1->PanelTextShown(1), Gbk("耗时：2秒    "));
  EXPECT_TRUE(form->StatusBar1->PanelTextShown(2).empty());
}

TEST_F(ReadingTest, PausingLeavesTheClockRunning) {
  StartWithSample();
  Press(form->BitBtn4);
  EXPECT_TRUE(PumpUntil([&] { return form->Label4->Caption() == "1"; }, 2500));
  EXPECT_EQ(form->StatusBar1->Panel(1)->Text(), Gbk("耗时：1秒    "));
}

TEST_F(ReadingTest, EachTickAddsOneToWhatTheLabelHolds) {
  form->Label4->SetCaption("41");
  form->Timer1Timer(form->Timer1);
  EXPECT_EQ(form->Label4->Caption(), "42");
  EXPECT_EQ(form->StatusBar1->Panel(1)->Text(), Gbk("耗时：42秒    "));
}

TEST_F(ReadingTest, WordEventsSelectTheSpokenWordInTheHolderAndTheEndClearsIt) {
  Command(form, form->N6);
  Press(form->BitBtn1);
  fake->FireWord(30, 2);
  PumpMessages(20);
  EXPECT_EQ(form->RichEdit1->SelStart(), 30);
  EXPECT_EQ(form->RichEdit1->SelLength(), 2);
  fake->FireEnd();
  PumpMessages(20);
  EXPECT_EQ(form->RichEdit1->SelStart(), 0);
  EXPECT_EQ(form->RichEdit1->SelLength(), 0);
  EXPECT_TRUE(form->Timer1->Running());  // the end of the reading does not stop the clock
}

TEST_F(ReadingTest, AFailingSpeakIsReportedAndLeavesWhatStartDidBeforeIt) {
  Command(form, form->N7);
  form->Label4->SetCaption("17");
  fake->FailOn("Speak", E_FAIL, L"speech engine broken");
  DialogWatcher watcher;
  Press(form->BitBtn1);
  ASSERT_TRUE(PumpUntil([&] { return watcher.Count() == 1; }, 3000));
  EXPECT_EQ(watcher.Dialogs().front().icon, static_cast<UINT>(MB_ICONSTOP));
  EXPECT_NE(watcher.Dialogs().front().text.find(L"speech engine broken"), std::wstring::npos);
  EXPECT_EQ(fake->CountOf("Resume"), 0u);
  EXPECT_TRUE(form->Timer1->Running());
  EXPECT_LT(std::stoi(form->Label4->Caption()), 5);  // set back to 0, counting while the box was open
  EXPECT_TRUE(form->BitBtn2->Enabled());
  EXPECT_TRUE(form->BitBtn4->Enabled());
}

TEST_F(ReadingTest, ChoosingAVoiceInTheBoxSelectsItInTheComponent) {
  ASSERT_GE(form->ComboBox2->Items().Count(), 2);
  HWND combo = form->ComboBox2->Handle();
  SendMessageW(combo, CB_SETCURSEL, 1, 0);
  SendMessageW(GetParent(combo), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
  EXPECT_EQ(fake->Methods().back(), "SetVoice");
  EXPECT_EQ(fake->Last("SetVoice")->numbers, std::vector<long>{1});
}

TEST_F(ReadingTest, TheHiddenVoiceMenuOnlyTicksAndNamesWithoutTellingTheComponent) {
  const size_t before = fake->calls.size();
  tk::TMenuItem* items[] = {form->N18, form->N19, form->N20, form->N21};
  for (tk::TMenuItem* item : items) {
    Command(form, item);
    for (tk::TMenuItem* other : items) EXPECT_EQ(other->Checked(), other == item);
  }
  EXPECT_EQ(fake->calls.size(), before);
  EXPECT_FALSE(form->N17->Visible());
}

}  // namespace
