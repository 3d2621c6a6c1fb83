// The hidden speak-to-file panel with the scripted component: file types and their format
// options, the chosen option, and the file the article is spoken into.
#include "Encoding.h"
#include "PracticeCommands.h"
#include "PracticeWindowFixture.h"

using practice::testing::Command;
using practice::testing::Press;
using tk::testing::Gbk;
using tk::testing::Utf8;

namespace {

class SpeakToFileTest : public PracticeWindowTest {
 protected:
  void SetUp() override {
    PracticeWindowTest::SetUp();
    ShowForm();
  }
  // A user's choice in a list: the selection, then the notification to its parent.
  void Choose(tk::TComboBox* box, int index) {
    HWND combo = box->Handle();
    SendMessageW(combo, CB_SETCURSEL, index, 0);
    SendMessageW(GetParent(combo), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo));
  }
  std::vector<std::string> Items(tk::TComboBox* box) {
    std::vector<std::string> items;
    for (int i = 0; i < box->Items().Count(); ++i) items.push_back(box->Items()[i]);
    return items;
  }
};

TEST_F(SpeakToFileTest, ChoosingAFileTypeListsItsFormatsAndChoosesTheFirst) {
  fake->formats[3] = {L"22kHz 48kbps Mono", L"44kHz 128kbps 立体声"};
  const size_t before = fake->calls.size();
  Choose(form->ComboBox3, 3);  // OGG
  const std::vector<std::string> names = fake->Methods();
  EXPECT_EQ(std::vector<std::string>(names.begin() + static_cast<long>(before), names.end()),
            (std::vector<std::string>{"SetFileType", "FormatCount", "SetFormat", "FormatName", "SetFormat", "FormatName",
                                      "SetFormat"}));
  EXPECT_EQ(fake->Last("SetFileType")->numbers, std::vector<long>{3});
  EXPECT_EQ(fake->Last("SetFormat")->numbers, std::vector<long>{0});
  EXPECT_EQ(Items(form->ComboBox1), (std::vector<std::string>{"22kHz 48kbps Mono", Gbk("44kHz 128kbps 立体声")}));
  EXPECT_EQ(form->ComboBox1->ItemIndex(), 0);
}

TEST_F(SpeakToFileTest, ATypeWithoutOptionsLeavesTheListEmptyAndStillSetsFormatZero) {
  Choose(form->ComboBox3, 4);  // VOX: no options in the script
  EXPECT_TRUE(Items(form->ComboBox1).empty());
  EXPECT_EQ(fake->Methods().back(), "SetFormat");
  EXPECT_EQ(fake->Last("SetFormat")->numbers, std::vector<long>{0});
}

TEST_F(SpeakToFileTest, ChoosingAFormatSelectsItInTheComponent) {
  Choose(form->ComboBox1, 1);
  EXPECT_EQ(fake->Methods().back(), "SetFormat");
  EXPECT_EQ(fake->Last("SetFormat")->numbers, std::vector<long>{1});
}

TEST_F(SpeakToFileTest, TheArticleIsSpokenIntoBaseNameDotFileTypeWithTheTuningOfTheScrollBars) {
  Command(form, form->N7);
  form->RichEdit2->SetText(Gbk("打的字不进文件"));
  Command(form, form->N24);
  form->ScrollBar2->SetPosition(55);
  form->ScrollBar3->SetPosition(-4);
  const size_t before = fake->calls.size();
  Press(form->Button3);
  const std::vector<std::string> names = fake->Methods();
  EXPECT_EQ(std::vector<std::string>(names.begin() + static_cast<long>(before), names.end()),
            (std::vector<std::string>{"SetVolume", "SetRate", "SetPitch", "SpeakToFile"}));
  EXPECT_EQ(fake->Last("SetVolume")->numbers, std::vector<long>{55});
  EXPECT_EQ(fake->Last("SetRate")->numbers, std::vector<long>{0});
  EXPECT_EQ(fake->Last("SetPitch")->numbers, std::vector<long>{-4});
  EXPECT_EQ(fake->Last("SpeakToFile")->texts, (std::vector<std::wstring>{Utf8("范例文章02"), L"output.MP3"}));
  EXPECT_EQ(fake->Last("SpeakToFile")->numbers, std::vector<long>{0});
}

TEST_F(SpeakToFileTest, TheFileNameFollowsTheBaseNameAndTheChosenType) {
  Command(form, form->N8);
  form->Edit1->SetText(Gbk("练习"));
  Choose(form->ComboBox3, 6);
  Press(form->Button3);
  EXPECT_EQ(fake->Last("SpeakToFile")->texts.at(1), Utf8("练习.AIFF"));
}

TEST_F(SpeakToFileTest, TheSpeedMenuMovesTheRateBarOfTheHiddenGroup) {
  EXPECT_EQ(form->ScrollBar1->Position(), -7);  // FormShow applied level 2
  Command(form, form->N27);
  EXPECT_EQ(form->ScrollBar1->Position(), -5);
  EXPECT_FALSE(form->GroupBox1->Visible());
}

}  // namespace
