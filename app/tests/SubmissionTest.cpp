// Submission: the byte comparison, the marks read back from the article view, the end of the run,
// the result message, and the cases without a speed or an accuracy.
#include "Encoding.h"
#include "PracticeCommands.h"
#include "PracticeWindowFixture.h"
#include "ProgressiveMarking.h"
#include "RichEditContent.h"
#include "RichEditProbe.h"

using practice::testing::ColourAt;
using practice::testing::Command;
using practice::testing::kAutomatic;
using practice::testing::Press;
using tk::testing::DialogWatcher;
using tk::testing::Gbk;
using tk::testing::PumpMessages;
using tk::testing::PumpUntil;
using tk::testing::Utf8;

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlack = RGB(0, 0, 0);

class SubmissionTest : public PracticeWindowTest {
 protected:
  void SetUp() override {
    PracticeWindowTest::SetUp();
    ShowForm();
  }
  // Start on the article, type, let `seconds` pass on the label, and submit.
  void Run(const std::string& article, const std::string& typed, int seconds) {
    form->RichEdit1->SetText(article);
    Press(form->BitBtn1);
    Submit(typed, seconds);
  }
  void Submit(const std::string& typed, int seconds) {
    form->RichEdit2->SetText(typed);
    form->Label4->SetCaption(std::to_string(seconds));
    watcher.Clear();
    Press(form->BitBtn2);
    PumpMessages(20);
  }
  std::vector<COLORREF> Colours() {
    std::vector<COLORREF> colours;
    const int n = form->RichEdit1->GetTextLen();
    for (int p = 0; p < n; ++p) colours.push_back(ColourAt(form->RichEdit1->Handle(), p));
    return colours;
  }
  std::wstring Result(int typed, int speed, int correct, const char* accuracy) {
    return Utf8("考试时间到！\n\r\n\r输入：") + std::to_wstring(typed) + Utf8("字    平均速度(不计错误)：") +
           std::to_wstring(speed) + Utf8("字/分\n\r正确：") + std::to_wstring(correct) + Utf8("字    正确率：") +
           Utf8(accuracy) +
           Utf8("\n\r\n\r注意：软件没有人工智能，错位均属错误，正确率仅供参考，实际考试是人工评定成绩。");
  }
  void ExpectOneMessage(const std::wstring& text) {
    ASSERT_EQ(watcher.Count(), 1u);
    const auto box = watcher.Dialogs().front();
    EXPECT_EQ(box.caption, L"Tolvane");
    EXPECT_EQ(box.icon, 0u);
    EXPECT_EQ(box.text, text);
  }
  DialogWatcher watcher;
};

TEST_F(SubmissionTest, OneWrongCharacterWithTheRightFirstByte) {
  Run(Gbk("范例文章02"), Gbk("范例问章"), 30);
  ExpectOneMessage(Result(4, 8, 3, "50.00%"));
  EXPECT_EQ(form->TypedCharCount, 4);
  // Each character carries its own result; the digits were not compared.
  EXPECT_EQ(Colours(), (std::vector<COLORREF>{kBlack, kBlack, kRed, kBlack, kAutomatic, kAutomatic}));
}

TEST_F(SubmissionTest, AnInsertedBlankMakesEveryShiftedCharacterWrong) {
  Run(Gbk("范例文章02"), Gbk("范例 文章02"), 30);
  ExpectOneMessage(Result(6, 12, 2, "33.33%"));
  EXPECT_EQ(Colours(), (std::vector<COLORREF>{kBlack, kBlack, kRed, kRed, kRed, kAutomatic}));
}

TEST_F(SubmissionTest, SubmittingEndsTheRunAndShowsTheMarkedArticleAtItsLastMark) {
  Run(Gbk("范例文章02"), Gbk("范例问"), 30);
  EXPECT_FALSE(form->BitBtn4->Enabled());
  EXPECT_TRUE(form->BitBtn2->Enabled());
  EXPECT_FALSE(form->Timer1->Running());
  EXPECT_TRUE(form->RichEdit1->Visible());
  EXPECT_EQ(fake->Methods().back(), "Pause");
  EXPECT_EQ(form->RichEdit1->SelStart(), 2);
  EXPECT_EQ(form->RichEdit1->SelLength(), 1);
  EXPECT_EQ(form->RichEdit1->GetText(), Gbk("范例文章02"));
  EXPECT_EQ(form->ArticleCharCount, 6);
}

TEST_F(SubmissionTest, AsciiOnlyTypingScoresNothingAndMarksNothing) {
  Run(Gbk("范例文章02"), "fan li 02", 60);  // seven printable characters, blanks not counted
  ExpectOneMessage(Result(7, 7, 0, "0.00%"));
  EXPECT_EQ(Colours(), std::vector<COLORREF>(6, kAutomatic));
}

