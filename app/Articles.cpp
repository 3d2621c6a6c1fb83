// Where the article comes from: a TXT file or one of the ten sample articles; its count and name.
#include "ArticleFile.h"
#include "CharCount.h"
#include "Encoding.h"
#include "ProgressiveMarking.h"
#include "RichEditContent.h"
#include "Unit1.h"

using namespace tk;

void TForm1::RegisterArticleHandlers(TClassInfo& c) {
  c.Method("N1Click", &TForm1::N1Click);
  c.Method("N2Click", &TForm1::N2Click);
  c.Method("N6Click", &TForm1::N6Click);
  c.Method("N7Click", &TForm1::N7Click);
  c.Method("N8Click", &TForm1::N8Click);
  c.Method("N9Click", &TForm1::N9Click);
  c.Method("N10Click", &TForm1::N10Click);
  c.Method("N11Click", &TForm1::N11Click);
  c.Method("N12Click", &TForm1::N12Click);
  c.Method("N13Click", &TForm1::N13Click);
  c.Method("N14Click", &TForm1::N14Click);
  c.Method("N15Click", &TForm1::N15Click);
  c.Method("RichEdit1Change", &TForm1::RichEdit1Change);
}

void TForm1::ResetForArticleChoice() {
  // The article may stay (a cancelled choice): with all its marks.
  articleMarking_->Finish();
  BitBtn2->SetEnabled(false);
  BitBtn4->SetEnabled(false);
  RichEdit1->Hide();
  RichEdit2->Clear();
  StatusBar1->Panel(0)->SetText(std::string());
  StatusBar1->Panel(1)->SetText(std::string());
}

void TForm1::ShowArticleStatus(const std::string& name) {
  StatusBar1->Panel(0)->SetText(Utf8ToGbk(" 文章名称: ") + name + "    " + Utf8ToGbk("字数: ") +
                                std::to_string(ArticleCharCount));
}

void TForm1::N1Click(TObject* Sender) {
  const std::string typed = RichEdit2->GetText();
  ResetForArticleChoice();
  if (!OpenDialog1->Execute() || OpenDialog1->FileName().empty()) return;
  const std::string path = OpenDialog1->FileName();
  try {
    practice::PutArticle(*RichEdit1, practice::ReadArticleFile(path));
  } catch (...) {
    // The article stays as it was; what was typed comes back.
    RichEdit2->SetText(typed);
    RichEdit2->Select(RichEdit2->GetTextLen(), 0);
    throw;
  }
  ShowArticleStatus(practice::FileNameOf(path));
}

void TForm1::N2Click(TObject* Sender) { ResetForArticleChoice(); }

void TForm1::ChooseSampleArticle(TMenuItem* item, TRichEdit* sample) {
  articleMarking_->Cancel();
  practice::SetPlainText(*RichEdit1, sample->GetText());
  ShowArticleStatus(item->Caption());
}

void TForm1::N6Click(TObject* Sender) { ChooseSampleArticle(N6, RichEdit6); }
void TForm1::N7Click(TObject* Sender) { ChooseSampleArticle(N7, RichEdit7); }
void TForm1::N8Click(TObject* Sender) { ChooseSampleArticle(N8, RichEdit8); }
void TForm1::N9Click(TObject* Sender) { ChooseSampleArticle(N9, RichEdit9); }
void TForm1::N10Click(TObject* Sender) { ChooseSampleArticle(N10, RichEdit10); }
void TForm1::N11Click(TObject* Sender) { ChooseSampleArticle(N11, RichEdit11); }
void TForm1::N12Click(TObject* Sender) { ChooseSampleArticle(N12, RichEdit12); }
void TForm1::N13Click(TObject* Sender) { ChooseSampleArticle(N13, RichEdit13); }
void TForm1::N14Click(TObject* Sender) { ChooseSampleArticle(N14, RichEdit14); }
void TForm1::N15Click(TObject* Sender) { ChooseSampleArticle(N15, RichEdit15); }

void TForm1::RichEdit1Change(TObject* Sender) {
  // Marks still on their way belong to the text that was there. (None while the form is freed.)
  if (articleMarking_) articleMarking_->Cancel();
  ArticleCharCount = practice::CountChars(RichEdit1->GetText());
}
