// Leaving the program: the exit command and the platform's close command stop the reading and end
// the message loop; the help messages.
#include "PracticeWindowFixture.h"

using tk::testing::DialogWatcher;
using tk::testing::Utf8;

namespace {

bool QuitPosted() {
  MSG msg;
  return PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != 0;
}

void DrainQuit() {
  while (QuitPosted()) {
  }
}

TEST_F(PracticeWindowTest, ExitCommandStopsTheReadingAndEndsTheLoop) {
  MakeForm();
  form->Show();
  DrainQuit();
  fake->calls.clear();
  form->N16->Click();
  EXPECT_EQ(fake->Methods(), std::vector<std::string>{"Stop"});
  EXPECT_TRUE(QuitPosted());
}

TEST_F(PracticeWindowTest, CloseCommandDoesWhatTheExitCommandDoes) {
  MakeForm();
  form->Show();
  DrainQuit();
  fake->calls.clear();
  SendMessageW(form->Handle(), WM_CLOSE, 0, 0);
  EXPECT_EQ(fake->CountOf("Stop"), 1u);
  EXPECT_TRUE(QuitPosted());
}

TEST_F(PracticeWindowTest, AFailingStopIsReportedAndTheProgramStillEnds) {
  MakeForm();
  form->Show();
  DrainQuit();
  fake->FailOn("Stop", E_FAIL, L"helper gone");
  DialogWatcher watcher;
  form->N16->Click();
  ASSERT_EQ(watcher.Count(), 1u);
  EXPECT_EQ(watcher.Dialogs()[0].text, L"helper gone");
  EXPECT_TRUE(QuitPosted());
}

TEST_F(PracticeWindowTest, DestroyingTheWindowReleasesTheComponentAndItsEvents) {
  MakeForm();
  EXPECT_EQ(fake->SinkCount(), 1u);
  tk::TComponent::Free(form);
  form = nullptr;
  EXPECT_EQ(fake->SinkCount(), 0u);
}

TEST_F(PracticeWindowTest, UsageHelpIsAnInformationMessageCaptionedWithTheTitle) {
  MakeForm();
  DialogWatcher watcher;
  form->N4->Click();
  ASSERT_EQ(watcher.Count(), 1u);
  const auto box = watcher.Dialogs()[0];
  EXPECT_EQ(box.caption, L"Tolvane");
  EXPECT_EQ(box.icon, 0u);
  EXPECT_EQ(box.text, Utf8("选择TXT文章后，点击开始按钮即可以听到声音。按F4进行暂停或继续。"));
}

TEST_F(PracticeWindowTest, VoiceDownloadHelpBreaksItsLineWithLineFeedThenCarriageReturn) {
  MakeForm();
  DialogWatcher watcher;
  form->N5->Click();
  ASSERT_EQ(watcher.Count(), 1u);
  EXPECT_EQ(watcher.Dialogs()[0].text,
            Utf8("请根据需要选择下载一种或两种语音库进行安装!") + L"\n\r" + Utf8("win7、win8用户不用安装语音库。请及时联系客服。"));
  EXPECT_EQ(watcher.Dialogs()[0].caption, L"Tolvane");
}

TEST_F(PracticeWindowTest, WithoutTheComponentTheExitCommandStillEndsTheProgram) {
  fake->RevokeActive();
  HideComponent();
  {
    DialogWatcher creationFailure;
    MakeForm();
  }
  DrainQuit();
  DialogWatcher watcher;
  form->N16->Click();
  EXPECT_EQ(watcher.Count(), 0u);
  EXPECT_TRUE(QuitPosted());
}

}  // namespace
