// The arithmetic of the bars: thumbs of scroll bar controls, hit-testing, the dragged thumb, and
// the drop-down list's thumb drag.
#include <gtest/gtest.h>

#include "ScrollBarGeometry.h"

namespace {

constexpr int Arrow = 16;

TEST(ControlThumb, PageThumbOfSevenPixelsOrLessGrowsToEight) {
  // 168 track pixels, page 2 of 100: 2 pixels by the proportion.
  const TThumbSpan atMin = ControlThumb(200, Arrow, 0, 100, 2, 0, true);
  EXPECT_EQ(atMin.Start, Arrow);
  EXPECT_EQ(atMin.End - atMin.Start, 8);
  const TThumbSpan middle = ControlThumb(200, Arrow, 0, 100, 2, 50, true);
  EXPECT_EQ(middle.Start, Arrow + 80);  // spread over the track less the 8 pixels
  EXPECT_EQ(middle.End, middle.Start + 8);
}

TEST(ControlThumb, PressGeometryKeepsTheProportionalThumb) {
  const TThumbSpan press = ControlThumb(200, Arrow, 0, 100, 2, 50, false);
  EXPECT_EQ(press.End - press.Start, 2);
  EXPECT_EQ(press.Start, Arrow + 84);
}

TEST(ControlThumb, LargePageGivesProportionalThumb) {
  const TThumbSpan thumb = ControlThumb(200, Arrow, 0, 100, 20, 40, true);
  EXPECT_EQ(thumb.End - thumb.Start, MulDiv(168, 19, 100));
  EXPECT_EQ(thumb.Start, Arrow + MulDiv(168, 40, 100));
}

TEST(ControlThumb, NoPageGivesArrowSizedThumbFromArrowToArrow) {
  const TThumbSpan first = ControlThumb(200, Arrow, 0, 100, 0, 0, true);
  EXPECT_EQ(first.Start, Arrow);
  EXPECT_EQ(first.End, 2 * Arrow);
  const TThumbSpan last = ControlThumb(200, Arrow, 0, 100, 0, 100, true);
  EXPECT_EQ(last.End, 200 - Arrow);
  EXPECT_EQ(last.End - last.Start, Arrow);
}

TEST(ControlThumb, EmptyRangeDoesNotDivideByZero) {
  const TThumbSpan thumb = ControlThumb(200, Arrow, 5, 5, 0, 5, true);
  EXPECT_EQ(thumb.Start, Arrow);
  const TThumbSpan press = ControlThumb(200, Arrow, 5, 5, 3, 5, false);
  EXPECT_GE(press.Start, Arrow);
  EXPECT_GE(press.End, press.Start);
}

TEST(HitTestBar, VerticalBarAlongItsHeight) {
  // Thumb 83..115 on a 200-pixel bar.
  const int expected[][2] = {{0, spFirstArrow},   {15, spFirstArrow},  {16, spTrackBefore}, {82, spTrackBefore},
                             {83, spThumb},       {114, spThumb},      {115, spTrackAfter}, {183, spTrackAfter},
                             {184, spSecondArrow}, {199, spSecondArrow}};
  for (const auto& [along, part] : expected) EXPECT_EQ(HitTestBar(along, Arrow, 83, 115, 200), part) << "at " << along;
}

TEST(FollowThumb, KeepsLengthAndStaysBetweenTheArrows) {
  const TThumbSpan old{40, 60};
  const TThumbSpan moved = FollowThumb(old, 40, 25, Arrow, 200);
  EXPECT_EQ(moved.Start, 65);
  EXPECT_EQ(moved.End, 85);
  const TThumbSpan down = FollowThumb(old, 40, 1000, Arrow, 200);
  EXPECT_EQ(down.End, 200 - Arrow);
  EXPECT_EQ(down.End - down.Start, 20);
  const TThumbSpan up = FollowThumb(old, 40, -1000, Arrow, 200);
  EXPECT_EQ(up.Start, Arrow);
  EXPECT_EQ(up.End, Arrow + 20);
}

TEST(DraggedListPosition, DragToTheBottomEndsAtMaxMinusPagePlusOne) {
  // 100 items, 10 in view, a 100-pixel track with a 10-pixel thumb.
  EXPECT_EQ(DraggedListPosition(1000, 100, 10, 0, 99, 10), 99 - 10 + 1);
  EXPECT_EQ(DraggedListPosition(90, 100, 10, 0, 99, 10), 99 - 10 + 1);
}

TEST(DraggedListPosition, DragAboveTheTrackStaysAtMin) {
  EXPECT_EQ(DraggedListPosition(-30, 100, 10, 0, 99, 10), 0);
  EXPECT_EQ(DraggedListPosition(0, 100, 10, 3, 99, 10), 3);
}

TEST(DraggedListPosition, PositionGrowsWithTheDrag) {
  int previous = -1;
  for (int offset = 0; offset <= 100; ++offset) {
    const int position = DraggedListPosition(offset, 100, 10, 0, 99, 10);
    EXPECT_GE(position, previous) << "at " << offset;
    EXPECT_LE(position, 90);
    previous = position;
  }
}

TEST(DraggedListPosition, WithoutPageNeverPassesMax) {
  for (int offset = 0; offset <= 200; offset += 5) EXPECT_LE(DraggedListPosition(offset, 100, 16, 0, 50, 0), 50);
  EXPECT_EQ(DraggedListPosition(42, 100, 16, 0, 50, 0), MulDiv(42, 50, 100));
}

TEST(ArrowFrames, NormalPressedHotPerArrow) {
  EXPECT_EQ(ArrowFramesFor(true).First, 9);
  EXPECT_EQ(ArrowFramesFor(true).Second, 13);
  EXPECT_EQ(ArrowFramesFor(false).First, 1);
  EXPECT_EQ(ArrowFramesFor(false).Second, 5);
  EXPECT_EQ(ArrowFrame(13, true, true), 14);
  EXPECT_EQ(ArrowFrame(13, true, false), 16);
  EXPECT_EQ(ArrowFrame(13, false, true), 13);
}

}  // namespace
