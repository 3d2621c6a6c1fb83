// A component serving every form: the hook skins forms as they are activated, the skin-all action
// skins the forms on screen, the fixed tag 99 and the program's veto keep forms native.
#include "MainFormProgram.h"

using namespace skin_test;

TEST_F(MainFormProgram, LoadingSwitchesTheManagerOnAndTheHookSkinsEachFormAsItIsActivated) {
  tk::TForm* main = NewForm("Main", 20, 20);
  TSkinData* skin = AddSkinData(main);
  // A manager that has not started yet is switched on at once; no timer is needed.
  EXPECT_TRUE(Manager().Active);
  EXPECT_EQ(Manager().State, msNotStarted);
  EXPECT_FALSE(Manager().Timer->Enabled());
  EXPECT_EQ(Manager().DefaultSkin, skin);

  ShowForm(main);
  EXPECT_EQ(Manager().State, msRunning);
  ASSERT_TRUE(WaitAttached(main->Handle()));
  tk::TForm* second = NewForm("Second", 360, 20);
  tk::TForm* third = NewForm("Third", 700, 20);
  ShowForm(second);
  ShowForm(third);
  ASSERT_TRUE(WaitAttached(second->Handle()));
  ASSERT_TRUE(WaitAttached(third->Handle()));
  tk::testing::PumpMessages(100);

  for (tk::TForm* form : {main, second, third}) {
    SCOPED_TRACE(form->Caption());
    EXPECT_TRUE(AnswersSkinned(form->Handle()));
    EXPECT_TRUE(HasSkinMetrics(form->Handle()));
    EXPECT_EQ(PainterOf(form->Handle())->SkinData, skin);
    // Owned by its form: freed with it.
    EXPECT_EQ(PainterOf(form->Handle())->Owner(), form);
  }
  ExpectSolidFrame(third->Handle(), 1);
  ExpectSolidFrame(main->Handle(), 2);
  ExpectSolidFrame(second->Handle(), 2);
  EXPECT_EQ(Manager().Forms.size(), 3u);
}

TEST_F(MainFormProgram, AFormAlreadyOnScreenAtFirstLoadWaitsForItsActivation) {
  tk::TForm* early = NewForm("Early", 20, 20);
  ShowForm(early);
  tk::TForm* main = NewForm("Main", 360, 20);
  AddSkinData(main);
  tk::testing::PumpMessages(400);
  EXPECT_FALSE(AnswersSkinned(early->Handle()));
  ShowForm(main);
  ASSERT_TRUE(WaitAttached(main->Handle()));
  SetForegroundWindow(early->Handle());
  ASSERT_TRUE(WaitAttached(early->Handle()));
  EXPECT_TRUE(AnswersSkinned(early->Handle()));
}

TEST_F(MainFormProgram, FormsOnScreenWhenSkinningIsSwitchedOnAreSkinnedFromTheLastToTheFirst) {
  tk::TForm* main = NewForm("Main", 20, 20);
  TSkinData* skin = AddSkinData(main, TSkinFormType::sfMainform, false);
  tk::TForm* a = NewForm("A", 360, 20);
  tk::TForm* b = NewForm("B", 700, 20);
  tk::TForm* hidden = NewForm("Hidden", 20, 300);
  tk::TForm* tagged = NewForm("Tagged", 360, 300);
  tagged->SetTag(99);
  for (tk::TForm* form : {main, a, b, tagged}) ShowForm(form);
  hidden->Handle();
  // Activation has started the manager, which skins nothing while it is off.
  EXPECT_EQ(Manager().State, msRunning);
  EXPECT_TRUE(Manager().Forms.empty());

  std::vector<tk::TObject*> order;
  skin->OnBeforeSkinForm = [&](tk::TObject* sender, HWND, const std::string&) { order.push_back(sender); };
  int changed = 0;
  skin->OnSkinChanged = [&](tk::TObject* sender) {
    EXPECT_EQ(sender, skin);
    ++changed;
  };
  skin->SetActive(true);
  EXPECT_TRUE(Manager().Timer->Enabled());
  EXPECT_EQ(Manager().Timer->Interval(), 250);
  EXPECT_TRUE(Manager().Forms.empty());
  ASSERT_TRUE(tk::testing::PumpUntil([&] { return changed == 1; }, 10000));

  EXPECT_EQ(order, (std::vector<tk::TObject*>{b, a, main}));
  EXPECT_EQ(Manager().PendingSkin, nullptr);
  EXPECT_FALSE(Manager().SkinAllPass);
  for (tk::TForm* form : {main, a, b}) EXPECT_TRUE(WaitAttached(form->Handle())) << form->Caption();
  EXPECT_FALSE(AnswersSkinned(hidden->Handle()));
  EXPECT_FALSE(AnswersSkinned(tagged->Handle()));
}

TEST_F(MainFormProgram, AComponentLoadingWhileTheManagerRunsSkinsTheFormsOnScreenLater) {
  tk::TForm* main = NewForm("Main", 20, 20);
  AddSkinData(main, TSkinFormType::sfMainform, false);
  tk::TForm* other = NewForm("Other", 360, 20);
  ShowForm(main);
  ShowForm(other);
  ASSERT_EQ(Manager().State, msRunning);

  TSkinData* late = AddSkinData(other);
  EXPECT_EQ(Manager().PendingSkin, late);
  EXPECT_EQ(Manager().PendingAction, saSkinAll);
  EXPECT_TRUE(Manager().Timer->Enabled());
  EXPECT_FALSE(AnswersSkinned(main->Handle()));
  ASSERT_TRUE(WaitAttached(main->Handle()));
  ASSERT_TRUE(WaitAttached(other->Handle()));
  // The first main-form component stays the default; the last one serves the forms.
  EXPECT_NE(Manager().DefaultSkin, late);
  EXPECT_EQ(PainterOf(main->Handle())->SkinData, late);
}

