// The order of a marking: what is marked at once, the pieces after it, and where they are cut.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "MarkingPlan.h"

using namespace practice;

namespace {

// `chars` characters in lines of `line` (0: one paragraph), CR LF between lines.
std::u16string Lines(int chars, int line) {
  std::u16string text;
  for (int i = 0; i < chars; ++i) {
    text += u'\u6587';
    if (line && i % line == line - 1) text += u"\r\n";
  }
  return text;
}

bool StartsLine(const std::u16string& text, int p) { return p >= 2 && text.substr(p - 2, 2) == u"\r\n"; }

int LineEnd(const std::u16string& text, int p) {
  while (p + 1 < static_cast<int>(text.size()) && text.substr(p, 2) != u"\r\n") ++p;
  return p + 1 < static_cast<int>(text.size()) ? p : static_cast<int>(text.size());
}

// Writes the plan in its order: every marked position is written, nothing outside the marked
// range, no range is empty, and none goes in front of marked text of its own paragraph.
void ExpectGoodOrder(const std::u16string& text, const MarkingPlan& plan, PositionRange marked) {
  std::vector<bool> written(text.size());
  std::vector<PositionRange> order;
  if (!plan.now.Empty()) order.push_back(plan.now);
  order.insert(order.end(), plan.later.begin(), plan.later.end());
  for (const PositionRange& r : order) {
    ASSERT_FALSE(r.Empty());
    ASSERT_GE(r.from, marked.from);
    ASSERT_LE(r.to, marked.to);
    if (!StartsLine(text, r.to))
      for (int q = r.to; q < LineEnd(text, r.to); ++q) ASSERT_FALSE(written[q]) << "piece " << r.from << ".." << r.to;
    for (int q = r.from; q < r.to; ++q) written[q] = true;
  }
  for (int q = marked.from; q < marked.to; ++q) ASSERT_TRUE(written[q]) << "position " << q;
}

}  // namespace

TEST(MarkingPlan, AShortMarkingIsDoneAtOnce) {
  const std::u16string text = Lines(1500, 200);
  const MarkingPlan plan = PlanMarking(text, {3, 1400}, {900, 1500});
  EXPECT_EQ(plan.now, (PositionRange{3, 1400}));
  EXPECT_TRUE(plan.later.empty());
}

TEST(MarkingPlan, MarksJustBeyondTheMarginAreMarkedAtOnceToo) {
  const std::u16string text = Lines(1500, 0);
  const MarkingPlan plan = PlanMarking(text, {0, 1500}, {1000, 1500});
  EXPECT_EQ(plan.now, (PositionRange{0, 1500}));
  EXPECT_TRUE(plan.later.empty());
}

TEST(MarkingPlan, NothingMarkedPlansNothing) {
  const MarkingPlan plan = PlanMarking(Lines(100, 0), {5, 5}, {0, 100});
  EXPECT_TRUE(plan.now.Empty());
  EXPECT_TRUE(plan.later.empty());
}

TEST(MarkingPlan, TheShownPartAndAMarginOnEitherSideComeFirst) {
  const std::u16string text = Lines(20000, 200);
  const int length = static_cast<int>(text.size());
  const PositionRange marked{0, length};
  const PositionRange shown{10000, 10600};
  const MarkingPlan plan = PlanMarking(text, marked, shown);
  EXPECT_LE(plan.now.from, shown.from - kLeastMargin);
  EXPECT_GE(plan.now.to, shown.to + kLeastMargin);
  EXPECT_LT(plan.now.to - plan.now.from, 3 * kLeastMargin);
  ExpectGoodOrder(text, plan, marked);
}

TEST(MarkingPlan, AWideViewGetsAMarginOfItsOwnSize) {
  const std::u16string text = Lines(20000, 200);
  const PositionRange shown{8000, 11000};
  const MarkingPlan plan = PlanMarking(text, {0, static_cast<int>(text.size())}, shown);
  // Out to the line ends nearby.
  EXPECT_LE(plan.now.from, 5000);
  EXPECT_GT(plan.now.from, 5000 - 203);
  EXPECT_GE(plan.now.to, 14000);
  EXPECT_LT(plan.now.to, 14000 + 203);
}

