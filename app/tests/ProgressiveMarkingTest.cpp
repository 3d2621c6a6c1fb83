// A submission's marks reaching the article view in pieces: the part in sight before Submit
// returns, the rest while the message loop runs; and everything that may happen in between.
#include "ArticleMarking.h"
#include "Encoding.h"
#include "KeptView.h"
#include "PracticeCommands.h"
#include "PracticeWindowFixture.h"
#include "ProgressiveMarking.h"
#include "RichEditContent.h"
#include "RichEditProbe.h"
#include "ViewComparison.h"

using practice::testing::ColourAt;
using practice::testing::Command;
using practice::testing::kAutomatic;
using practice::testing::Press;
using tk::testing::DialogWatcher;
using tk::testing::Gbk;
using tk::testing::PumpMessages;
using tk::testing::PumpUntil;

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlack = RGB(0, 0, 0);

// While alive, timer messages of the toolkit's timers reach nobody: pieces of a marking wait.
class HeldTimers {
 public:
  HeldTimers() : hook_(SetWindowsHookExW(WH_GETMESSAGE, &Hold, nullptr, GetCurrentThreadId())) {}
  ~HeldTimers() { Release(); }
  void Release() {
    if (hook_) UnhookWindowsHookEx(hook_);
    hook_ = nullptr;
  }

 private:
  static LRESULT CALLBACK Hold(int code, WPARAM wParam, LPARAM lParam) {
    auto* msg = reinterpret_cast<MSG*>(lParam);
    if (code == HC_ACTION && msg->message == WM_TIMER && IsToolkitTimer(msg->hwnd)) msg->message = WM_NULL;
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }
  static bool IsToolkitTimer(HWND wnd) {
    wchar_t name[64] = {};
    GetClassNameW(wnd, name, 64);
    return std::wstring(name) == L"TolvaneTimerWindow";
  }
  HHOOK hook_;
};

int TimerWindowCount() {
  int n = 0;
  for (HWND w = FindWindowExW(HWND_MESSAGE, nullptr, L"TolvaneTimerWindow", nullptr); w;
       w = FindWindowExW(HWND_MESSAGE, w, L"TolvaneTimerWindow", nullptr))
    ++n;
  return n;
}

// `chars` Chinese characters in lines of `line`; the typed copy has every `wrongEvery`-th one
// wrong (every other: a formatting run per character).
struct Texts {
  std::string article, typed;
};
Texts MakeTexts(int chars, int wrongEvery = 2, int line = 200) {
  const std::string right = Gbk("文"), wrong = Gbk("问");
  Texts t;
  for (int i = 0; i < chars; ++i) {
    t.article += right;
    t.typed += i % wrongEvery == 0 ? wrong : right;
    if (line && i % line == line - 1) {
      t.article += "\r\n";
      t.typed += "\r\n";
    }
  }
  return t;
}

class ProgressiveMarkingTest : public PracticeWindowTest {
 protected:
  void SetUp() override {
    PracticeWindowTest::SetUp();
    timerWindowsWithoutForm = TimerWindowCount();
    ShowForm();
  }
  HWND View() { return form->RichEdit1->Handle(); }
  std::vector<COLORREF> Colours() {
    // Selecting each character would scroll the view to it, and tell the form: kept still and quiet.
    practice::QuietRichEdit quiet(View());
    practice::KeptView kept(View(), {});
    std::vector<COLORREF> colours;
    const int n = form->RichEdit1->GetTextLen();
    for (int p = 0; p < n; ++p) colours.push_back(ColourAt(View(), p));
    return colours;
  }
  // The colours the marking of `typed` gives when written all at once, and the view's first line.
  struct ViewPlace {
    int firstLine, selStart, selLength;
    bool operator==(const ViewPlace&) const = default;
  };
  ViewPlace Place() {
    return {static_cast<int>(form->RichEdit1->Perform(EM_GETFIRSTVISIBLELINE)), form->RichEdit1->SelStart(),
            form->RichEdit1->SelLength()};
  }
  std::vector<COLORREF> AllAtOnce(const Texts& t, ViewPlace* place = nullptr) {
    form->RichEdit1->SetText(t.article);
    practice::MarkArticle(*form->RichEdit1, practice::CompareWithView(*form->RichEdit1, t.typed).marks);
    if (place) *place = Place();
    std::vector<COLORREF> colours = Colours();
    form->RichEdit1->SetText(std::string());
    return colours;
  }
  void Start(const Texts& t) {
    form->RichEdit1->SetText(t.article);
    Press(form->BitBtn1);
  }
  void Submit(const std::string& typed) {
    form->RichEdit2->SetText(typed);
    form->Label4->SetCaption("60");
    Press(form->BitBtn2);
  }
  bool Pending() { return form->ArticleMarking().Pending(); }
  bool PumpUntilMarked() {
    return PumpUntil([&] { return !Pending(); }, 20000);
  }
  // The positions of the lines the view shows.
  practice::PositionRange LinesInSight() {
    const int first = static_cast<int>(form->RichEdit1->Perform(EM_GETFIRSTVISIBLELINE));
    const int lines = static_cast<int>(form->RichEdit1->Perform(EM_GETLINECOUNT));
    // The view is 200 pixels high, its lines some 18: ten lines are in sight.
    const int last = std::min(first + 10, lines);
    const int from = static_cast<int>(form->RichEdit1->Perform(EM_LINEINDEX, first));
    const int to = last < lines ? static_cast<int>(form->RichEdit1->Perform(EM_LINEINDEX, last))
                                : form->RichEdit1->GetTextLen();
    return {from, to};
  }
  DialogWatcher watcher;
  int timerWindowsWithoutForm = 0;
};

