// Figures of the practice window's heavy work under the real rich edit: a submission of a
// 20,000-character article (comparison, marking, score and result text), and loading article files
// of the sizes and kinds a user may choose.
//   submission_bench
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "Application.h"
#include "ArticleFile.h"
#include "ArticleMarking.h"
#include "CharCount.h"
#include "ClassRegistration.h"
#include "Comparison.h"
#include "Encoding.h"
#include "ResultText.h"
#include "RichEditContent.h"
#include "Score.h"
#include "ProgressiveMarking.h"
#include "Unit1.h"
#include "ViewComparison.h"
#include "WinSkinData.h"

namespace {

double Now() {
  LARGE_INTEGER f, c;
  QueryPerformanceFrequency(&f);
  QueryPerformanceCounter(&c);
  return static_cast<double>(c.QuadPart) * 1000.0 / static_cast<double>(f.QuadPart);
}

double Report(const std::string& what, std::vector<double> ms) {
  std::sort(ms.begin(), ms.end());
  std::printf("%-58s median %7.1f ms  min %7.1f  max %7.1f  (n=%zu)\n", what.c_str(), ms[ms.size() / 2], ms.front(),
              ms.back(), ms.size());
  return ms[ms.size() / 2];
}

// Chinese characters in lines of `line` characters (0: one paragraph); every `wrongEvery`-th
// character of the typed copy differs in its second byte (0: none).
struct Texts {
  std::string article, typed;
};
Texts MakeTexts(int chars, int line, int wrongEvery) {
  const std::wstring sample = tk::Utf8ToWide("听写练习的文章由许多常用汉字组成，交稿后逐字标出对错。");
  Texts t;
  for (int i = 0; i < chars; ++i) {
    const std::string c = tk::WideToGbk(std::wstring(1, sample[static_cast<size_t>(i) % sample.size()]));
    t.article += c;
    std::string typed = c;
    if (wrongEvery && i % wrongEvery == 0) typed[1] = static_cast<char>(typed[1] == '\xA1' ? '\xA2' : '\xA1');
    t.typed += typed;
    if (line && i % line == line - 1) {
      t.article += "\r\n";
      t.typed += "\r\n";
    }
  }
  return t;
}

// What Submit does before its message: count, compare, mark (the part in sight; the rest follows
// while the message loop runs), show the view, score and the result text. `allAtOnce`: the whole
// marking before returning, as the submission used to do it. Returns the time spent showing the
// view (its frame drawn, the typing area laid out again at its new height).
double SubmitWork(TForm1& form, bool allAtOnce) {
  const std::string typed = form.RichEdit2->GetText();
  const int typedChars = practice::CountChars(typed);
  const practice::Comparison comparison = practice::CompareWithView(*form.RichEdit1, typed);
  if (allAtOnce) practice::MarkArticle(*form.RichEdit1, comparison.marks);
  else form.ArticleMarking().Start(*form.RichEdit1, comparison.marks);
  const double showStart = Now();
  form.RichEdit1->Show();
  const double shown = Now() - showStart;
  const practice::Score score = practice::ComputeScore(
      {.typedChars = typedChars, .correctBytes = comparison.correctBytes, .seconds = 600, .articleChars = form.ArticleCharCount});
  volatile size_t length = practice::ResultText(score).size();
  (void)length;
  return shown;
}

// The message loop as the result message runs it, until the last mark is in.
void RunUntilMarked(TForm1& form) {
  MSG msg;
  while (form.ArticleMarking().Pending() && GetMessageW(&msg, nullptr, 0, 0)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

void RunPending() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

struct Median {
  double returns, shown, marked, allAtOnce;
};

std::string Figures(std::vector<double> ms) {
  std::sort(ms.begin(), ms.end());
  char line[96];
  std::snprintf(line, sizeof line, "%6.1f ms (%5.1f-%5.1f)", ms[ms.size() / 2], ms.front(), ms.back());
  return line;
}

double MedianOf(std::vector<double> ms) {
  std::sort(ms.begin(), ms.end());
  return ms[ms.size() / 2];
}

Median BenchSubmission(TForm1& form, const char* what, const Texts& texts, bool again) {
  std::vector<double> returns, shown, marked, allAtOnce;
  for (int round = 0; round < 14; ++round) {
    const bool whole = round % 2 == 1;
    form.RichEdit1->Hide();
    practice::SetPlainText(*form.RichEdit1, texts.article);
    form.RichEdit2->SetText(texts.typed);
    if (again) {
      SubmitWork(form, whole);
      RunUntilMarked(form);
    }
    RunPending();
    const double start = Now();
    const double showing = SubmitWork(form, whole);
    const double returned = Now();
    if (whole) {
      allAtOnce.push_back(returned - start);
      continue;
    }
    RunUntilMarked(form);
    returns.push_back(returned - start);
    shown.push_back(showing);
    marked.push_back(Now() - start);
  }
  std::printf("%-33s returns %s  of it showing %5.1f ms  marked %s  all at once %s\n", what,
              Figures(returns).c_str(), MedianOf(shown), Figures(marked).c_str(), Figures(allAtOnce).c_str());
  std::fflush(stdout);
  return {MedianOf(returns), MedianOf(shown), MedianOf(marked), MedianOf(allAtOnce)};
}

std::wstring WriteBenchFile(const std::wstring& name, const std::string& bytes, long long sparseSize = 0) {
  wchar_t dir[MAX_PATH];
  GetTempPathW(MAX_PATH, dir);
  const std::wstring path = std::wstring(dir) + name;
  HANDLE h = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  if (sparseSize) {
    LARGE_INTEGER size;
    size.QuadPart = sparseSize;
    SetFilePointerEx(h, size, nullptr, FILE_BEGIN);
    SetEndOfFile(h);
  }
  CloseHandle(h);
  return path;
}

void BenchLoad(TForm1& form, const std::string& what, const std::wstring& path) {
  std::vector<double> times;
  std::string outcome;
  for (int i = 0; i < 3; ++i) {
    const double start = Now();
    try {
      practice::PutArticle(*form.RichEdit1, practice::ReadArticleFile(tk::WideToGbk(path)));
      outcome = std::to_string(form.ArticleCharCount) + " chars";
    } catch (const std::exception&) {
      outcome = "refused";
    }
    times.push_back(Now() - start);
  }
  Report(std::string("load ") + what + " (" + outcome + ")", times);
  DeleteFileW(path.c_str());
}

std::string Rtf(int chars, int line) {
  std::string rtf = "{\\rtf1\\ansi\\ansicpg936{\\fonttbl{\\f0\\fcharset134 SimSun;}}\\f0 ";
  for (int i = 0; i < chars; ++i) {
    rtf += "\\'d6\\'d0";
    if (line && i % line == line - 1) rtf += "\\par\n";
  }
  return rtf + "}";
}

}  // namespace

int wmain() {
  tk::TApplication application;
  application.Initialize();
  application.SetTitle("Tolvane");
  tk::RegisterToolkitClasses();
  RegisterSkinDataClasses();
  auto* form = new TForm1(nullptr);
  form->Show();

  std::printf("submit 20,000 chars, medians (min-max) of 7: until Submit returns (compare, mark what is in sight, show the\n"
              "view, score) and how much of that is showing the view; until the last mark is in; and Submit with the whole\n"
              "marking before it returns (as before)\n");
  const Median typical = BenchSubmission(*form, "lines of 200, 1 in 20 wrong", MakeTexts(20000, 200, 20), false);
  BenchSubmission(*form, "lines of 200, all right", MakeTexts(20000, 200, 0), false);
  const Median worst = BenchSubmission(*form, "lines of 200, every other wrong", MakeTexts(20000, 200, 2), false);
  BenchSubmission(*form, "lines of 50, 1 in 20 wrong", MakeTexts(20000, 50, 20), false);
  BenchSubmission(*form, "one paragraph, all right", MakeTexts(20000, 0, 0), false);
  BenchSubmission(*form, "one paragraph, 1 in 20 wrong", MakeTexts(20000, 0, 20), false);
  const Median worstParagraph = BenchSubmission(*form, "one paragraph, every other wrong", MakeTexts(20000, 0, 2), false);
  BenchSubmission(*form, "second submission, lines of 200", MakeTexts(20000, 200, 20), true);
  // Every other character wrong makes a formatting run of each character: the worst case.
  std::printf("Submit returns: worst case (every other wrong) %.1f ms, typical (1 in 20 wrong) %.1f ms: %.2f times\n",
              worst.returns, typical.returns, worst.returns / typical.returns);
  std::printf("  without showing the view: worst case %.1f ms, typical %.1f ms\n", worst.returns - worst.shown,
              typical.returns - typical.shown);
  std::printf("marking complete: worst case %.1f ms, typical %.1f ms\n", worst.marked, typical.marked);
  std::printf("one paragraph, every other wrong: returns %.1f ms (%.2f times the typical case), complete %.1f ms\n",
              worstParagraph.returns, worstParagraph.returns / typical.returns, worstParagraph.marked);
  std::printf("all at once (as before): worst case %.1f ms, typical %.1f ms: %.2f times; one paragraph %.1f ms\n",
              worst.allAtOnce, typical.allAtOnce, worst.allAtOnce / typical.allAtOnce, worstParagraph.allAtOnce);
  std::printf("  without showing the view: worst case %.1f ms, typical %.1f ms\n", worst.allAtOnce - worst.shown,
              typical.allAtOnce - typical.shown);

  // Files of the largest size taken, and files a user may choose by mistake.
  const int kb = static_cast<int>(practice::kLargestArticleFile / 1024);
  const std::string size = std::to_string(kb) + " KB ";
  BenchLoad(*form, size + "GBK text, lines of 200", WriteBenchFile(L"bench-lines.txt", MakeTexts(kb * 508, 200, 0).article));
  BenchLoad(*form, size + "GBK text, one line", WriteBenchFile(L"bench-oneline.txt", MakeTexts(kb * 512, 0, 0).article));
  std::string ascii;
  for (int i = 0; i < kb * 1024; ++i) ascii += (i % 80 == 79) ? '\n' : (i % 6 == 0 ? ' ' : static_cast<char>('a' + i % 26));
  BenchLoad(*form, size + "ASCII text, Unix lines of 80", WriteBenchFile(L"bench-ascii.txt", ascii));
  BenchLoad(*form, "20,000 chars, one line", WriteBenchFile(L"bench-20k.txt", MakeTexts(20000, 0, 0).article));
  std::string binary(practice::kLargestArticleFile, '\0');
  for (size_t i = 0; i < binary.size(); ++i) binary[i] = static_cast<char>(((i * 2654435761u) >> 13) % 255 + 1);
  BenchLoad(*form, size + "binary file without NUL bytes", WriteBenchFile(L"bench-binary.txt", binary));
  BenchLoad(*form, "50 MB file", WriteBenchFile(L"bench-huge.txt", "", 50ll << 20));
  BenchLoad(*form, "RTF, 20,000 chars in lines of 200", WriteBenchFile(L"bench-rich.txt", Rtf(20000, 200)));
  BenchLoad(*form, "RTF, 20,000 chars in one paragraph", WriteBenchFile(L"bench-rich1.txt", Rtf(20000, 0)));
  BenchLoad(*form, "RTF, 60,000 chars in lines of 200", WriteBenchFile(L"bench-rich2.txt", Rtf(60000, 200)));
  BenchLoad(*form, "RTF of the largest size, ASCII text",
            WriteBenchFile(L"bench-rich3.txt", "{\\rtf1 " + std::string(practice::kLargestRichTextFile - 9, 'x') + "}"));
  tk::TComponent::Free(form);
  return 0;
}
