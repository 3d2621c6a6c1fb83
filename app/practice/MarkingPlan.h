#pragma once
// In what order a submission's marks reach the article view: the part the user sees at once, the
// rest in pieces afterwards. What the view costs decides the pieces: it lays out a whole paragraph
// again for each piece written into it, so pieces end at line ends where they can; and each
// formatting run written into a paragraph costs it time for every run after it in that paragraph,
// so no piece is written in front of marked text of its own paragraph: such a paragraph is
// rewritten whole instead.
#include <string_view>
#include <vector>

namespace practice {

// Positions [from, to) of the view's text.
struct PositionRange {
  int from = 0, to = 0;
  bool Empty() const { return from >= to; }
  bool operator==(const PositionRange&) const = default;
};

struct MarkingPlan {
  PositionRange now;                 // marked before the submission returns
  std::vector<PositionRange> later;  // then these, in this order; one may rewrite marked text
};

// Beyond what the view shows, this much on either side is marked at once too (at least the shown
// length): the user's first scroll meets marked text.
constexpr int kLeastMargin = 1000;
// A piece of the rest: some ten milliseconds of the view's time at a formatting run per character.
constexpr int kPieceCharacters = 4000;

// text: the view's text, one entry per position (line breaks CR LF); marked: from the first marked
// position to just after the last; shown: the positions the view shows. The plan covers `marked`;
// no cut splits a line break or a surrogate pair.
MarkingPlan PlanMarking(std::u16string_view text, PositionRange marked, PositionRange shown);

}  // namespace practice