TEST_F(ProgressiveMarkingTest, TheMarksEndAsTheyWouldAllAtOnce) {
  const Texts t = MakeTexts(16000);
  ViewPlace expectedPlace{};
  const std::vector<COLORREF> expected = AllAtOnce(t, &expectedPlace);
  Start(t);
  Submit(t.typed);
  ASSERT_TRUE(PumpUntilMarked());
  EXPECT_TRUE(Colours() == expected);
  EXPECT_TRUE(form->RichEdit1->GetText() == t.article);
  // Where Submit left the view: the last mark selected and in sight.
  EXPECT_EQ(Place(), expectedPlace);
}

TEST_F(ProgressiveMarkingTest, TheLinesInSightAreMarkedBeforeSubmitReturns) {
  const Texts t = MakeTexts(8000);
  const std::vector<COLORREF> expected = AllAtOnce(t);
  Start(t);
  HeldTimers held;
  Submit(t.typed);
  ASSERT_EQ(watcher.Count(), 1u);  // the result was shown, and nothing marked since
  ASSERT_TRUE(Pending());
  const practice::PositionRange sight = LinesInSight();
  ASSERT_GT(sight.to - sight.from, 300);
  EXPECT_EQ(sight.to, form->RichEdit1->GetTextLen());
  for (int p = sight.from; p < sight.to; ++p) ASSERT_EQ(ColourAt(View(), p), expected[p]) << "position " << p;
  // Far above, nothing yet.
  for (int p = 0; p < 1000; ++p) ASSERT_EQ(ColourAt(View(), p), kAutomatic) << "position " << p;
  held.Release();
  ASSERT_TRUE(PumpUntilMarked());
  EXPECT_TRUE(Colours() == expected);
}

TEST_F(ProgressiveMarkingTest, TheViewStaysWhereTheUserPutItWhileThePiecesGoIn) {
  const Texts t = MakeTexts(8000);
  Start(t);
  HeldTimers held;
  Submit(t.typed);
  ASSERT_TRUE(Pending());
  // The user scrolls to the top and selects a word there.
  form->RichEdit1->Perform(WM_VSCROLL, SB_TOP);
  form->RichEdit1->Select(5, 3);
  PumpMessages(100);
  ASSERT_EQ(form->RichEdit1->Perform(EM_GETFIRSTVISIBLELINE), 0);
  held.Release();
  ASSERT_TRUE(PumpUntilMarked());
  EXPECT_EQ(form->RichEdit1->Perform(EM_GETFIRSTVISIBLELINE), 0);
  EXPECT_EQ(form->RichEdit1->SelStart(), 5);
  EXPECT_EQ(form->RichEdit1->SelLength(), 3);
  // And the marks that arrived there are on the screen: red pixels in the view.
  PumpMessages(100);
  RECT r;
  GetWindowRect(View(), &r);
  HDC screen = GetDC(nullptr);
  int red = 0;
  for (LONG y = r.top + 4; y < r.top + 60; ++y)
    for (LONG x = r.left + 4; x < r.left + 300; ++x) {
      const COLORREF c = GetPixel(screen, x, y);
      if (GetRValue(c) > 200 && GetGValue(c) < 80 && GetBValue(c) < 80) ++red;
    }
  ReleaseDC(nullptr, screen);
  EXPECT_GT(red, 50);
}

