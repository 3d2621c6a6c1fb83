// Progress bars: nothing filled at the minimum, all at the maximum, the filled part ends at the
// proportional column, vertical bars fill from the bottom, chunks, and skins without the element.
#include <windows.h>
#include <commctrl.h>

#include "Ranges.h"
#include "RangesFixture.h"
#include "SkinProgress.h"

using namespace range_test;

namespace {

constexpr int BarW = 200, BarH = 20;

class ProgressTest : public RangesTest {
 protected:
  tk::TProgressBar* Bar(int low, int high, int position, bool vertical = false) {
    auto* bar = Place<tk::TProgressBar>(20, 20, vertical ? BarH : BarW, vertical ? BarW : BarH);
    if (vertical) bar->SetOrientation(tk::TProgressBarOrientation::pbVertical);
    bar->SetMin(low);
    bar->SetMax(high);
    bar->SetPosition(position);
    return bar;
  }
};

TEST(ProgressFill, ProportionalAndBoundedAtBothEndsAndForEmptyRanges) {
  EXPECT_EQ(TSkinProgress::FilledLength(200, 0, 0, 100), 0);
  EXPECT_EQ(TSkinProgress::FilledLength(200, 100, 0, 100), 200);
  EXPECT_EQ(TSkinProgress::FilledLength(200, 100, 0, 300), MulDiv(200, 100, 300));
  // A range that does not start at 0 counts from its minimum.
  EXPECT_EQ(TSkinProgress::FilledLength(200, 20, 20, 120), 0);
  EXPECT_EQ(TSkinProgress::FilledLength(200, 70, 20, 120), 100);
  EXPECT_EQ(TSkinProgress::FilledLength(200, 0, -10, 10), 100);
  // Below the minimum, past the maximum, an empty or upside-down range.
  EXPECT_EQ(TSkinProgress::FilledLength(200, -5, 0, 100), 0);
  EXPECT_EQ(TSkinProgress::FilledLength(200, 500, 0, 100), 200);
  EXPECT_EQ(TSkinProgress::FilledLength(200, 7, 7, 7), 0);
  EXPECT_EQ(TSkinProgress::FilledLength(200, 5, 10, 0), 0);
}

TEST_F(ProgressTest, AtTheMinimumNothingIsFilled) {
  Start();
  auto* bar = Bar(0, 100, 0);
  ASSERT_NE(SkinAs(TPainterKind::pkProgress, bar), nullptr);
  HWND wnd = bar->Handle();
  Redraw(wnd);
  EXPECT_EQ(At(wnd, 1, BarH / 2), ProgressColour(1));
  EXPECT_EQ(PixelNow(wnd, BarW / 2, BarH / 2), ProgressColour(1));
  EXPECT_EQ(PixelNow(wnd, BarW - 2, BarH / 2), ProgressColour(1));
}

TEST_F(ProgressTest, AtTheMaximumTheWholeBarIsFilled) {
  Start();
  auto* bar = Bar(0, 100, 100);
  ASSERT_NE(SkinAs(TPainterKind::pkProgress, bar), nullptr);
  HWND wnd = bar->Handle();
  Redraw(wnd);
  EXPECT_EQ(At(wnd, 1, BarH / 2), ProgressColour(2));
  EXPECT_EQ(PixelNow(wnd, BarW - 1, BarH / 2), ProgressColour(2));
}

TEST_F(ProgressTest, TheFilledPartEndsAtTheProportionalColumnAndFollowsTheSteps) {
  Start();
  auto* bar = Bar(0, 300, 100);
  ASSERT_NE(SkinAs(TPainterKind::pkProgress, bar), nullptr);
  HWND wnd = bar->Handle();
  Redraw(wnd);
  const int edge = MulDiv(BarW, 100, 300);
  EXPECT_EQ(At(wnd, edge - 1, BarH / 2), ProgressColour(2));
  EXPECT_EQ(PixelNow(wnd, edge, BarH / 2), ProgressColour(1));
  bar->SetPosition(150);
  UpdateWindow(wnd);
  EXPECT_EQ(At(wnd, BarW / 2 - 1, BarH / 2), ProgressColour(2));
  EXPECT_EQ(PixelNow(wnd, BarW / 2, BarH / 2), ProgressColour(1));
}

TEST_F(ProgressTest, AVerticalBarFillsFromTheBottom) {
  Start();
  auto* bar = Bar(0, 100, 50, true);
  ASSERT_NE(SkinAs(TPainterKind::pkProgress, bar), nullptr);
  HWND wnd = bar->Handle();
  ASSERT_EQ(ClientSize(wnd).cy, BarW);
  Redraw(wnd);
  EXPECT_EQ(At(wnd, BarH / 2, BarW - 2), ProgressColour(2));
  EXPECT_EQ(PixelNow(wnd, BarH / 2, BarW / 2), ProgressColour(2));
  EXPECT_EQ(PixelNow(wnd, BarH / 2, BarW / 2 - 1), ProgressColour(1));
  EXPECT_EQ(PixelNow(wnd, BarH / 2, 1), ProgressColour(1));
}

TEST_F(ProgressTest, ChunkStyleStretchesTheChunkOverTheFilledPartInsideTheFrame) {
  RangePartsOptions parts;
  parts.progressStyle = 1;
  Start(parts);
  auto* bar = Bar(0, 100, 50);
  ASSERT_NE(SkinAs(TPainterKind::pkProgress, bar), nullptr);
  HWND wnd = bar->Handle();
  Redraw(wnd);
  EXPECT_EQ(At(wnd, 1, BarH / 2), ProgressColour(1));  // the frame's edge, left of the inset
  EXPECT_EQ(PixelNow(wnd, 2 + BarW / 4, BarH / 2), ChunkColour(1));
  EXPECT_EQ(PixelNow(wnd, 2 + BarW / 2 - 1, BarH / 2), ChunkColour(1));
  EXPECT_EQ(PixelNow(wnd, 2 + BarW / 2 + 1, BarH / 2), ProgressColour(1));
  EXPECT_EQ(PixelNow(wnd, 2 + BarW / 4, 1), ProgressColour(1));  // above the chunks
}

TEST_F(ProgressTest, TiledChunksRepeatUpToTheFilledPart) {
  RangePartsOptions parts;
  parts.progressStyle = 1;
  parts.chunkTile = 1;
  Start(parts);
  auto* bar = Bar(0, 100, 100);
  ASSERT_NE(SkinAs(TPainterKind::pkProgress, bar), nullptr);
  HWND wnd = bar->Handle();
  Redraw(wnd);
  EXPECT_EQ(At(wnd, BarW / 2, BarH / 2), ChunkColour(1));
  EXPECT_EQ(PixelNow(wnd, BarW - 1, BarH / 2), ProgressColour(1));  // the chunks stay inside the frame
}

TEST_F(ProgressTest, AnEmptyRangeFillsNothingAndDoesNotFail) {
  Start();
  auto* bar = Bar(0, 100, 0);
  ASSERT_NE(SkinAs(TPainterKind::pkProgress, bar), nullptr);
  HWND wnd = bar->Handle();
  SendMessageW(wnd, PBM_SETRANGE32, 40, 40);
  SendMessageW(wnd, PBM_SETPOS, 40, 0);
  Redraw(wnd);
  EXPECT_EQ(At(wnd, BarW / 2, BarH / 2), ProgressColour(1));
}

TEST_F(ProgressTest, WithoutTheElementTheBarPaintsItself) {
  RangePartsOptions parts;
  parts.progress = false;
  Start(parts);
  auto* bar = Bar(0, 100, 100);
  ASSERT_NE(SkinAs(TPainterKind::pkProgress, bar), nullptr);
  HWND wnd = bar->Handle();
  Redraw(wnd);
  const COLORREF own = At(wnd, BarW / 2, BarH / 2);
  EXPECT_NE(own, ProgressColour(2));
  EXPECT_NE(own, Face());
}

TEST_F(ProgressTest, ABareProgressWindowIsPaintedToo) {
  Start();
  HWND wnd = CreateWindowExW(0, PROGRESS_CLASSW, L"", WS_CHILD | WS_VISIBLE, 20, 200, BarW, BarH, Wnd(), nullptr,
                             GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(wnd, nullptr);
  SendMessageW(wnd, PBM_SETRANGE32, 0, 100);
  SendMessageW(wnd, PBM_SETPOS, 100, 0);
  ASSERT_NE(SkinWindowAs(TPainterKind::pkProgress, wnd, Painter(), skin, &Painter()->PainterCanvas), nullptr);
  Redraw(wnd);
  EXPECT_EQ(At(wnd, BarW / 2, BarH / 2), ProgressColour(2));
  DestroyWindow(wnd);
}

}  // namespace
