// The practice window's status bar, group boxes and tool bar with this family's painters attached,
// as the form painter attaches them: the status panels keep showing the live texts, the group
// boxes get the skin's frame, and the tool bar its face colour until it is unskinned.
#include <algorithm>
#include <string>
#include <vector>

#include "Encoding.h"
#include "PainterFactory.h"
#include "PracticeWindowFixture.h"
#include "ScreenPixels.h"
#include "SkinBox.h"
#include "SkinGroupBox.h"
#include "SkinStatusBar.h"
#include "WinSkinForm.h"

using tk::testing::Gbk;
using tk::testing::PumpMessages;

namespace {

class RecordingStatusBar : public TSkinStatusBar {
 public:
  using TSkinStatusBar::TSkinStatusBar;
  std::vector<std::wstring> texts;

 protected:
  void DrawPanelText(HDC dc, const std::wstring& text, const RECT& rect, TTextAlign align, bool rightToLeft) override {
    texts.push_back(text);
    TSkinStatusBar::DrawPanelText(dc, text, rect, align, rightToLeft);
  }
};

class ChoicePaintersTest : public PracticeWindowTest {
 protected:
  void SetUp() override {
    PracticeWindowTest::SetUp();
    ShowForm();
    tk::testing::PumpUntil([this] { return FramePainter() && FramePainter()->FrameState == fsRunning; }, 3000);
    ASSERT_NE(FramePainter(), nullptr);
  }
  TWinSkinForm* FramePainter() const {
    TSkinManage* manager = TSkinManage::Instance();
    return manager && form->HandleAllocated() ? manager->FindForm(form->HandleIfAllocated()) : nullptr;
  }
  TSkinData* Skin() const { return FramePainter()->SkinData; }
  static COLORREF At(HWND wnd, int x, int y) {
    PumpMessages(30);
    POINT p{x, y};
    ClientToScreen(wnd, &p);
    return skin_test::ScreenPixel(p.x, p.y);
  }
  bool Drew(RecordingStatusBar* painter, const std::string& gbk) const {
    const std::wstring wide = tk::GbkToWide(gbk);
    return std::find(painter->texts.begin(), painter->texts.end(), wide) != painter->texts.end();
  }
};

TEST_F(ChoicePaintersTest, TheStatusPanelsKeepShowingTheLiveTextsWithThePainterAttached) {
  // A recording painter in place of the one the skin gave the status bar.
  if (auto* given = PainterOf<TSkinStatusBar>(form->StatusBar1)) {
    given->Unskin();
    tk::TComponent::Free(given);
  }
  auto* painter = new RecordingStatusBar(form->StatusBar1);
  painter->Attach(FramePainter(), Skin(), true, &FramePainter()->PainterCanvas);
  form->N7->Click();  // a sample article: its name and count go to the first panel
  PumpMessages(50);
  const std::string first = form->StatusBar1->Panel(0)->Text();
  ASSERT_FALSE(first.empty());
  EXPECT_TRUE(Drew(painter, first));
  painter->texts.clear();
  form->StatusBar1->Panel(1)->SetText(Gbk("耗时：3秒    "));
  PumpMessages(50);
  EXPECT_TRUE(Drew(painter, Gbk("耗时：3秒    ")));
  form->N8->Click();
  PumpMessages(50);
  EXPECT_TRUE(Drew(painter, form->StatusBar1->Panel(0)->Text()));
  EXPECT_NE(form->StatusBar1->Panel(0)->Text(), first);
}

TEST_F(ChoicePaintersTest, TheGroupBoxesGetTheSkinsFrame) {
  for (tk::TGroupBox* box : {form->GroupBox1, form->GroupBox2})
    ASSERT_NE(PainterOf<TSkinGroupBox>(box), nullptr);
  const COLORREF shadow = tk::ColorToRGB(Skin()->Colors[scButtonShadow]);
  for (tk::TGroupBox* group : {form->GroupBox1, form->GroupBox2}) {
    // The program keeps them hidden and out of sight: bring each into view.
    group->Show();
    group->SetTop(100);
    group->BringToFront();
    HWND wnd = group->Handle();
    InvalidateRect(wnd, nullptr, TRUE);
    EXPECT_EQ(At(wnd, 1, 24), shadow) << group->Name();
    EXPECT_EQ(At(wnd, 0, 24), tk::ColorToRGB(Skin()->Colors[scButtonFace])) << group->Name();
  }
}

}  // namespace
