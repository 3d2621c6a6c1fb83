// Readings through the COM object: event order and positions, pacing, pause, stop, replacement.
#include <algorithm>

#include "ComponentFixture.h"

namespace tts::testing {
namespace {

using Clock = std::chrono::steady_clock;

std::vector<std::pair<LONG, LONG>> ExpectedWords(const std::wstring& text) {
  std::vector<std::pair<LONG, LONG>> out;
  for (size_t i = 0; i < text.size(); ++i)
    if (IsWordCharacter(static_cast<char16_t>(text[i]))) out.emplace_back(static_cast<LONG>(i), 1);
  return out;
}

std::vector<std::pair<LONG, LONG>> WordsOf(const std::vector<RecordedEvent>& events) {
  std::vector<std::pair<LONG, LONG>> out;
  for (const auto& e : events)
    if (e.id == kWord) out.emplace_back(e.a, e.b);
  return out;
}

TEST_F(ComponentTest, AReadingTellsStartSentencesWordsProgressAndEndInOrder) {
  std::wstring text = L"今天天气很好。我们去公园！";
  ASSERT_EQ(Speak(text), S_OK);
  ASSERT_TRUE(WaitForEnd());
  const auto& ev = recorder.events;
  EXPECT_EQ(ev.front().id, kStart);
  EXPECT_EQ(ev.back().id, kEnd);
  EXPECT_EQ(recorder.Count(kStart), 1u);
  EXPECT_EQ(WordsOf(ev), ExpectedWords(text));
  auto sentences = recorder.Of(kSentence);
  ASSERT_EQ(sentences.size(), 2u);
  EXPECT_EQ(sentences[0].a, 0);
  EXPECT_EQ(sentences[0].b, 7);
  EXPECT_EQ(sentences[1].a, 7);
  EXPECT_EQ(sentences[1].b, 6);
  // Each sentence is told before its first word.
  auto firstWordOfSecond = std::find_if(ev.begin(), ev.end(), [](const RecordedEvent& e) { return e.id == kWord && e.a == 7; });
  auto second = std::find_if(ev.begin(), ev.end(), [](const RecordedEvent& e) { return e.id == kSentence && e.a == 7; });
  EXPECT_LT(second, firstWordOfSecond);
  auto progress = recorder.Of(kProgress);
  ASSERT_FALSE(progress.empty());
  EXPECT_EQ(progress.back().a, 100);
  EXPECT_TRUE(std::is_sorted(progress.begin(), progress.end(),
                             [](const RecordedEvent& x, const RecordedEvent& y) { return x.a < y.a; }));
}

TEST_F(ComponentTest, EventsArriveOnTheCreatingThread) {
  ASSERT_EQ(Speak(L"一二三"), S_OK);
  ASSERT_TRUE(WaitForEnd());
  for (const auto& e : recorder.events) EXPECT_EQ(e.thread, GetCurrentThreadId());
}

TEST_F(ComponentTest, WordsAreToldWhenTheyAreHeard) {
  // 50 ms per word on the silent clock.
  auto begin = Clock::now();
  ASSERT_EQ(Speak(L"一二三四五六七八九十"), S_OK);
  ASSERT_TRUE(WaitForEnd());
  auto words = recorder.Of(kWord);
  ASSERT_EQ(words.size(), 10u);
  for (size_t i = 0; i < words.size(); ++i) {
    double at = std::chrono::duration<double, std::milli>(words[i].at - begin).count();
    EXPECT_GE(at, 50.0 * i - 5) << i;  // never before its audio
  }
  double total = std::chrono::duration<double, std::milli>(recorder.events.back().at - begin).count();
  EXPECT_GE(total, 500.0 - 5);
}

TEST_F(ComponentTest, SpeakReturnsAtOnceAndReadsInTheBackground) {
  ASSERT_EQ(Speak(L"一二三四五六七八九十一二三四五六七八九十"), S_OK);
  VARIANT_BOOL speaking = VARIANT_FALSE;
  tts->IsSpeaking(&speaking);
  EXPECT_EQ(speaking, VARIANT_TRUE);
  EXPECT_FALSE(recorder.Has(kEnd));
  ASSERT_TRUE(WaitForEnd());
  tts->IsSpeaking(&speaking);
  EXPECT_EQ(speaking, VARIANT_FALSE);
}

TEST_F(ComponentTest, PauseHoldsTheWordsAndResumeGoesOnFromThere) {
  std::wstring text = L"一二三四五六七八九十一二三四五六七八九十";
  ASSERT_EQ(Speak(text), S_OK);
  ASSERT_TRUE(WaitForWords(4));
  ASSERT_EQ(tts->Pause(), S_OK);
  VARIANT_BOOL paused = VARIANT_FALSE;
  tts->IsPaused(&paused);
  EXPECT_EQ(paused, VARIANT_TRUE);
  Pump(100);  // what was heard before the pause may still be on its way
  size_t atPause = recorder.Count(kWord);
  Pump(600);
  EXPECT_EQ(recorder.Count(kWord), atPause);
  EXPECT_FALSE(recorder.Has(kEnd));
  ASSERT_EQ(tts->Resume(), S_OK);
  ASSERT_TRUE(WaitForEnd());
  EXPECT_EQ(WordsOf(recorder.events), ExpectedWords(text));  // nothing skipped, nothing twice
}

TEST_F(ComponentTest, ResumeWithoutPauseAndPauseWhenIdleAreHarmless) {
  EXPECT_EQ(tts->Resume(), S_OK);
  EXPECT_EQ(tts->Pause(), S_OK);
  EXPECT_EQ(tts->Resume(), S_OK);
  ASSERT_EQ(Speak(L"一二三"), S_OK);
  EXPECT_EQ(tts->Resume(), S_OK);
  ASSERT_TRUE(WaitForEnd());
  EXPECT_EQ(recorder.Count(kWord), 3u);
}

TEST_F(ComponentTest, StopEndsTheReading) {
  ASSERT_EQ(Speak(L"一二三四五六七八九十一二三四五六七八九十"), S_OK);
  ASSERT_TRUE(WaitForWords(2));
  ASSERT_EQ(tts->Stop(), S_OK);
  ASSERT_TRUE(WaitForEnd());
  size_t words = recorder.Count(kWord);
  Pump(400);
  EXPECT_EQ(recorder.Count(kWord), words);
  EXPECT_LT(words, 20u);
  EXPECT_EQ(recorder.Count(kEnd), 1u);
  EXPECT_EQ(recorder.events.back().id, kEnd);
  VARIANT_BOOL speaking = VARIANT_TRUE;
  tts->IsSpeaking(&speaking);
  EXPECT_EQ(speaking, VARIANT_FALSE);
  EXPECT_EQ(tts->Stop(), S_OK);  // again: nothing happens
  Pump(100);
  EXPECT_EQ(recorder.Count(kEnd), 1u);
}

TEST_F(ComponentTest, SpeakDuringAReadingReplacesIt) {
  ASSERT_EQ(Speak(L"一二三四五六七八九十一二三四五六七八九十"), S_OK);
  ASSERT_TRUE(WaitForWords(2));
  std::wstring second = L"甲乙丙";
  ASSERT_EQ(Speak(second), S_OK);
  ASSERT_TRUE(WaitForEnd(2));
  Pump(200);
  const auto& ev = recorder.events;
  ASSERT_EQ(recorder.Count(kStart), 2u);
  ASSERT_EQ(recorder.Count(kEnd), 2u);
  // start, ..., end (first), start, ..., end (second)
  auto secondStart = std::find_if(ev.begin() + 1, ev.end(), [](const RecordedEvent& e) { return e.id == kStart; });
  EXPECT_EQ((secondStart - 1)->id, kEnd);
  std::vector<RecordedEvent> after(secondStart, ev.end());
  EXPECT_EQ(WordsOf(after), ExpectedWords(second));
}

TEST_F(ComponentTest, EmptyTextStartsAndEnds) {
  ASSERT_EQ(Speak(L""), S_OK);
  ASSERT_TRUE(WaitForEnd());
  EXPECT_EQ(recorder.events.front().id, kStart);
  EXPECT_EQ(recorder.Count(kWord), 0u);
  ASSERT_EQ(tts->Speak(nullptr, 0), S_OK);  // a null BSTR is the empty text
  ASSERT_TRUE(WaitForEnd(2));
}

TEST_F(ComponentTest, HugeTextIsReadPieceByPiece) {
  std::wstring text(5 * 1024 * 1024, L'字');  // 10 MB of UTF-16
  ASSERT_EQ(Speak(text), S_OK);
  ASSERT_TRUE(WaitForWords(3));
  // Synthesis stays a few seconds ahead of the listener, not the whole article ahead.
  EXPECT_LT(engine->CharactersRequested(), 1000u);
  ASSERT_EQ(tts->Stop(), S_OK);
  ASSERT_TRUE(WaitForEnd());
}

TEST_F(ComponentTest, EngineFailureMidReadingStillEndsTheReading) {
  engine->FailOnPiece(2);
  ASSERT_EQ(Speak(L"一二三。四五六。七八九。"), S_OK);
  ASSERT_TRUE(WaitForEnd());
  EXPECT_EQ(recorder.Count(kWord), 3u);  // the first piece was heard
  // The next reading works again.
  ASSERT_EQ(Speak(L"甲乙"), S_OK);
  ASSERT_TRUE(WaitForEnd(2));
  EXPECT_EQ(recorder.Count(kWord), 5u);
}

TEST_F(ComponentTest, HandlerMayStopOrSpeakInsideAnEvent) {
  bool spoke = false;
  recorder.onEvent = [&](const RecordedEvent& e) {
    if (e.id == kWord && e.a == 1) tts->Stop();
    if (e.id == kEnd && !spoke) {
      spoke = true;
      tts->Speak(Bstr(L"乙"), 0);
    }
  };
  ASSERT_EQ(Speak(L"一二三四五六七八九十"), S_OK);
  ASSERT_TRUE(WaitForEnd(2));
  EXPECT_EQ(recorder.Count(kStart), 2u);
  EXPECT_EQ(recorder.events.back().id, kEnd);
}

TEST_F(ComponentTest, ReleasingTheObjectDuringAReadingStopsItCleanly) {
  ASSERT_EQ(Speak(L"一二三四五六七八九十一二三四五六七八九十"), S_OK);
  ASSERT_TRUE(WaitForWords(1));
  recorder.Disconnect();
  tts->Release();
  tts = nullptr;
  Pump(200);  // nothing left to deliver to
}

TEST_F(ComponentTest, UnadvisedSinksHearNothing) {
  recorder.Disconnect();
  ASSERT_EQ(Speak(L"一二"), S_OK);
  Pump(400);
  EXPECT_TRUE(recorder.events.empty());
}

}  // namespace
}  // namespace tts::testing
