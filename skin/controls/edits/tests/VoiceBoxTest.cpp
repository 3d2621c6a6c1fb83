// The practice window's voice box with the combo box painter on it: frame and button from the
// default skin, and the list still opens and chooses a voice, by mouse and by keys.
#include "PainterFactory.h"
#include "PracticeWindowFixture.h"
#include "RealInput.h"
#include "ScreenPixels.h"
#include "SkinComBox.h"
#include "WinSkinForm.h"

using tk::testing::PumpMessages;
using tk::testing::PumpUntil;

namespace {

class VoiceBoxTest : public PracticeWindowTest {
 protected:
  void SetUp() override {
    PracticeWindowTest::SetUp();
    ShowForm();
    ASSERT_TRUE(PumpUntil([this] { return FormPainter() && FormPainter()->FrameState == fsRunning; }, 3000));
    SetForegroundWindow(form->Handle());
    skinData = form->FindComponentAs<TSkinData>("SkinData1");
    ASSERT_NE(skinData, nullptr);
    box = form->ComboBox2;
    ASSERT_GE(box->Items().Count(), 2);
    painter = PainterOf<TSkinComBox>(box);  // the skin gave it its painter
    ASSERT_NE(painter, nullptr);
    InvalidateRect(box->Handle(), nullptr, TRUE);
    PumpMessages(50);
  }
  TWinSkinForm* FormPainter() const {
    TSkinManage* manager = TSkinManage::Instance();
    return manager && form ? manager->FindForm(form->Handle()) : nullptr;
  }
  POINT ScreenAt(HWND wnd, int x, int y) const {
    RECT r{};
    GetWindowRect(wnd, &r);
    return POINT{r.left + x, r.top + y};
  }
  POINT ButtonCentre() const {
    return ScreenAt(box->Handle(), (painter->ButtonRect.left + painter->ButtonRect.right) / 2,
                    (painter->ButtonRect.top + painter->ButtonRect.bottom) / 2);
  }

  TSkinData* skinData = nullptr;
  tk::TComboBox* box = nullptr;
  TSkinComBox* painter = nullptr;
};

TEST_F(VoiceBoxTest, FrameAndButtonComeFromTheSkin) {
  const COLORREF shadow = tk::ColorToRGB(skinData->Colors[scButtonShadow]);
  EXPECT_TRUE(PumpUntil([&] { return skin_test::WindowPixel(box->Handle(), 0, 10) == shadow; }, 1500));
  EXPECT_EQ(skinData->ComboButton->Style, 1);
  // The button drawn at the right of the box, inside the frame.
  EXPECT_EQ(painter->ButtonRect.right, box->Width() - 2);
  EXPECT_GT(painter->ButtonRect.right - painter->ButtonRect.left, 4);
}

TEST_F(VoiceBoxTest, TheListOpensOnAClickAndAClickOnAVoiceChoosesIt) {
  const POINT button = ButtonCentre();
  skin_test::MoveMouse(button);
  skin_test::LeftDown(button);
  skin_test::LeftUp(button);
  ASSERT_TRUE(PumpUntil([&] { return box->DroppedDown(); }, 2000));
  EXPECT_TRUE(painter->ListDropped);
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  ASSERT_TRUE(GetComboBoxInfo(box->Handle(), &info));
  RECT item{};
  ASSERT_NE(SendMessageW(info.hwndList, LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&item)), LB_ERR);
  POINT second{(item.left + item.right) / 2, (item.top + item.bottom) / 2};
  ClientToScreen(info.hwndList, &second);
  skin_test::MoveMouse(second);
  skin_test::LeftDown(second);
  skin_test::LeftUp(second);
  ASSERT_TRUE(PumpUntil([&] { return !box->DroppedDown(); }, 2000));
  EXPECT_FALSE(painter->ListDropped);
  EXPECT_EQ(box->ItemIndex(), 1);
  ASSERT_TRUE(PumpUntil([&] { return fake->Last("SetVoice") != nullptr; }, 1000));
  EXPECT_EQ(fake->Last("SetVoice")->numbers, std::vector<long>{1});
  // Not left pressed once the list is gone.
  EXPECT_EQ(painter->States & scsPressed, 0);
}

TEST_F(VoiceBoxTest, KeysOpenTheListAndChooseAVoice) {
  box->SetFocus();
  PumpMessages(20);
  skin_test::SendKey(VK_F4, false);
  skin_test::SendKey(VK_F4, true);
  ASSERT_TRUE(PumpUntil([&] { return box->DroppedDown(); }, 2000));
  skin_test::SendKey(VK_DOWN, false);
  skin_test::SendKey(VK_DOWN, true);
  skin_test::SendKey(VK_RETURN, false);
  skin_test::SendKey(VK_RETURN, true);
  ASSERT_TRUE(PumpUntil([&] { return !box->DroppedDown(); }, 2000));
  EXPECT_EQ(box->ItemIndex(), 1);
  ASSERT_TRUE(PumpUntil([&] { return fake->Last("SetVoice") != nullptr; }, 1000));
  EXPECT_EQ(fake->Last("SetVoice")->numbers, std::vector<long>{1});
}

}  // namespace