TEST_F(SubmissionTest, TypedCharactersBeyondTheArticleCountAsWrong) {
  Run(Gbk("范例"), Gbk("范例文章"), 60);
  ExpectOneMessage(Result(4, 4, 2, "100.00%"));
  EXPECT_EQ(Colours(), (std::vector<COLORREF>{kBlack, kBlack}));
}

TEST_F(SubmissionTest, TwoHalfMatchesMakeOneCorrectCharacterButBothAreRed) {
  Run(Gbk("文文"), Gbk("问问"), 60);
  ExpectOneMessage(Result(2, 2, 1, "50.00%"));
  EXPECT_EQ(Colours(), (std::vector<COLORREF>{kRed, kRed}));
}

TEST_F(SubmissionTest, MarksStayOnTheirCharactersAcrossLineBreaks) {
  Run(Gbk("范\r\n例文\r\n章"), Gbk("范\r\n例问\r\n章"), 60);
  ExpectOneMessage(Result(4, 4, 3, "75.00%"));
  const std::vector<COLORREF> colours = Colours();
  ASSERT_EQ(colours.size(), 8u);
  EXPECT_EQ(colours[0], kBlack);
  EXPECT_EQ(colours[3], kBlack);
  EXPECT_EQ(colours[4], kRed);
  EXPECT_EQ(colours[7], kBlack);
  EXPECT_EQ(form->RichEdit1->GetText(), Gbk("范\r\n例文\r\n章"));
  EXPECT_EQ(form->RichEdit1->Perform(EM_GETLINECOUNT), 3);
}

TEST_F(SubmissionTest, ALeftOutLineBreakShiftsTheNextLine) {
  Run(Gbk("范\r\n例"), Gbk("范例"), 60);
  // 例 meets CR LF: the line break is compared (and wrong), the character after it is not reached.
  ExpectOneMessage(Result(2, 2, 1, "50.00%"));
  const std::vector<COLORREF> colours = Colours();
  EXPECT_EQ(colours[0], kBlack);
  EXPECT_EQ(colours[3], kAutomatic);
  EXPECT_EQ(form->RichEdit1->GetText(), Gbk("范\r\n例"));
}

TEST_F(SubmissionTest, NoElapsedSecondIsAnErrorAfterTheRunHasEnded) {
  form->RichEdit1->SetText(Gbk("范例文章02"));
  Press(form->BitBtn1);
  Submit(Gbk("范例问"), 0);
  ASSERT_EQ(watcher.Count(), 1u);  // the error, no result
  EXPECT_EQ(watcher.Dialogs().front().icon, static_cast<UINT>(MB_ICONSTOP));
  EXPECT_NE(watcher.Dialogs().front().text.find(Utf8("用时不足一秒")), std::wstring::npos);
  EXPECT_FALSE(form->Timer1->Running());
  EXPECT_FALSE(form->BitBtn4->Enabled());
  EXPECT_TRUE(form->RichEdit1->Visible());
  EXPECT_EQ(fake->Methods().back(), "Pause");
  EXPECT_EQ(ColourAt(form->RichEdit1->Handle(), 2), kRed);
}

TEST_F(SubmissionTest, AnArticleOfNoCharactersHasNoAccuracy) {
  Run("  \r\n ", Gbk("范例"), 30);
  ASSERT_EQ(watcher.Count(), 1u);
  EXPECT_EQ(watcher.Dialogs().front().icon, static_cast<UINT>(MB_ICONSTOP));
  EXPECT_NE(watcher.Dialogs().front().text.find(Utf8("文章字数为 0")), std::wstring::npos);
}

TEST_F(SubmissionTest, SubmittingAgainRepeatsWithTheSameSecondsAndKeepsOtherMarks) {
  Run(Gbk("范例文章02"), Gbk("范例文章"), 30);
  ExpectOneMessage(Result(4, 8, 4, "66.67%"));
  // Two ASCII letters first: 范 is not compared again and keeps its black.
  form->RichEdit2->SetText(Gbk("ab范例"));
  watcher.Clear();
  Press(form->BitBtn2);
  ExpectOneMessage(Result(4, 8, 0, "0.00%"));
  EXPECT_EQ(Colours(), (std::vector<COLORREF>{kBlack, kRed, kRed, kBlack, kAutomatic, kAutomatic}));
}

