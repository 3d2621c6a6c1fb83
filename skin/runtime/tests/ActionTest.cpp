// The manager's deferred actions: unskin-all and skin-all for a component serving every form and
// for one serving its own form only, and skin-changed after a skin file is loaded.
#include <filesystem>
#include <fstream>

#include "MainFormProgram.h"

using namespace skin_test;

namespace {

// Runs until the component's skin-changed event has fired once more.
bool WaitSkinChanged(TSkinData* skin) {
  int fired = 0;
  skin->OnSkinChanged = [&](tk::TObject*) { ++fired; };
  const bool ok = tk::testing::PumpUntil([&] { return fired > 0; }, 10000);
  skin->OnSkinChanged = nullptr;
  return ok && TSkinManage::Instance()->PendingSkin == nullptr;
}

}  // namespace

TEST_F(MainFormProgram, AFormOnlyComponentSwitchesItsOwnFormAndTheMainComponentSwitchesThemAll) {
  tk::TForm* main = NewForm("Main", 20, 20);
  TSkinData* everyForm = AddSkinData(main);
  ShowForm(main);
  ASSERT_TRUE(WaitAttached(main->Handle()));
  tk::TForm* own = NewForm("Own", 360, 20);
  TSkinData* onlyOwn = AddSkinData(own, TSkinFormType::sfOnlyThisForm);
  ShowForm(own);
  ASSERT_TRUE(WaitAttached(own->Handle()));
  EXPECT_EQ(PainterOf(own->Handle())->SkinData, onlyOwn);
  RECT ownClient{};
  GetClientRect(own->Handle(), &ownClient);

  onlyOwn->SetActive(false);
  EXPECT_EQ(Manager().PendingAction, saUnskinAll);
  ASSERT_TRUE(WaitSkinChanged(onlyOwn));
  EXPECT_FALSE(AnswersSkinned(own->Handle()));
  EXPECT_FALSE(HasSkinMetrics(own->Handle()));
  RECT nativeClient{};
  GetClientRect(own->Handle(), &nativeClient);
  EXPECT_EQ(nativeClient.right, ownClient.right);
  EXPECT_EQ(nativeClient.bottom, ownClient.bottom);
  EXPECT_TRUE(AnswersSkinned(main->Handle()));
  EXPECT_FALSE(Manager().Active);  // the manager itself is off now

  onlyOwn->SetActive(true);
  EXPECT_EQ(Manager().PendingAction, saSkinAll);
  ASSERT_TRUE(WaitSkinChanged(onlyOwn));
  ASSERT_TRUE(WaitAttached(own->Handle()));
  EXPECT_TRUE(Manager().Active);
  EXPECT_EQ(Manager().Forms.size(), 2u);

  everyForm->SetActive(false);
  ASSERT_TRUE(WaitSkinChanged(everyForm));
  EXPECT_TRUE(Manager().Forms.empty());
  for (tk::TForm* form : {main, own}) {
    EXPECT_FALSE(AnswersSkinned(form->Handle())) << form->Caption();
    EXPECT_FALSE(HasSkinMetrics(form->Handle())) << form->Caption();
  }
  // While off, activation skins nothing.
  SetForegroundWindow(main->Handle());
  tk::testing::PumpMessages(100);
  EXPECT_FALSE(AnswersSkinned(main->Handle()));
}

TEST_F(MainFormProgram, ASkinFileLoadedAtRunTimeReachesEveryFormOfItsComponent) {
  tk::TForm* main = NewForm("Main", 20, 20);
  TSkinData* skin = AddSkinData(main);
  tk::TForm* second = NewForm("Second", 360, 20);
  ShowForm(main);
  ShowForm(second);
  ASSERT_TRUE(WaitAttached(main->Handle()));
  ASSERT_TRUE(WaitAttached(second->Handle()));
  ASSERT_TRUE(InWindowRegion(main->Handle(), 0, 0));  // square corners
  const size_t buttonsBefore = PainterOf(main->Handle())->CaptionButtons.size();

  // The same skin with shaped corners and without caption buttons.
  SolidSkinOptions shaped;
  shaped.transparentCorners = true;
  shaped.captionButtons = false;
  const std::filesystem::path file = std::filesystem::temp_directory_path() / "tolvane_shaped_solid.skin";
  {
    const std::vector<uint8_t> packed = PackSolidSkin(shaped);
    std::ofstream out(file, std::ios::binary);
    out.write(reinterpret_cast<const char*>(packed.data()), static_cast<std::streamsize>(packed.size()));
  }
  skin->SetSkinFile(file.string());
  EXPECT_FALSE(skin->Loading);
  EXPECT_EQ(Manager().PendingSkin, skin);
  EXPECT_EQ(Manager().PendingAction, saSkinChanged);
  ASSERT_TRUE(WaitSkinChanged(skin));
  tk::testing::PumpMessages(50);
  for (tk::TForm* form : {main, second}) {
    SCOPED_TRACE(form->Caption());
    EXPECT_TRUE(AnswersSkinned(form->Handle()));
    EXPECT_FALSE(InWindowRegion(form->Handle(), 0, 0));  // the corner is cut away now
    // Made anew from the new skin, which has only the MDI child's buttons.
    EXPECT_EQ(PainterOf(form->Handle())->CaptionButtons.size(), skin->SysButtons.size());
    EXPECT_LT(PainterOf(form->Handle())->CaptionButtons.size(), buttonsBefore);
    EXPECT_TRUE(HasSkinMetrics(form->Handle()));
  }
  std::filesystem::remove(file);
}
