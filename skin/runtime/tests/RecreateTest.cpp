// A skinned form whose window is made anew (border style, border icons): the frame painter follows
// it to the new window with the client area kept, the manager's list stays exact, and the control
// painters follow their controls.
#include "SkinnedFormFixture.h"
#include "StdCtrls.h"
#include "WinSubClass.h"

using namespace skin_test;

namespace {

constexpr COLORREF PainterColour = RGB(20, 200, 40);

class SolidPainter : public TSkinControl {
 public:
  SolidPainter(tk::TComponent* owner, int* destroyed) : TSkinControl(owner), destroyed_(destroyed) {}
  ~SolidPainter() override { ++*destroyed_; }
  void Draw(HDC dc, const RECT& rect) override { FillColor(dc, rect, PainterColour); }

 private:
  int* destroyed_;
};

class RecreateTest : public SkinnedFormTest {
 protected:
  void ExpectSkinnedWithClient(int width, int height) {
    ASSERT_TRUE(WaitUntilSkinned());
    tk::testing::PumpMessages(50);
    RECT client{};
    GetClientRect(Wnd(), &client);
    EXPECT_EQ(client.right, width);
    EXPECT_EQ(client.bottom, height);
    const SIZE size = WindowSize();
    EXPECT_EQ(size.cx, width + LeftWidth + RightWidth);
    EXPECT_EQ(size.cy, height + TitleHeight + BottomHeight);
    EXPECT_EQ(SendMessageW(Wnd(), SKM_ISSKINNED, 0, 0), 1);
    ASSERT_EQ(TSkinManage::Instance()->Forms.size(), 1u);
    EXPECT_EQ(TSkinManage::Instance()->Forms[0]->Wnd, Wnd());
    SetForegroundWindow(Wnd());
    tk::testing::PumpMessages(50);
    EXPECT_EQ(WindowPixel(Wnd(), 1, size.cy / 2), BorderColour(1, 1));
    EXPECT_EQ(WindowPixel(Wnd(), size.cx / 2, size.cy - 2), BorderColour(4, 1));
  }
  static COLORREF MiddleOf(HWND wnd) {
    tk::testing::PumpMessages(30);
    RECT r{};
    GetWindowRect(wnd, &r);
    return ScreenPixel((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  }
  int destroyed = 0;  // painters gone; a member, as painters left attached go in TearDown
};

TEST_F(RecreateTest, ANewBorderStyleGetsTheSkinnedFrameAgainWithTheClientSizeKept) {
  MakeSkinnedForm(400, 300);
  TWinSkinForm* painter = Painter();
  HWND old = Wnd();
  form->SetBorderStyle(tk::TFormBorderStyle::bsSingle);
  ASSERT_NE(Wnd(), old);
  EXPECT_FALSE(IsWindow(old));
  ExpectSkinnedWithClient(400, 300);
  EXPECT_EQ(Painter(), painter);  // the same painter, not a second one
  EXPECT_EQ(painter->BorderKind, bkSingle);
}

TEST_F(RecreateTest, NewBorderIconsGetTheSkinnedFrameAgainAndTheButtonsFollow) {
  MakeSkinnedForm(400, 300);
  ASSERT_TRUE(Painter()->CaptionFlags & cfMaximizeBox);
  form->SetBorderIcons(tk::TBorderIcons{tk::TBorderIcon::biSystemMenu});
  ExpectSkinnedWithClient(400, 300);
  EXPECT_FALSE(Painter()->CaptionFlags & cfMaximizeBox);
  EXPECT_FALSE(Painter()->CaptionFlags & cfMinimizeBox);
  EXPECT_TRUE(Painter()->CaptionFlags & cfSystemMenu);
}

TEST_F(RecreateTest, AClientSizeChangedByTheUserIsKeptNotTheOneAskedAtFirst) {
  MakeSkinnedForm(400, 300);
  SetWindowPos(Wnd(), nullptr, 0, 0, 350 + LeftWidth + RightWidth, 250 + TitleHeight + BottomHeight,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  tk::testing::PumpMessages(20);
  form->SetBorderStyle(tk::TFormBorderStyle::bsSingle);
  ExpectSkinnedWithClient(350, 250);
}

TEST_F(RecreateTest, AFormThatServesEveryFormIsNotSkinnedTwiceWhenItsWindowIsNew) {
  MakeSkinnedForm(400, 300, tk::TFormBorderStyle::bsSizeable, TSkinFormType::sfMainform);
  ASSERT_NE(Painter(), nullptr);
  form->SetBorderStyle(tk::TFormBorderStyle::bsSingle);
  ExpectSkinnedWithClient(400, 300);
  // Activation of the new window ran the manager's hook; it found the window taken.
  SetForegroundWindow(GetDesktopWindow());
  SetForegroundWindow(Wnd());
  tk::testing::PumpMessages(50);
  EXPECT_EQ(TSkinManage::Instance()->Forms.size(), 1u);
}

TEST_F(RecreateTest, ControlPaintersFollowTheirControlsThroughTheFormsNewWindow) {
  MakeSkinnedForm(400, 300);
  auto* button = new tk::TButton(form);
  button->SetParent(form);
  button->SetBounds(20, 20, 120, 40);
  auto* painter = new SolidPainter(button, &destroyed);
  painter->Attach(Painter(), skin, false, &Painter()->PainterCanvas);
  ASSERT_EQ(MiddleOf(button->Handle()), PainterColour);
  HWND oldButton = button->Handle();
  form->SetBorderStyle(tk::TFormBorderStyle::bsSingle);
  ASSERT_TRUE(WaitUntilSkinned());
  EXPECT_EQ(destroyed, 0);
  ASSERT_NE(button->Handle(), oldButton);
  EXPECT_EQ(Painter()->PainterOf(button->Handle()), painter);
  EXPECT_EQ(painter->State, psAttached);
  EXPECT_EQ(MiddleOf(button->Handle()), PainterColour);
  EXPECT_EQ(SendMessageW(button->Handle(), SKM_ISSKINNED, 0, 0), 1);
}

TEST_F(RecreateTest, AFormWhoseFrameStaysNativeFollowsItsNewWindowToo) {
  MakeSkinnedForm(400, 300);
  // Without the main menu among the skinned controls the frame stays native.
  TSkinControlTypes types = skin->SkinControls();
  types.Exclude(TSkinControlType::xcMainMenu);
  skin->SetSkinControls(types);
  tk::TComponent::Free(Painter());
  ASSERT_TRUE(TSkinManage::Instance()->SkinWindow(Wnd()));
  ASSERT_TRUE(WaitUntilSkinned());
  ASSERT_FALSE(Painter()->SkinFrame);
  TWinSkinForm* painter = Painter();
  form->SetBorderStyle(tk::TFormBorderStyle::bsSingle);
  ASSERT_TRUE(WaitUntilSkinned());
  EXPECT_EQ(Painter(), painter);
  EXPECT_EQ(SendMessageW(Wnd(), SKM_ISSKINNED, 0, 0), 1);
  RECT client{};
  GetClientRect(Wnd(), &client);
  EXPECT_EQ(client.right, 400);
  EXPECT_EQ(client.bottom, 300);
}

TEST_F(RecreateTest, TwoNewWindowsInARowEndSkinnedOnce) {
  MakeSkinnedForm(400, 300);
  form->SetBorderStyle(tk::TFormBorderStyle::bsSingle);
  form->SetBorderIcons(tk::TBorderIcons{tk::TBorderIcon::biSystemMenu});  // before the first one finished
  ExpectSkinnedWithClient(400, 300);
}

TEST_F(RecreateTest, AHiddenControlsPainterFollowsItWhenItIsShownAfterTheFormsNewWindow) {
  MakeSkinnedForm(400, 300);
  auto* button = new tk::TButton(form);
  button->SetParent(form);
  button->SetBounds(20, 20, 120, 40);
  auto* painter = new SolidPainter(button, &destroyed);
  painter->Attach(Painter(), skin, false, &Painter()->PainterCanvas);
  button->Hide();
  form->SetBorderStyle(tk::TFormBorderStyle::bsSingle);
  ASSERT_TRUE(WaitUntilSkinned());
  tk::testing::PumpMessages(30);
  EXPECT_FALSE(button->HandleAllocated());  // a hidden control gets its window when needed
  EXPECT_EQ(destroyed, 0);
  button->Show();
  ASSERT_TRUE(button->HandleAllocated());
  EXPECT_EQ(painter->Handle, button->HandleIfAllocated());
  EXPECT_EQ(MiddleOf(button->Handle()), PainterColour);
}

TEST_F(RecreateTest, ManyNewWindowsLeaveHandleCountsFlatAndNoPainterBehind) {
  MakeSkinnedForm(300, 200);
  auto* button = new tk::TButton(form);
  button->SetParent(form);
  button->SetBounds(20, 20, 120, 40);
  (new SolidPainter(button, &destroyed))->Attach(Painter(), skin, false, &Painter()->PainterCanvas);
  bool single = true;
  auto cycle = [&] {
    form->SetBorderStyle(single ? tk::TFormBorderStyle::bsSingle : tk::TFormBorderStyle::bsSizeable);
    single = !single;
    WaitUntilSkinned();
  };
  // Both border styles once first: what is made once (buffers, cached objects) is made then.
  cycle();
  cycle();
  tk::testing::PumpMessages(100);
  const int gdiBefore = tk::testing::GdiObjectCount();
  const int windowsBefore = tk::testing::ThreadWindowCount();
  constexpr int cycles = 1000;
  for (int i = 0; i < cycles; ++i) cycle();
  tk::testing::PumpMessages(100);
  EXPECT_EQ(tk::testing::GdiObjectCount(), gdiBefore);
  EXPECT_EQ(tk::testing::ThreadWindowCount(), windowsBefore);
  EXPECT_EQ(TSkinManage::Instance()->Forms.size(), 1u);
  EXPECT_EQ(Painter()->PainterList().size(), 1u);
  EXPECT_EQ(destroyed, 0);
  RECT client{};
  GetClientRect(Wnd(), &client);
  EXPECT_EQ(client.right, 300);
  EXPECT_EQ(client.bottom, 200);
}

}  // namespace