TEST_F(ProgressiveMarkingTest, ASecondSubmissionCompletesTheFirstMarkingAndKeepsItsOtherMarks) {
  const Texts t = MakeTexts(8000);
  // The second time only the first 300 characters are typed, all of them right.
  const std::string secondTyped = t.article.substr(0, 300 * 2 + 2);
  form->RichEdit1->SetText(t.article);
  practice::MarkArticle(*form->RichEdit1, practice::CompareWithView(*form->RichEdit1, t.typed).marks);
  practice::MarkArticle(*form->RichEdit1, practice::CompareWithView(*form->RichEdit1, secondTyped).marks);
  const std::vector<COLORREF> expected = Colours();
  form->RichEdit1->SetText(std::string());

  Start(t);
  HeldTimers held;
  Submit(t.typed);
  ASSERT_TRUE(Pending());
  Submit(secondTyped);
  EXPECT_FALSE(Pending());
  held.Release();
  PumpMessages(100);
  EXPECT_TRUE(Colours() == expected);
}

TEST_F(ProgressiveMarkingTest, StartCompletesThePendingMarks) {
  const Texts t = MakeTexts(8000);
  const std::vector<COLORREF> expected = AllAtOnce(t);
  Start(t);
  HeldTimers held;
  Submit(t.typed);
  ASSERT_TRUE(Pending());
  Press(form->BitBtn1);
  EXPECT_FALSE(Pending());
  EXPECT_FALSE(form->RichEdit1->Visible());
  EXPECT_TRUE(Colours() == expected);
}

TEST_F(ProgressiveMarkingTest, ANewArticleEndsThePendingMarksAndStaysUnmarked) {
  const Texts t = MakeTexts(8000);
  Start(t);
  HeldTimers held;
  Submit(t.typed);
  ASSERT_TRUE(Pending());
  Command(form, form->N2);  // opening the sample menu
  form->N7->Click();
  EXPECT_FALSE(Pending());
  held.Release();
  PumpMessages(200);
  EXPECT_EQ(form->RichEdit1->GetText(), Gbk("范例文章02"));
  EXPECT_EQ(Colours(), std::vector<COLORREF>(6, kAutomatic));
}

TEST_F(ProgressiveMarkingTest, ATextChangedAnyOtherWayGetsNoStaleMarks) {
  const Texts t = MakeTexts(8000);
  Start(t);
  HeldTimers held;
  Submit(t.typed);
  ASSERT_TRUE(Pending());
  // Straight into the window, past the form's handlers.
  const Texts other = MakeTexts(8000, 2, 100);
  form->RichEdit1->OnChange = nullptr;
  form->RichEdit1->SetText(other.article);
  held.Release();
  PumpMessages(300);
  EXPECT_FALSE(Pending());
  EXPECT_TRUE(form->RichEdit1->GetText() == other.article);
  const std::vector<COLORREF> colours = Colours();
  EXPECT_EQ(std::count(colours.begin(), colours.end(), kRed), 0);
}

TEST_F(ProgressiveMarkingTest, FreeingTheWindowWithMarksPendingLeavesNothingBehind) {
  const Texts t = MakeTexts(8000);
  Start(t);
  HeldTimers held;
  Submit(t.typed);
  ASSERT_TRUE(Pending());
  tk::TComponent::Free(form);
  form = nullptr;
  held.Release();
  PumpMessages(200);
  EXPECT_EQ(TimerWindowCount(), timerWindowsWithoutForm);
}

TEST_F(ProgressiveMarkingTest, AShortArticleIsMarkedWholeBeforeSubmitReturns) {
  const Texts t = MakeTexts(1500);
  const std::vector<COLORREF> expected = AllAtOnce(t);
  Start(t);
  HeldTimers held;
  Submit(t.typed);
  EXPECT_FALSE(Pending());
  EXPECT_TRUE(Colours() == expected);
  EXPECT_EQ(std::count(expected.begin(), expected.end(), kRed), 750);
  EXPECT_GE(std::count(expected.begin(), expected.end(), kBlack), 750);
}

}  // namespace
