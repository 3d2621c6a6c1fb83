// The gallery shows the engine whole: with the default skin every painter class that serves a
// control of a form is attached somewhere in it.
#include <cstdio>
#include <map>
#include <set>

#include "GalleryFixture.h"
#include "WinSubClass.h"
#include "WindowsPage.h"

namespace {

// Painter class name -> how many, over every form the manager skins.
std::map<std::string, int> PainterCensus() {
  std::map<std::string, int> census;
  TSkinManage* manager = TSkinManage::Instance();
  if (!manager) return census;
  for (TWinSkinForm* form : manager->Forms)
    for (TSkinControl* painter : form->PainterList()) ++census[painter->ClassName()];
  return census;
}

}  // namespace

TEST_F(GalleryTest, EveryControlPainterClassIsAttachedSomewhereInTheGallery) {
  Open();
  ASSERT_TRUE(skinned);
  // Some painters arrive when their page is first shown (windows made on first show).
  for (int i = 0; i < form->PageCount(); ++i) {
    form->ShowPage(i);
    tk::testing::PumpMessages(60);
  }
  tk::TForm* mdi = gallery::OpenMdiWindow(form);
  ASSERT_NE(mdi, nullptr);
  tk::testing::PumpMessages(200);
  const std::map<std::string, int> census = PainterCensus();
  for (const auto& [name, count] : census) std::printf("  %-18s %d\n", name.c_str(), count);
  const std::set<std::string> expected = {
      "TSkinButton",   "TSkinBitButton", "TSkinSpeedButton", "TSkinMenuButton", "TSkinCheckBox",  "TSkinRadioButton",
      "TSkinGroupBox", "TSkinBox",       "TSkinSizer",       "TSkinStatusBar",  "TSkinComBox",    "TSkinEdit",
      "TSkinDateTime", "TSkinScrollbar", "TSkinScControl",   "TSkinListView",   "TSkinHeader",    "TSkinUpDown",
      "TSkinProgress", "TSkinTrackBar",  "TSkinMP",          "TSkinTab",        "TSkinTab31",     "TSkinTabBtn",
      "TSkinTabSheet", "TSkinAdvPage",   "TSkinObjImage",
  };
  for (const std::string& name : expected) EXPECT_GT(census.count(name), 0u) << name << " is attached nowhere";
  tk::TComponent::Free(mdi);
  tk::testing::PumpMessages(50);
}
