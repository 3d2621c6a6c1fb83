// Skinning switched off and on at run time through the skin component's Active property: a form
// served by a component for every form gets its native frame back with nothing lost, and is
// skinned again.
#include "Menus.h"
#include "SkinnedFormFixture.h"
#include "StdCtrls.h"
#include "WinSubClass.h"

using namespace skin_test;

namespace {

constexpr tk::TColor FormColour = 0x00302010;

class CountedPainter : public TSkinControl {
 public:
  CountedPainter(tk::TComponent* owner, int* destroyed) : TSkinControl(owner), destroyed_(destroyed) {}
  ~CountedPainter() override { ++*destroyed_; }

 private:
  int* destroyed_;
};

class ActiveTest : public SkinnedFormTest {
 protected:
  // An every-form skin on a shaped frame, over a form with a menu and its own colour.
  void MakeMainformWithMenu() {
    beforeSkin = [this](tk::TForm& f) {
      f.SetColor(FormColour);
      menu = new tk::TMainMenu(&f);
      auto* item = new tk::TMenuItem(&f);
      item->SetCaption("File");
      menu->Items()->Add(item);
      f.SetMenu(menu);
    };
    SolidSkinOptions options;
    options.transparentCorners = true;
    options.menuBar = true;
    MakeSkinnedForm(400, 300, tk::TFormBorderStyle::bsSizeable, TSkinFormType::sfMainform, options);
  }
  void SwitchOffAndWait() {
    skin->SetActive(false);
    ASSERT_TRUE(tk::testing::PumpUntil([] { return TSkinManage::Instance()->Forms.empty(); }, 3000));
    tk::testing::PumpMessages(50);
  }
  bool HasRegion() const {
    tk::UniqueRegion region(CreateRectRgn(0, 0, 0, 0));
    return GetWindowRgn(Wnd(), region.Get()) != ERROR;
  }
  void ExpectClient(int width, int height) const {
    RECT client{};
    GetClientRect(Wnd(), &client);
    EXPECT_EQ(client.right, width);
    EXPECT_EQ(client.bottom, height);
  }
  tk::TMainMenu* menu = nullptr;
  int destroyed = 0;  // a member: a painter left attached goes in TearDown
};

TEST_F(ActiveTest, SwitchedOffTheFormGetsItsNativeFrameBackWithNothingLost) {
  MakeMainformWithMenu();
  ASSERT_NE(Painter(), nullptr);
  ExpectClient(400, 300);
  ASSERT_EQ(GetMenu(Wnd()), nullptr);  // the skin draws the menu band
  ASSERT_TRUE(HasRegion());
  ASSERT_NE(form->Color(), FormColour);
  auto* button = new tk::TButton(form);
  button->SetParent(form);
  (new CountedPainter(button, &destroyed))->Attach(Painter(), skin, true, &Painter()->PainterCanvas);
  const tk::TColor buttonColour = tk::clBtnFace;
  ASSERT_NE(button->Color(), buttonColour);

  SwitchOffAndWait();
  EXPECT_FALSE(TSkinManage::Instance()->Active);
  EXPECT_EQ(SendMessageW(Wnd(), SKM_ISSKINNED, 0, 0), 0);
  EXPECT_FALSE(HasRegion());
  ExpectClient(400, 300);
  EXPECT_EQ(GetMenu(Wnd()), menu->Handle());
  EXPECT_EQ(form->Color(), FormColour);
  EXPECT_TRUE(GetWindowLongPtrW(Wnd(), GWL_STYLE) & WS_SYSMENU);
  EXPECT_EQ(destroyed, 1);  // unskinned and freed
  EXPECT_EQ(button->Color(), buttonColour);
  EXPECT_EQ(SendMessageW(button->Handle(), SKM_ISSKINNED, 0, 0), 0);
  // The native frame around the same client area.
  RECT expected{0, 0, 400, 300};
  AdjustWindowRectEx(&expected, static_cast<DWORD>(GetWindowLongPtrW(Wnd(), GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongPtrW(Wnd(), GWL_EXSTYLE)));
  EXPECT_EQ(WindowSize().cx, expected.right - expected.left);
}

TEST_F(ActiveTest, SwitchedOnAgainTheFormIsSkinnedAgain) {
  MakeMainformWithMenu();
  SwitchOffAndWait();
  skin->SetActive(true);
  ASSERT_TRUE(WaitUntilSkinned(3000));
  tk::testing::PumpMessages(50);
  EXPECT_TRUE(TSkinManage::Instance()->Active);
  EXPECT_EQ(TSkinManage::Instance()->Forms.size(), 1u);
  EXPECT_EQ(SendMessageW(Wnd(), SKM_ISSKINNED, 0, 0), 1);
  ExpectClient(400, 300);
  EXPECT_EQ(GetMenu(Wnd()), nullptr);
  EXPECT_TRUE(HasRegion());
  EXPECT_EQ(form->Color(), skin->Colors[scButtonFace]);
  EXPECT_EQ(WindowSize().cx, 400 + LeftWidth + RightWidth);
}

TEST_F(ActiveTest, ADialogFrameWithoutAMenuKeepsItsClientThroughOffAndOn) {
  MakeSkinnedForm(360, 240, tk::TFormBorderStyle::bsDialog, TSkinFormType::sfMainform);
  ASSERT_NE(Painter(), nullptr);
  SwitchOffAndWait();
  ExpectClient(360, 240);
  skin->SetActive(true);
  ASSERT_TRUE(WaitUntilSkinned(3000));
  tk::testing::PumpMessages(50);
  ExpectClient(360, 240);
  EXPECT_EQ(WindowSize().cy, 240 + TitleHeight + BottomHeight);
}

TEST_F(ActiveTest, SettingActiveToItsValueSchedulesNothing) {
  MakeMainformWithMenu();
  skin->SetActive(true);
  tk::testing::PumpMessages(400);
  EXPECT_EQ(TSkinManage::Instance()->Forms.size(), 1u);
  EXPECT_FALSE(TSkinManage::Instance()->Timer->Enabled());
}

TEST_F(ActiveTest, OffAndOnManyTimesLeavesHandleCountsFlat) {
  MakeMainformWithMenu();
  auto cycle = [this] {
    SwitchOffAndWait();
    skin->SetActive(true);
    WaitUntilSkinned(3000);
  };
  cycle();
  tk::testing::PumpMessages(50);
  const int gdiBefore = tk::testing::GdiObjectCount();
  const int windowsBefore = tk::testing::ThreadWindowCount();
  for (int i = 0; i < 10; ++i) cycle();
  tk::testing::PumpMessages(50);
  EXPECT_EQ(tk::testing::GdiObjectCount(), gdiBefore);
  EXPECT_EQ(tk::testing::ThreadWindowCount(), windowsBefore);
  ExpectClient(400, 300);
}

}  // namespace