TEST(MarkingPlan, PiecesFollowNearestFirstBelowThenAbove) {
  const std::u16string text = Lines(20000, 200);
  const PositionRange marked{0, static_cast<int>(text.size())};
  const MarkingPlan plan = PlanMarking(text, marked, {10000, 10600});
  ExpectGoodOrder(text, plan, marked);
  size_t i = 0;
  int expected = plan.now.to;
  for (; i < plan.later.size() && plan.later[i].from >= plan.now.to; ++i) {
    EXPECT_EQ(plan.later[i].from, expected);
    expected = plan.later[i].to;
  }
  EXPECT_EQ(expected, marked.to);
  expected = plan.now.from;
  for (; i < plan.later.size(); ++i) {
    EXPECT_EQ(plan.later[i].to, expected) << "piece " << i;
    expected = plan.later[i].from;
  }
  EXPECT_EQ(expected, marked.from);
}

TEST(MarkingPlan, PiecesEndAtLineEnds) {
  const std::u16string text = Lines(20000, 200);
  const PositionRange marked{7, static_cast<int>(text.size()) - 5};
  const MarkingPlan plan = PlanMarking(text, marked, {static_cast<int>(text.size()) - 600, static_cast<int>(text.size())});
  ASSERT_GE(plan.later.size(), 5u);
  for (const PositionRange& piece : plan.later) {
    EXPECT_TRUE(piece.from == marked.from || StartsLine(text, piece.from)) << piece.from;
    EXPECT_TRUE(piece.to == marked.to || StartsLine(text, piece.to)) << piece.to;
    EXPECT_LE(piece.to - piece.from, kPieceCharacters);
  }
}

TEST(MarkingPlan, TheRestOfALongParagraphGoesInWhole) {
  const std::u16string text = Lines(20000, 0);
  const PositionRange marked{0, 20000};
  const MarkingPlan plan = PlanMarking(text, marked, {19400, 20000});
  EXPECT_LT(plan.now.to - plan.now.from, 3 * kLeastMargin);
  EXPECT_EQ(plan.later, (std::vector<PositionRange>{marked}));
}

TEST(MarkingPlan, ALongParagraphInTheMiddleIsRewrittenWholeBetweenShortOnes) {
  std::u16string text = Lines(9000, 300);
  const int longFrom = static_cast<int>(text.size());
  text += Lines(12000, 0) + u"\r\n";
  const int longTo = static_cast<int>(text.size()) - 2;
  text += Lines(9000, 300);
  const PositionRange marked{0, static_cast<int>(text.size())};
  const MarkingPlan plan = PlanMarking(text, marked, {longFrom + 9000, longFrom + 9600});
  ExpectGoodOrder(text, plan, marked);
  EXPECT_NE(std::find(plan.later.begin(), plan.later.end(), PositionRange{longFrom, longTo}), plan.later.end());
  // Pieces after the first part end at line ends; pieces before it are whole lines.
  for (const PositionRange& piece : plan.later) {
    EXPECT_TRUE(piece.from == marked.from || piece.from == longTo || StartsLine(text, piece.from)) << piece.from;
    EXPECT_TRUE(piece.to == marked.to || piece.to == longTo || StartsLine(text, piece.to)) << piece.to;
  }
}

TEST(MarkingPlan, NoCutSplitsASurrogatePairOrALineBreak) {
  // Pairs everywhere, and line breaks at odd places: every cut lands next to one or the other.
  std::u16string text;
  for (int i = 0; i < 12000; ++i) {
    text += u"\U00020000";
    if (i % 333 == 332) text += u"\r\n";
  }
  for (int shownFrom : {0, 4001, 9000, 20001}) {
    const PositionRange marked{1, static_cast<int>(text.size()) - 1};
    const MarkingPlan plan = PlanMarking(text, marked, {shownFrom, shownFrom + 601});
    ExpectGoodOrder(text, plan, marked);
    std::vector<PositionRange> all = plan.later;
    all.push_back(plan.now);
    for (const PositionRange& r : all)
      for (int b : {r.from, r.to}) {
        if (b == marked.from || b == marked.to) continue;
        const char16_t before = text[b - 1], after = text[b];
        EXPECT_FALSE(before >= 0xD800 && before < 0xDC00) << "cut at " << b;
        EXPECT_FALSE(before == u'\r' && after == u'\n') << "cut at " << b;
      }
  }
}

TEST(MarkingPlan, AViewShowingNoMarkLeavesAllForLater) {
  const std::u16string text = Lines(20000, 200);
  const PositionRange marked{0, 5000};
  const MarkingPlan plan = PlanMarking(text, marked, {15000, 15600});
  EXPECT_TRUE(plan.now.Empty());
  ExpectGoodOrder(text, plan, marked);
}