TEST_F(MainFormProgram, AFormTagged99IsNeverSkinnedWhateverTheDisableTag) {
  tk::TForm* main = NewForm("Main", 20, 20);
  TSkinData* skin = AddSkinData(main);
  skin->SetDisableTag(5);
  tk::TForm* tagged = NewForm("Tagged", 360, 20);
  tagged->SetTag(99);
  tk::TForm* five = NewForm("Five", 700, 20);
  five->SetTag(5);
  ShowForm(main);
  ShowForm(tagged);
  ShowForm(five);
  ASSERT_TRUE(WaitAttached(five->Handle()));
  EXPECT_FALSE(Manager().SkinWindow(tagged->Handle()));
  EXPECT_FALSE(AnswersSkinned(tagged->Handle()));
  EXPECT_EQ(PainterOf(tagged->Handle()), nullptr);
  EXPECT_FALSE(HasSkinMetrics(tagged->Handle()));
}

TEST_F(MainFormProgram, TheProgramCanVetoAWindowAndIsToldWhichOneItIsAskedAbout) {
  tk::TForm* main = NewForm("Main", 20, 20);
  TSkinData* skin = AddSkinData(main);
  tk::TForm* vetoed = NewForm("Vetoed", 360, 20);
  std::vector<std::string> asked;
  skin->OnFormSkin = [&](tk::TObject* sender, const std::string& className, bool& doSkin) {
    EXPECT_EQ(sender, skin);
    asked.push_back(className);
    if (skin->AskedWindow == vetoed->HandleIfAllocated()) doSkin = false;
  };
  ShowForm(main);
  ShowForm(vetoed);
  ASSERT_TRUE(WaitAttached(main->Handle()));
  EXPECT_FALSE(AnswersSkinned(vetoed->Handle()));
  EXPECT_EQ(PainterOf(vetoed->Handle()), nullptr);
  ASSERT_FALSE(asked.empty());
  EXPECT_EQ(asked.front(), "TForm");

  // With the handler the built-in refusals are the program's to make.
  EXPECT_TRUE(Manager().AcceptWindow(main->Handle(), "SysMonthCal32"));
  skin->OnFormSkin = nullptr;
  EXPECT_FALSE(Manager().AcceptWindow(main->Handle(), "SysMonthCal32"));
  EXPECT_TRUE(Manager().AcceptWindow(main->Handle(), "TfrPreviewForm") ==
              skin->Options().Contains(TSkinOption::xoPreview));
}

TEST_F(MainFormProgram, SkinDataIsPickedByFormThenDialogThenMainForm) {
  tk::TForm* main = NewForm("Main", 20, 20);
  TSkinData* everyForm = AddSkinData(main);
  tk::TForm* own = NewForm("Own", 360, 20);
  own->Handle();
  TSkinData* onlyOwn = AddSkinData(own, TSkinFormType::sfOnlyThisForm);
  TSkinData* dialogs = AddSkinData(main, TSkinFormType::sfDialog);
  EXPECT_EQ(Manager().PickSkinData(own->Handle(), "TForm"), onlyOwn);
  EXPECT_EQ(Manager().PickSkinData(main->Handle(), "TForm"), everyForm);
  EXPECT_EQ(Manager().PickSkinData(nullptr, "#32770"), dialogs);
  EXPECT_EQ(Manager().PickSkinData(nullptr, "TMessageForm"), dialogs);
  EXPECT_EQ(Manager().PickSkinData(nullptr, "#32768"), everyForm);
}

TEST_F(MainFormProgram, AMainFormComponentDrawsTheProgramsSmallIconOnMagenta) {
  tk::TForm* main = NewForm("Main", 20, 20);
  HICON icon = LoadIconW(nullptr, IDI_APPLICATION);  // shared: never destroyed
  SendMessageW(main->Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
  TSkinData* skin = AddSkinData(main);
  tk::TBitmap& picture = skin->AppIconBitmap();
  ASSERT_EQ(picture.Width(), GetSystemMetrics(SM_CXSMICON));
  ASSERT_EQ(picture.Height(), GetSystemMetrics(SM_CYSMICON));
  EXPECT_TRUE(picture.Transparent());
  EXPECT_EQ(picture.TransparentColor(), static_cast<tk::TColor>(RGB(255, 0, 255)));
  int drawn = 0;
  for (int y = 0; y < picture.Height(); ++y)
    for (int x = 0; x < picture.Width(); ++x)
      if (GetPixel(picture.Canvas().Handle(), x, y) != RGB(255, 0, 255)) ++drawn;
  EXPECT_GT(drawn, 0);

  // Only a component serving every form makes it.
  tk::TForm* dialog = NewForm("Dialog", 360, 20);
  SendMessageW(dialog->Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
  EXPECT_TRUE(AddSkinData(dialog, TSkinFormType::sfDialog)->AppIconBitmap().Empty());
}
