// The practice window's rich edits with scroll-bar painters: their covers stay over the system
// bars through a splitter drag, the article view shown by Submit, a new article, and the window's
// new handle.
#include <string>

#include "Encoding.h"
#include "PainterFactory.h"
#include "PracticeCommands.h"
#include "PracticeWindowFixture.h"
#include "RealInput.h"
#include "TSkinScrollbar.h"
#include "WinSkinForm.h"

using practice::testing::Press;
using tk::testing::DialogWatcher;
using tk::testing::Gbk;
using tk::testing::PumpMessages;
using tk::testing::PumpUntil;

namespace {

class ScrollCoversTest : public PracticeWindowTest {
 protected:
  void SetUp() override {
    PracticeWindowTest::SetUp();
    skin_test::MoveMouse(POINT{2, 2});
    ShowForm();
    ASSERT_TRUE(PumpUntil([this] { return FramePainter() && FramePainter()->FrameState == fsRunning; }, 3000));
    PumpMessages(50);
    article = SkinEdit(form->RichEdit1);
    typing = SkinEdit(form->RichEdit2);
    ASSERT_NE(article, nullptr);
    ASSERT_NE(typing, nullptr);
  }

  TWinSkinForm* FramePainter() const {
    TSkinManage* manager = TSkinManage::Instance();
    return manager && form && form->HandleAllocated() ? manager->FindForm(form->HandleIfAllocated()) : nullptr;
  }
  TSkinScrollbar* SkinEdit(tk::TRichEdit* edit) {
    return PainterOf<TSkinScrollbar>(edit);  // the one the skin gave it
  }

  static std::string LongText(int characters) {
    std::string text;
    const std::string word = Gbk("范例文章的一句话，");
    while (static_cast<int>(text.size()) < 2 * characters) text += word + (text.size() % 200 < 20 ? "\r\n" : "");
    return text;
  }

  // The cover shows exactly when the system bar does, and lies over it.
  static void ExpectCoverOverBar(const TWScrollbar& cover, HWND target) {
    SCROLLBARINFO info{};
    info.cbSize = sizeof info;
    ASSERT_TRUE(GetScrollBarInfo(target, OBJID_VSCROLL, &info));
    const bool barShown = IsWindowVisible(target) && !(info.rgstate[0] & STATE_SYSTEM_INVISIBLE);
    ASSERT_EQ(cover.Window() && IsWindowVisible(cover.Window()), barShown);
    if (!barShown) return;
    RECT r{};
    GetWindowRect(cover.Window(), &r);
    EXPECT_EQ(r.left, info.rcScrollBar.left);
    EXPECT_EQ(r.top, info.rcScrollBar.top);
    EXPECT_EQ(r.right, info.rcScrollBar.right);
    EXPECT_EQ(r.bottom, info.rcScrollBar.bottom);
  }

  void SubmitArticle() {
    form->RichEdit1->SetText(LongText(3000));
    Press(form->BitBtn1);
    form->RichEdit2->SetText(LongText(2000));
    watcher.Clear();
    Press(form->BitBtn2);
    PumpMessages(100);
  }

  TSkinScrollbar* article = nullptr;
  TSkinScrollbar* typing = nullptr;
  DialogWatcher watcher;
};

TEST_F(ScrollCoversTest, TypingAreaCoverLiesOverItsBarAndScrollsIt) {
  form->RichEdit2->SetText(LongText(5000));
  PumpMessages(50);
  ASSERT_TRUE(typing->VertBar->Shown);
  ExpectCoverOverBar(*typing->VertBar, form->RichEdit2->Handle());
  HWND edit = form->RichEdit2->Handle();
  SendMessageW(edit, EM_SETSEL, 0, 0);
  SendMessageW(edit, EM_SCROLLCARET, 0, 0);
  const int before = static_cast<int>(SendMessageW(edit, EM_GETFIRSTVISIBLELINE, 0, 0));
  RECT r{};
  GetWindowRect(typing->VertBar->Window(), &r);
  const POINT arrow{(r.left + r.right) / 2, r.bottom - GetSystemMetrics(SM_CXHSCROLL) / 2};
  skin_test::MoveMouse(arrow);
  skin_test::LeftDown(arrow);
  skin_test::LeftUp(arrow);
  EXPECT_TRUE(PumpUntil([&] { return SendMessageW(edit, EM_GETFIRSTVISIBLELINE, 0, 0) > before; }, 2000));
}

TEST_F(ScrollCoversTest, ArticleViewShownBySubmitGetsItsCoverAndTheTypingAreaCoverMoves) {
  form->RichEdit2->SetText(LongText(5000));
  PumpMessages(30);
  EXPECT_FALSE(article->VertBar->Shown);  // the article view is hidden until Submit
  SubmitArticle();
  ASSERT_TRUE(form->RichEdit1->Visible());
  ExpectCoverOverBar(*article->VertBar, form->RichEdit1->Handle());
  ExpectCoverOverBar(*typing->VertBar, form->RichEdit2->Handle());
}

TEST_F(ScrollCoversTest, CoversFollowASplitterDrag) {
  SubmitArticle();
  ASSERT_TRUE(form->RichEdit1->Visible());
  const int heightBefore = form->RichEdit1->Height();
  const POINT grip = form->Splitter1->ClientToScreen(POINT{200, 1});
  skin_test::MoveMouse(grip);
  skin_test::LeftDown(grip);
  PumpMessages(20);
  for (int dy = 10; dy <= 80; dy += 10) {
    skin_test::MoveMouse(POINT{grip.x, grip.y + dy});
    PumpMessages(10);
  }
  skin_test::LeftUp(POINT{grip.x, grip.y + 80});
  ASSERT_TRUE(PumpUntil([&] { return form->RichEdit1->Height() != heightBefore; }, 2000));
  PumpMessages(50);
  ExpectCoverOverBar(*article->VertBar, form->RichEdit1->Handle());
  ExpectCoverOverBar(*typing->VertBar, form->RichEdit2->Handle());
}

TEST_F(ScrollCoversTest, ANewArticleKeepsTheCoverWithItsBar) {
  SubmitArticle();
  form->RichEdit1->SetText(Gbk("短文"));
  PumpMessages(50);
  ExpectCoverOverBar(*article->VertBar, form->RichEdit1->Handle());
  form->RichEdit1->SetText(LongText(20000));
  PumpMessages(50);
  ExpectCoverOverBar(*article->VertBar, form->RichEdit1->Handle());
  EXPECT_TRUE(article->VertBar->Shown);
}

TEST_F(ScrollCoversTest, CoversComeBackOverTheBarsOfTheWindowsNewHandle) {
  SubmitArticle();
  HWND oldTyping = form->RichEdit2->Handle();
  form->RecreateWnd();
  ASSERT_TRUE(PumpUntil([this] { return FramePainter() && FramePainter()->FrameState == fsRunning; }, 3000));
  PumpMessages(100);
  ASSERT_NE(form->RichEdit2->Handle(), oldTyping);
  EXPECT_EQ(FramePainter()->PainterOf(form->RichEdit2->Handle()), typing);
  ExpectCoverOverBar(*typing->VertBar, form->RichEdit2->Handle());
  ExpectCoverOverBar(*article->VertBar, form->RichEdit1->Handle());
}

}  // namespace