TEST_F(SubmissionTest, MarkingKeepsTheArticlesOwnFormatting) {
  form->RichEdit1->LoadFromBytes(
      "{\\rtf1\\ansi\\ansicpg936{\\fonttbl{\\f0\\fcharset134 SimSun;}}{\\colortbl;\\red0\\green0\\blue255;}\\f0\\fs24 "
      "\\b\\'b7\\'b6\\b0\\fs40\\'c0\\'fd\\cf1\\'ce\\'c4\\cf0\\fs24\\'d5\\'c2}");
  const HWND view = form->RichEdit1->Handle();
  const CHARFORMAT2W sizeBefore = practice::testing::FormatAt(view, 1);
  Press(form->BitBtn1);
  Submit(Gbk("范例问"), 30);  // 文 (blue) turns red; 章 is not compared and stays automatic
  EXPECT_TRUE(practice::testing::BoldAt(view, 0));
  EXPECT_FALSE(practice::testing::BoldAt(view, 1));
  EXPECT_EQ(practice::testing::FormatAt(view, 1).yHeight, sizeBefore.yHeight);
  EXPECT_EQ(practice::testing::FormatAt(view, 0).yHeight, practice::testing::FormatAt(view, 3).yHeight);
  EXPECT_NE(practice::testing::FormatAt(view, 0).yHeight, sizeBefore.yHeight);
  EXPECT_EQ(Colours(), (std::vector<COLORREF>{kBlack, kBlack, kRed, kAutomatic}));
}

TEST_F(SubmissionTest, MarkingKeepsTheParagraphsFormat) {
  const auto alignment = [&](int position) {
    form->RichEdit1->Select(position, 0);
    PARAFORMAT format{};
    format.cbSize = sizeof format;
    SendMessageW(form->RichEdit1->Handle(), EM_GETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&format));
    return format.wAlignment;
  };
  // All centred: the article is rewritten at once and its paragraphs centred again.
  form->RichEdit1->LoadFromBytes("{\\rtf1\\ansi\\ansicpg936\\qc \\'b7\\'b6\\par \\'c0\\'fd}");
  Press(form->BitBtn1);
  Submit(Gbk("范\r\n问"), 30);
  EXPECT_EQ(alignment(0), PFA_CENTER);
  EXPECT_EQ(alignment(3), PFA_CENTER);
  EXPECT_EQ(ColourAt(form->RichEdit1->Handle(), 0), kBlack);
  EXPECT_EQ(ColourAt(form->RichEdit1->Handle(), 3), kRed);
  // Centred and right-aligned: line by line.
  form->RichEdit1->LoadFromBytes("{\\rtf1\\ansi\\ansicpg936\\pard\\qc \\'b7\\'b6\\par\\pard\\qr \\'c0\\'fd\\par}");
  ASSERT_EQ(alignment(3), PFA_RIGHT);
  Press(form->BitBtn1);
  Submit(Gbk("范\r\n问"), 30);
  EXPECT_EQ(alignment(0), PFA_CENTER);
  EXPECT_EQ(alignment(3), PFA_RIGHT);
  EXPECT_EQ(ColourAt(form->RichEdit1->Handle(), 0), kBlack);
  EXPECT_EQ(ColourAt(form->RichEdit1->Handle(), 3), kRed);
  EXPECT_EQ(form->RichEdit1->GetText(), Gbk("范\r\n例"));
}

TEST_F(SubmissionTest, MarksAfterACharacterOutsideTheBmpStayOnTheirCharacters) {
  // 范, U+20000 (a surrogate pair: two positions in the view), 例, 文; GBK has no bytes for U+20000.
  form->RichEdit1->LoadFromBytes("{\\rtf1\\ansi\\ansicpg936\\uc1 \\'b7\\'b6\\u-10176?\\u-9216?\\'c0\\'fd\\'ce\\'c4}");
  const std::wstring shown = L"\u8303\U00020000\u4F8B\u6587";
  ASSERT_EQ(form->RichEdit1->GetTextLen(), 5);
  Press(form->BitBtn1);
  // Typed in the pair's place: the bytes the system's conversion gives it.
  const std::string pair = tk::WideToGbk(L"\U00020000");
  Submit(Gbk("范") + pair + Gbk("例问"), 30);
  EXPECT_EQ(Colours(), (std::vector<COLORREF>{kBlack, kAutomatic, kAutomatic, kBlack, kRed}));
  EXPECT_EQ(form->RichEdit1->SelStart(), 4);
  // The rewrite keeps the pair whole.
  EXPECT_EQ(practice::PositionedText(form->RichEdit1->Handle()), shown);
}

TEST_F(SubmissionTest, ALongArticleIsMarkedCharacterByCharacter) {
  std::string article, typed;
  for (int i = 0; i < 3000; ++i) {
    article += Gbk(i % 3 ? "文" : "章");
    typed += Gbk(i % 7 ? (i % 3 ? "文" : "章") : "问");
    if (i % 500 == 499) {
      article += "\r\n";
      typed += "\r\n";
    }
  }
  Run(article, typed, 60);
  // Marks out of sight follow while the message loop runs.
  ASSERT_TRUE(PumpUntil([&] { return !form->ArticleMarking().Pending(); }, 20000));
  EXPECT_TRUE(form->RichEdit1->GetText() == article);
  const std::vector<COLORREF> colours = Colours();
  int position = 0;
  for (int i = 0; i < 3000; ++i, ++position) {
    ASSERT_EQ(colours[position], i % 7 ? kBlack : kRed) << "character " << i;
    if (i % 500 == 499) position += 2;
  }
}

}  // namespace
