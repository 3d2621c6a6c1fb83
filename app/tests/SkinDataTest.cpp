// The practice window carries its skin: SkinData1 comes from the stored layout with its settings,
// and its skin is loaded while the layout is read.
#include "PracticeWindowFixture.h"

TEST_F(PracticeWindowTest, SkinData1ComesWithItsSettingsAndTheLoadedDefaultSkin) {
  MakeForm();
  auto* skin = form->FindComponentAs<TSkinData>("SkinData1");
  ASSERT_NE(skin, nullptr);
  EXPECT_TRUE(skin->Active());
  EXPECT_EQ(skin->DisableTag(), 99);
  EXPECT_EQ(skin->SkinFormtype(), TSkinFormType::sfDialog);
  TSkinControlTypes expected = TSkinControlTypes::FromBits(0x1FFFFF);
  expected.Exclude(TSkinControlType::xcMenuItem);
  EXPECT_EQ(skin->SkinControls(), expected);
  EXPECT_EQ(skin->Options(), (TSkinOptions{TSkinOption::xoPreview, TSkinOption::xoToolbarBK,
                                           TSkinOption::xoCaptionButtonHint}));
  EXPECT_EQ(skin->Skin3rd()->Count(), 118);
  EXPECT_EQ(skin->Version(), "5.40.07.15");
  EXPECT_TRUE(skin->MenuUpdate());
  EXPECT_FALSE(skin->MenuMerge());
  EXPECT_FALSE(skin->Loading);
  EXPECT_FALSE(skin->SkinStream().empty());
  EXPECT_EQ(skin->SkinName, "Tolvane Slate");
  EXPECT_NE(skin->MenuItem, nullptr);
}
