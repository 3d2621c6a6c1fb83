// Check boxes, radio buttons, panels and radio groups: read from a layout, their states in the
// platform's windows, and clicks as a user makes them.
#include <gtest/gtest.h>

#include "ExtCtrls.h"
#include "Forms.h"
#include "GuiTestSupport.h"
#include "LayoutReader.h"
#include "StdCtrls.h"

using namespace tk;
using tk::testing::PumpMessages;

namespace {

const char* kLayout = R"(object ChoiceForm: TForm
  ClientWidth = 400
  ClientHeight = 300
  object Check1: TCheckBox
    Left = 10
    Top = 10
    Width = 150
    Caption = 'Grayed'
    AllowGrayed = True
    State = cbGrayed
    Alignment = taLeftJustify
  end
  object Radio1: TRadioButton
    Left = 10
    Top = 40
    Caption = 'One'
    Checked = True
  end
  object Radio2: TRadioButton
    Left = 10
    Top = 60
    Caption = 'Two'
  end
  object Panel1: TPanel
    Left = 200
    Top = 10
    Caption = 'Panel'
    BevelOuter = bvLowered
    BevelInner = bvRaised
    ParentBackground = False
    Transparent = True
  end
  object Group1: TRadioGroup
    Left = 10
    Top = 100
    Width = 300
    Height = 100
    Caption = 'Level'
    Columns = 2
    Items.Strings = (
      'Easy'
      'Middle'
      'Hard')
    ItemIndex = 1
  end
end
)";

class ChoiceControlsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ReadLayout(form, kLayout, "TEST");
    form.Show();
    PumpMessages(30);
  }
  template <class T>
  T* Find(const char* name) {
    auto* c = form.FindComponentAs<T>(name);
    EXPECT_NE(c, nullptr) << name;
    return c;
  }
  TForm form{nullptr};
};

TEST_F(ChoiceControlsTest, TheLayoutSetsEveryPublishedProperty) {
  auto* check = Find<TCheckBox>("Check1");
  EXPECT_EQ(check->State(), TCheckBoxState::cbGrayed);
  EXPECT_TRUE(check->AllowGrayed());
  EXPECT_EQ(GetEnumProp(check, "State"), "cbGrayed");
  EXPECT_EQ(GetEnumProp(check, "Checked"), "False");
  EXPECT_TRUE(Find<TRadioButton>("Radio1")->Checked());
  EXPECT_FALSE(Find<TRadioButton>("Radio2")->Checked());
  auto* panel = Find<TPanel>("Panel1");
  EXPECT_EQ(panel->BevelOuter(), TPanelBevel::bvLowered);
  EXPECT_EQ(panel->BevelInner(), TPanelBevel::bvRaised);
  EXPECT_FALSE(panel->ParentBackground());
  EXPECT_TRUE(panel->Transparent());
  EXPECT_EQ(GetStrProp(panel, "Caption"), "Panel");
  auto* group = Find<TRadioGroup>("Group1");
  EXPECT_EQ(group->Columns(), 2);
  ASSERT_EQ(group->ButtonCount(), 3);
  EXPECT_EQ(group->ItemIndex(), 1);
  EXPECT_EQ(group->Buttons(2)->Caption(), "Hard");
  EXPECT_TRUE(group->Buttons(1)->Checked());
  EXPECT_FALSE(group->Buttons(0)->Checked());
  // Two columns: the third button starts the second one.
  EXPECT_GT(group->Buttons(2)->Left(), group->Buttons(0)->Left());
}

TEST_F(ChoiceControlsTest, TheCheckBoxWindowShowsItsStateAndClicksCycleThroughIt) {
  auto* check = Find<TCheckBox>("Check1");
  HWND wnd = check->Handle();
  EXPECT_TRUE(GetWindowLongPtrW(wnd, GWL_STYLE) & BS_LEFTTEXT);
  EXPECT_EQ(SendMessageW(wnd, BM_GETCHECK, 0, 0), BST_INDETERMINATE);
  int clicks = 0;
  check->OnClick = [&](TObject*) { ++clicks; };
  SendMessageW(wnd, BM_CLICK, 0, 0);
  EXPECT_EQ(check->State(), TCheckBoxState::cbUnchecked);
  SendMessageW(wnd, BM_CLICK, 0, 0);
  EXPECT_TRUE(check->Checked());
  EXPECT_EQ(SendMessageW(wnd, BM_GETCHECK, 0, 0), BST_CHECKED);
  SendMessageW(wnd, BM_CLICK, 0, 0);
  EXPECT_EQ(check->State(), TCheckBoxState::cbGrayed);
  EXPECT_EQ(clicks, 3);
  check->SetAllowGrayed(false);
  check->SetChecked(true);
  SendMessageW(wnd, BM_CLICK, 0, 0);
  EXPECT_EQ(check->State(), TCheckBoxState::cbUnchecked);
  // A new window keeps the state.
  check->SetState(TCheckBoxState::cbChecked);
  check->SetAlignment(TAlignment::taRightJustify);
  EXPECT_FALSE(GetWindowLongPtrW(check->Handle(), GWL_STYLE) & BS_LEFTTEXT);
  EXPECT_EQ(SendMessageW(check->Handle(), BM_GETCHECK, 0, 0), BST_CHECKED);
}

TEST_F(ChoiceControlsTest, ClickingARadioButtonUnchecksItsSiblings) {
  auto* one = Find<TRadioButton>("Radio1");
  auto* two = Find<TRadioButton>("Radio2");
  SendMessageW(two->Handle(), BM_CLICK, 0, 0);
  EXPECT_TRUE(two->Checked());
  EXPECT_FALSE(one->Checked());
  EXPECT_EQ(SendMessageW(one->Handle(), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_EQ(SendMessageW(two->Handle(), BM_GETCHECK, 0, 0), BST_CHECKED);
  // The group's buttons are a set of their own.
  auto* group = Find<TRadioGroup>("Group1");
  EXPECT_TRUE(group->Buttons(1)->Checked());
  int clicks = 0;
  group->OnClick = [&](TObject*) { ++clicks; };
  SendMessageW(group->Buttons(2)->Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(group->ItemIndex(), 2);
  EXPECT_FALSE(group->Buttons(1)->Checked());
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(two->Checked());
}

TEST_F(ChoiceControlsTest, ARadioGroupFollowsItsItems) {
  auto* group = Find<TRadioGroup>("Group1");
  group->Items().Add("Expert");
  ASSERT_EQ(group->ButtonCount(), 4);
  EXPECT_EQ(group->Buttons(3)->Caption(), "Expert");
  group->Items().Delete(0);
  group->Items().Delete(0);
  EXPECT_EQ(group->ButtonCount(), 2);
  EXPECT_EQ(group->Buttons(0)->Caption(), "Hard");
  group->Items().Clear();
  EXPECT_EQ(group->ButtonCount(), 0);
  EXPECT_EQ(group->ItemIndex(), -1);
  group->Items().Add("Once");
  group->Items().Add("Twice");
  group->SetItemIndex(5);
  EXPECT_EQ(group->ItemIndex(), -1);
  group->SetItemIndex(1);
  EXPECT_TRUE(group->Buttons(1)->Checked());
}

}  // namespace
