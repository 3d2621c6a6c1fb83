// Submission: the typed text compared with the article, the article marked, the run ended and the
// result reported.
#include <windows.h>

#include "CharCount.h"
#include "Encoding.h"
#include "ProgressiveMarking.h"
#include "ResultText.h"
#include "Score.h"
#include "TTSObj_TLB.h"
#include "Unit1.h"
#include "ViewComparison.h"

using namespace tk;

void TForm1::RegisterSubmissionHandlers(TClassInfo& c) { c.Method("BitBtn2Click", &TForm1::BitBtn2Click); }

namespace {
std::string UserDecimalSeparator() {
  wchar_t separator[8] = {};
  if (!GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, 8)) return ".";
  return WideToUtf8(separator);
}
}  // namespace

void TForm1::BitBtn2Click(TObject* Sender) {
  const std::string typed = RichEdit2->GetText();
  TypedCharCount = practice::CountChars(typed);

  const practice::Comparison comparison = practice::CompareWithView(*RichEdit1, typed);
  articleMarking_->Start(*RichEdit1, comparison.marks);

  BitBtn4->SetEnabled(false);
  Timer1->SetEnabled(false);
  RichEdit1->Show();
  Speech->Pause();

  practice::Score score;
  try {
    score = practice::ComputeScore({.typedChars = TypedCharCount,
                                    .correctBytes = comparison.correctBytes,
                                    .seconds = ElapsedSeconds(),
                                    .articleChars = ArticleCharCount,
                                    .decimalSeparator = UserDecimalSeparator()});
  } catch (const practice::ScoreUndefined& e) {
    throw std::runtime_error(Utf8ToGbk(e.what()));
  }
  ShowMessage(Utf8ToGbk(practice::ResultText(score)));
}
