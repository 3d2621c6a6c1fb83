// The application object: exceptions escaping event handlers are reported in an error box and the
// program goes on; information messages carry the title.
#include <gtest/gtest.h>

#include "Application.h"
#include "Dialogs.h"
#include "Forms.h"
#include "GuiTestSupport.h"
#include "StdCtrls.h"

using namespace tk;
using tk::testing::DialogWatcher;
using tk::testing::PumpUntil;

namespace {

TEST(ApplicationTest, AnExceptionFromAHandlerIsShownInAnErrorBoxAndTheWindowGoesOn) {
  TForm form(nullptr);
  auto* button = new TButton(&form);
  button->SetParent(&form);
  form.Show();
  int clicks = 0;
  button->OnClick = [&](TObject*) {
    ++clicks;
    throw std::runtime_error("\xB2\xE2\xCA\xD4 failure");  // 测试 failure (GBK)
  };
  DialogWatcher watcher;
  SendMessageW(button->Handle(), BM_CLICK, 0, 0);
  ASSERT_EQ(watcher.Count(), 1u);
  const auto box = watcher.Dialogs()[0];
  EXPECT_EQ(box.caption, L"TolvaneTest");
  EXPECT_EQ(box.text, L"\u6D4B\u8BD5 failure");
  EXPECT_EQ(box.icon, static_cast<UINT>(MB_ICONSTOP));
  EXPECT_EQ(box.buttons.size(), 1u);
  // Still usable.
  SendMessageW(button->Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(clicks, 2);
}

TEST(ApplicationTest, ShowMessageHasNoIconAndTheTitleAsCaption) {
  DialogWatcher watcher;
  ShowMessage("hello\n\rworld");
  ASSERT_EQ(watcher.Count(), 1u);
  const auto box = watcher.Dialogs()[0];
  EXPECT_EQ(box.caption, L"TolvaneTest");
  EXPECT_EQ(box.icon, 0u);
  EXPECT_NE(box.text.find(L"hello"), std::wstring::npos);
}

TEST(ApplicationTest, CloseOfTheMainFormTerminatesAfterOnClose) {
  auto* form = Application->CreateForm<TForm>();
  std::vector<std::string> events;
  form->OnClose = [&](TObject*, TCloseAction&) { events.push_back("close"); };
  form->OnDestroy = [&](TObject*) { events.push_back("destroy"); };
  form->Show();
  ASSERT_EQ(Application->MainForm(), form);
  PostMessageW(form->Handle(), WM_CLOSE, 0, 0);
  EXPECT_TRUE(PumpUntil([] { return Application->Terminated(); }, 2000));
  EXPECT_EQ(events, std::vector<std::string>{"close"});
  TComponent::Free(form);
  EXPECT_EQ(events.back(), "destroy");
  EXPECT_EQ(Application->MainForm(), nullptr);
}

TEST(ApplicationTest, AFailingOnCloseKeepsTheProgramRunning) {
  TForm form(nullptr);
  form.OnClose = [](TObject*, TCloseAction&) { throw std::runtime_error("stop failed"); };
  form.Show();
  DialogWatcher watcher;
  SendMessageW(form.Handle(), WM_CLOSE, 0, 0);
  EXPECT_EQ(watcher.Count(), 1u);
  EXPECT_TRUE(IsWindow(form.Handle()));
}

}  // namespace
