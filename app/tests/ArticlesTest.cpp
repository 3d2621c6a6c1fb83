// Where articles come from: the sample articles, TXT and RTF files through the file dialog, the
// count and the status panel, and files that cannot be used.
#include <richedit.h>

#include "ArticleFile.h"
#include "CharCount.h"
#include "Encoding.h"
#include "FileDialogAnswer.h"
#include "PracticeCommands.h"
#include "PracticeWindowFixture.h"
#include "RichEditProbe.h"
#include "RichTextLimits.h"

using practice::testing::CancelFileDialog;
using practice::testing::ChooseFile;
using practice::testing::Command;
using practice::testing::TempFolder;
using tk::testing::DialogWatcher;
using tk::testing::Gbk;
using tk::testing::PumpMessages;
using tk::testing::Utf8;

namespace {

class ArticlesTest : public PracticeWindowTest {
 protected:
  void SetUp() override {
    PracticeWindowTest::SetUp();
    MakeForm();
    form->Show();
  }
  std::string Panel(int i) { return form->StatusBar1->Panel(i)->Text(); }
  std::string Status(const char* nameUtf8, int count) {
    return Gbk(" 文章名称: ") + Gbk(nameUtf8) + "    " + Gbk("字数: ") + std::to_string(count);
  }
  // Runs the TXT command while the watcher answers the file dialog.
  void ChooseThroughDialog(DialogWatcher& watcher, std::function<bool(HWND)> answer) {
    watcher.SetAnswer(std::move(answer));
    practice::testing::Command(form, form->N1);
    PumpMessages(50);
  }
  // A run under way: something typed, Submit and Pause on, the clock shown.
  void StartTyping(const char* typedUtf8) {
    form->RichEdit2->SetText(Gbk(typedUtf8));
    form->BitBtn2->SetEnabled(true);
    form->BitBtn4->SetEnabled(true);
    form->StatusBar1->Panel(1)->SetText(Gbk("耗时：3秒    "));
  }
  bool ResetHappened() {
    return !form->BitBtn2->Enabled() && !form->BitBtn4->Enabled() && !form->RichEdit1->Visible() &&
           form->RichEdit2->GetText().empty() && Panel(0).empty() && Panel(1).empty();
  }
  TempFolder folder;
};

TEST_F(ArticlesTest, SampleArticlesFillTheHolderAndShowTheirCaptionAndCount) {
  tk::TMenuItem* items[] = {form->N7, form->N8, form->N9, form->N10, form->N11,
                            form->N12, form->N13, form->N14, form->N15};
  for (int i = 0; i < 9; ++i) {
    items[i]->Click();
    const std::string number = (i + 2 < 10 ? "0" : "") + std::to_string(i + 2);
    EXPECT_EQ(form->RichEdit1->GetText(), Gbk("范例文章") + number);
    EXPECT_EQ(form->ArticleCharCount, 6);
    EXPECT_EQ(Panel(0), Gbk(" 文章名称: 文章") + number + "    " + Gbk("字数: 6"));
  }
  // What the status bar really shows.
  EXPECT_EQ(form->StatusBar1->PanelTextShown(0), Status("文章10", 6));
}

TEST_F(ArticlesTest, SampleOneIsAFourLineDescriptionStoredTwice) {
  form->N6->Click();
  const std::string text = form->RichEdit1->GetText();
  std::vector<std::string> lines;
  for (size_t start = 0;;) {
    const size_t end = text.find("\r\n", start);
    lines.push_back(text.substr(start, end - start));
    if (end == std::string::npos) break;
    start = end + 2;
  }
  ASSERT_EQ(lines.size(), 8u);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(lines[i], lines[i + 4]);
  EXPECT_NE(text.find(Gbk("Tolvane")), std::string::npos);
  EXPECT_EQ(form->ArticleCharCount, 258);  // line breaks and blanks count nothing
  EXPECT_EQ(Panel(0), Status("文章01", 258));
}

TEST_F(ArticlesTest, ChoosingASampleResetsNothingButOpeningItsMenuResets) {
  StartTyping("范例");
  form->N7->Click();
  EXPECT_EQ(form->RichEdit2->GetText(), Gbk("范例"));
  EXPECT_TRUE(form->BitBtn2->Enabled());
  EXPECT_TRUE(form->BitBtn4->Enabled());
  form->RichEdit1->Show();
  form->N2->Click();
  EXPECT_TRUE(ResetHappened());
  EXPECT_EQ(form->RichEdit1->GetText(), Gbk("范例文章02"));  // the article stays
}

TEST_F(ArticlesTest, TheCountFollowsEveryChangeOfTheHoldersText) {
  form->RichEdit1->SetText(Gbk("a b c\r\n中"));
  EXPECT_EQ(form->ArticleCharCount, 4);
  form->RichEdit1->SetText(Gbk("　 "));  // a full-width blank counts, an ASCII blank does not
  EXPECT_EQ(form->ArticleCharCount, 1);
  form->RichEdit1->SetText(std::string());
  EXPECT_EQ(form->ArticleCharCount, 0);
}

TEST_F(ArticlesTest, APlainGbkFileLoadsWithItsNameAndCount) {
  const std::string article = Gbk("第一段，共七个字。\r\n第二段 with ASCII.\r\n");
  const std::wstring path = folder.Write(Utf8("听打文章.txt"), article);
  StartTyping("已经打了");
  DialogWatcher watcher;
  ChooseThroughDialog(watcher, ChooseFile(path));
  EXPECT_EQ(watcher.Count(), 0u);
  EXPECT_EQ(form->RichEdit1->GetText(), article);
  EXPECT_EQ(form->ArticleCharCount, practice::CountChars(article));
  EXPECT_EQ(Panel(0), Status("听打文章.txt", practice::CountChars(article)));
  EXPECT_TRUE(form->RichEdit2->GetText().empty());
  EXPECT_FALSE(form->BitBtn2->Enabled());
  EXPECT_TRUE(Panel(1).empty());
}

TEST_F(ArticlesTest, APlainFileTakesTheHoldersFontWhateverTheArticleBeforeIt) {
  DialogWatcher watcher;
  ChooseThroughDialog(watcher, ChooseFile(folder.Write(L"bold.txt", "{\\rtf1\\ansi {\\b\\fs60 bold}}")));
  ASSERT_TRUE(practice::testing::BoldAt(form->RichEdit1->Handle(), 0));
  ChooseThroughDialog(watcher, ChooseFile(folder.Write(L"plain.txt", Gbk("范例"))));
  EXPECT_EQ(watcher.Count(), 0u);
  const CHARFORMAT2W format = practice::testing::FormatAt(form->RichEdit1->Handle(), 0);
  EXPECT_FALSE(format.dwEffects & CFE_BOLD);
  EXPECT_TRUE(format.dwEffects & CFE_AUTOCOLOR);
  EXPECT_EQ(tk::WideToGbk(format.szFaceName), Gbk("宋体"));
  EXPECT_EQ(format.bCharSet, 134);
  EXPECT_EQ(format.yHeight, MulDiv(16, 1440, 96));
}

TEST_F(ArticlesTest, ASampleTakesTheHoldersFontAfterARichArticle) {
  form->RichEdit1->LoadFromBytes("{\\rtf1\\ansi {\\b\\fs60 bold}}");
  Command(form, form->N8);
  EXPECT_EQ(form->RichEdit1->GetText(), Gbk("范例文章03"));
  EXPECT_FALSE(practice::testing::BoldAt(form->RichEdit1->Handle(), 0));
  EXPECT_EQ(tk::WideToGbk(practice::testing::FormatAt(form->RichEdit1->Handle(), 0).szFaceName), Gbk("宋体"));
}

TEST_F(ArticlesTest, TheNameIsCutAtTheLastBackslashEvenAfterATrailByteThatLooksLikeOne) {
  // 乗 is 81 5C in GBK: its second byte is a backslash.
  const std::wstring path = folder.Write(Utf8("乗车.txt"), Gbk("乗车"));
  DialogWatcher watcher;
  ChooseThroughDialog(watcher, ChooseFile(path));
  EXPECT_EQ(Panel(0), Status("乗车.txt", 2));
}

TEST_F(ArticlesTest, LoneLineFeedsOfAUnixFileBecomeLineBreaks) {
  const std::wstring path = folder.Write(L"unix.txt", Gbk("第一行\n第二行\n"));
  DialogWatcher watcher;
  ChooseThroughDialog(watcher, ChooseFile(path));
  EXPECT_EQ(form->RichEdit1->GetText(), Gbk("第一行\r\n第二行\r\n"));
  EXPECT_EQ(form->RichEdit1->Perform(EM_GETLINECOUNT), 3);
}

TEST_F(ArticlesTest, AnRtfFileLoadsAsRichText) {
  const std::wstring path =
      folder.Write(L"rich.txt", "{\\rtf1\\ansi\\ansicpg936{\\fonttbl{\\f0\\fcharset134 SimSun;}}\\f0 "
                                "\\b \\'b7\\'b6\\'c0\\'fd\\b0 \\'ce\\'c4\\par 02}");
  DialogWatcher watcher;
  ChooseThroughDialog(watcher, ChooseFile(path));
  EXPECT_EQ(watcher.Count(), 0u);
  EXPECT_EQ(form->RichEdit1->GetText(), Gbk("范例文\r\n02"));
  EXPECT_EQ(form->ArticleCharCount, 5);
  EXPECT_TRUE(practice::testing::BoldAt(form->RichEdit1->Handle(), 1));
  EXPECT_FALSE(practice::testing::BoldAt(form->RichEdit1->Handle(), 2));
}

TEST_F(ArticlesTest, RichTextWithAVeryLongParagraphLoadsAsItsPlainText) {
  std::string rtf = "{\\rtf1\\ansi\\ansicpg936 ";
  for (int i = 0; i < 5000; ++i) rtf += "\\'d6\\'d0";
  rtf += "}";
  const std::wstring path = folder.Write(L"long.txt", rtf);
  DialogWatcher watcher;
  ChooseThroughDialog(watcher, ChooseFile(path));
  EXPECT_EQ(watcher.Count(), 0u);
  std::string expected;
  for (int i = 0; i < 5000; ++i) expected += Gbk("中");
  EXPECT_TRUE(form->RichEdit1->GetText() == expected);
  EXPECT_EQ(form->ArticleCharCount, 5000);
}

TEST_F(ArticlesTest, CancellingTheDialogKeepsThePreviousArticleForStart) {
  form->N7->Click();
  StartTyping("范例");
  DialogWatcher watcher;
  ChooseThroughDialog(watcher, CancelFileDialog());
  EXPECT_EQ(watcher.Count(), 0u);
  EXPECT_TRUE(ResetHappened());
  EXPECT_EQ(form->RichEdit1->GetText(), Gbk("范例文章02"));
  practice::testing::Press(form->BitBtn1);
  ASSERT_NE(fake->Last("Speak"), nullptr);
  EXPECT_EQ(fake->Last("Speak")->texts.at(0), Utf8("范例文章02"));
}

// A file that cannot be used: the error box, the previous article, and the typing given back.
class UnusableFileTest : public ArticlesTest {
 protected:
  void ExpectRefused(const std::wstring& path, const char* partOfMessageUtf8) {
    form->N7->Click();
    StartTyping("打了一半");
    DialogWatcher watcher;
    ChooseThroughDialog(watcher, ChooseFile(path));
    ASSERT_TRUE(tk::testing::PumpUntil([&] { return watcher.Count() == 1; }, 5000));
    const auto box = watcher.Dialogs().front();
    EXPECT_EQ(box.icon, static_cast<UINT>(MB_ICONSTOP));
    EXPECT_EQ(box.caption, L"Tolvane");
    EXPECT_NE(box.text.find(Utf8(partOfMessageUtf8)), std::wstring::npos) << tk::WideToUtf8(box.text);
    EXPECT_EQ(form->RichEdit1->GetText(), Gbk("范例文章02"));
    EXPECT_EQ(form->ArticleCharCount, 6);
    EXPECT_EQ(form->RichEdit2->GetText(), Gbk("打了一半"));
    EXPECT_TRUE(Panel(0).empty());
  }
};

TEST_F(UnusableFileTest, AMissingFile) { ExpectRefused(folder.Path() + L"\\missing.txt", "missing.txt"); }

TEST_F(UnusableFileTest, AFileLockedByAnotherProgram) {
  const std::wstring path = folder.Write(L"locked.txt", "text");
  HANDLE lock = CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(lock, INVALID_HANDLE_VALUE);
  ExpectRefused(path, "locked.txt");
  CloseHandle(lock);
}

TEST_F(UnusableFileTest, AFileOfFiftyMegabytes) {
  const std::wstring path = folder.Write(L"huge.txt", "");
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  LARGE_INTEGER size;
  size.QuadPart = 50ll * 1024 * 1024;
  SetFilePointerEx(file, size, nullptr, FILE_BEGIN);
  SetEndOfFile(file);
  CloseHandle(file);
  ExpectRefused(path, "太大");
}

TEST_F(UnusableFileTest, RichTextWithUnclosedGroups) {
  ExpectRefused(folder.Write(L"broken.txt", "{\\rtf1 {\\b bold {\\i unclosed text"), "RTF");
}

// Files that would make the rich edit's reader write outside its memory: refused before it sees them.
TEST_F(UnusableFileTest, RichTextWithAHundredUnclosedGroups) {
  ExpectRefused(folder.Write(L"unclosed.txt", "{\\rtf1\\ansi " + std::string(100, '{') + "word"), "RTF");
}

TEST_F(UnusableFileTest, RichTextNestedDeeperThanTheReaderKeeps) {
  const int inner = practice::kDeepestRichTextGroups;  // one more than the reader keeps, with the outermost
  ExpectRefused(folder.Write(L"deep.txt", "{\\rtf1\\ansi " + std::string(inner, '{') + "word" + std::string(inner, '}') + "}"),
                "RTF");
}

TEST_F(UnusableFileTest, RichTextWithAHugeControlWord) {
  ExpectRefused(folder.Write(L"word.txt", "{\\rtf1\\ansi \\" + std::string(100000, 'a') + " text}"), "RTF");
}

TEST_F(UnusableFileTest, RichTextWithAHugeNumber) {
  ExpectRefused(folder.Write(L"number.txt", "{\\rtf1\\ansi \\fs" + std::string(5000, '9') + " text}"), "RTF");
}

TEST_F(UnusableFileTest, RichTextWithAHugeFontName) {
  ExpectRefused(folder.Write(L"font.txt", "{\\rtf1\\ansi {\\fonttbl{\\f0 " + std::string(5000, 'A') + ";}}\\f0 text}"),
                "RTF");
}

TEST_F(UnusableFileTest, RichTextWithAHugeStyleName) {
  ExpectRefused(folder.Write(L"style.txt", "{\\rtf1\\ansi {\\stylesheet{\\s1 " + std::string(5000, 'A') + ";}}\\s1 text}"),
                "RTF");
}

TEST_F(UnusableFileTest, RichTextOfAParagraphOfTooManyFormattingChanges) {
  // Sixty thousand one-letter bold groups: within the article's size, but the reader would take
  // seconds over them.
  std::string rtf = "{\\rtf1\\ansi ";
  for (int i = 0; i < 60000; ++i) rtf += "{\\b x}";
  ExpectRefused(folder.Write(L"formatted.txt", rtf + "}"), "RTF");
}

TEST_F(ArticlesTest, RichTextAsDeepAsTheReaderKeepsLoads) {
  const int inner = practice::kDeepestRichTextGroups - 1;
  DialogWatcher watcher;
  ChooseThroughDialog(watcher, ChooseFile(folder.Write(
                                   L"deep.txt", "{\\rtf1\\ansi " + std::string(inner, '{') + "word" + std::string(inner, '}') + "}")));
  EXPECT_EQ(watcher.Count(), 0u);
  EXPECT_EQ(form->RichEdit1->GetText(), "word");
  EXPECT_EQ(Panel(0), Status("deep.txt", 4));
}

TEST_F(UnusableFileTest, RichTextHoldingMoreTextThanAnArticleMay) {
  std::string rtf = "{\\rtf1\\ansi ";
  rtf += std::string(practice::kLargestRichTextCharacters + 1, 'x');
  ExpectRefused(folder.Write(L"long.rtf", rtf + "}"), "RTF");
}

TEST_F(ArticlesTest, RichTextMayTakeMoreBytesThanPlainText) {
  // Twenty thousand Chinese characters take eight bytes each in rich text.
  std::string rtf = "{\\rtf1\\ansi\\ansicpg936 ";
  for (int i = 0; i < 20000; ++i) rtf += i % 100 == 99 ? "\\'d6\\'d0\\par\n" : "\\'d6\\'d0";
  rtf += "}";
  ASSERT_GT(rtf.size(), practice::kLargestArticleFile);
  DialogWatcher watcher;
  ChooseThroughDialog(watcher, ChooseFile(folder.Write(L"big.rtf", rtf)));
  EXPECT_EQ(watcher.Count(), 0u);
  EXPECT_EQ(form->ArticleCharCount, 20000);
  EXPECT_THROW(practice::ReadArticleFile(tk::WideToGbk(folder.Write(
                   L"huge.rtf", "{\\rtf1 " + std::string(practice::kLargestRichTextFile, 'x') + "}"))),
               std::runtime_error);
}

TEST_F(ArticlesTest, ADirectoryCannotBeReadAsAnArticle) {
  EXPECT_THROW(practice::ReadArticleFile(tk::WideToGbk(folder.Path())), std::runtime_error);
}

TEST_F(ArticlesTest, FilesUpToTheLargestArticleSizeAreRead) {
  const std::string bytes(practice::kLargestArticleFile, 'a');
  EXPECT_EQ(practice::ReadArticleFile(tk::WideToGbk(folder.Write(L"mb.txt", bytes))).size(), bytes.size());
  EXPECT_THROW(practice::ReadArticleFile(tk::WideToGbk(folder.Write(L"mb1.txt", bytes + "a"))), std::runtime_error);
}

// Files that are not what they claim: they load as far as they are text, without an error.
class OddFileTest : public ArticlesTest {
 protected:
  std::string Load(const std::string& bytes) {
    DialogWatcher watcher;
    ChooseThroughDialog(watcher, ChooseFile(folder.Write(L"odd.txt", bytes)));
    EXPECT_EQ(watcher.Count(), 0u);
    const std::string text = form->RichEdit1->GetText();
    EXPECT_EQ(form->ArticleCharCount, practice::CountChars(text));
    EXPECT_FALSE(Panel(0).empty());
    return text;
  }
};

TEST_F(OddFileTest, ABinaryFileLoadsUpToItsFirstNulByte) {
  std::string bytes = "MZ";
  bytes += '\0';
  for (int i = 0; i < 4096; ++i) bytes += static_cast<char>(i * 7);
  EXPECT_EQ(Load(bytes), "MZ");
}

TEST_F(OddFileTest, InvalidGbkSequencesLoadAsWhatTheCodePageMakesOfThem) {
  const std::string bytes = "A\x81\x20" "B\xFF\x80";
  EXPECT_EQ(Load(bytes), tk::WideToGbk(tk::GbkToWide(bytes)));
}

TEST_F(OddFileTest, AUtf8FileLoadsAsGbkBytes) {
  const std::string utf8 = "\xE4\xB8\xAD\xE6\x96\x87\r\n";  // 中文 in UTF-8
  EXPECT_EQ(Load(utf8), tk::WideToGbk(tk::GbkToWide(utf8)));
}

TEST_F(OddFileTest, UnknownControlWordsOfRichTextAreSkipped) {
  EXPECT_EQ(Load("{\\rtf1 {\\b bold}{\\*\\unknowngroup hidden} \\unknownword text}"), "bold text");
}

}  // namespace
