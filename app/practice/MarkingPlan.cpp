#include "MarkingPlan.h"

#include <algorithm>
#include <optional>

namespace practice {

namespace {

class Planner {
 public:
  Planner(std::u16string_view text, PositionRange marked)
      : text_(text), length_(static_cast<int>(text.size())), marked_(marked) {}

  // Pieces from `p` to the end of the marked range, nearest first: nothing marked follows them.
  void Forward(int p, std::vector<PositionRange>& out) const {
    while (p < marked_.to) {
      int cut = std::min(marked_.to, p + kPieceCharacters);
      if (cut < marked_.to) cut = LastLineStartIn(p + kPieceCharacters / 2, cut).value_or(WholeForward(cut));
      out.push_back({p, cut});
      p = cut;
    }
  }

  // Pieces from `p` down to the start of the marked range, nearest first, of whole lines: marked
  // text follows each of them.
  void Backward(int p, std::vector<PositionRange>& out) const {
    while (p > marked_.from) {
      const int reach = std::max(marked_.from, p - kPieceCharacters);
      const int cut = reach == marked_.from ? reach : FirstLineStartIn(reach, p).value_or(std::max(marked_.from, LineStart(p - 1)));
      out.push_back({cut, p});
      p = cut;
    }
  }

  // The marked part of the line that holds `p`.
  PositionRange MarkedLineAt(int p) const { return {std::max(marked_.from, LineStart(p)), std::min(marked_.to, LineEnd(p))}; }

  bool StartsLine(int p) const { return p >= 2 && p <= length_ && text_[p - 2] == u'\r' && text_[p - 1] == u'\n'; }

  // The nearest line start, or end of the marked range, at most `reach` before (after) `p`.
  std::optional<int> LineStartBefore(int p, int reach) const {
    if (p - reach <= marked_.from) return LastLineStartIn(marked_.from, p).value_or(marked_.from);
    return LastLineStartIn(p - reach - 1, p);
  }
  std::optional<int> LineStartAfter(int p, int reach) const {
    if (p + reach >= marked_.to) return FirstLineStartIn(p, marked_.to).value_or(marked_.to);
    return FirstLineStartIn(p, p + reach + 1);
  }

  // A boundary moved forward (back) off the middle of a line break or a surrogate pair.
  int WholeForward(int b) const { return Splits(b) ? b + 1 : b; }
  int WholeBackward(int b) const { return Splits(b) ? b - 1 : b; }

 private:
  bool Splits(int b) const {
    if (b <= 0 || b >= length_) return false;
    const char16_t before = text_[b - 1], after = text_[b];
    return (before == u'\r' && after == u'\n') || (before >= 0xD800 && before < 0xDC00 && after >= 0xDC00 && after < 0xE000);
  }

  int LineStart(int p) const {
    while (p > 0 && !StartsLine(p)) --p;
    return p;
  }
  // Where the line's break begins (or the text ends).
  int LineEnd(int p) const {
    while (p < length_ && !(text_[p] == u'\r' && p + 1 < length_ && text_[p + 1] == u'\n')) ++p;
    return p;
  }

  // The last line start in (from, to].
  std::optional<int> LastLineStartIn(int from, int to) const {
    for (int p = to; p > from; --p)
      if (StartsLine(p)) return p;
    return std::nullopt;
  }
  // The first line start in [from, to).
  std::optional<int> FirstLineStartIn(int from, int to) const {
    for (int p = from; p < to; ++p)
      if (StartsLine(p)) return p;
    return std::nullopt;
  }

  std::u16string_view text_;
  int length_;
  PositionRange marked_;
};

}  // namespace

MarkingPlan PlanMarking(std::u16string_view text, PositionRange marked, PositionRange shown) {
  MarkingPlan plan;
  if (marked.Empty()) return plan;
  const Planner planner(text, marked);
  const int margin = std::max(kLeastMargin, shown.to - shown.from);
  int from = std::clamp(shown.from - margin, marked.from, marked.to);
  int to = std::clamp(shown.to + margin, marked.from, marked.to);
  if (from == to) {
    // The view shows none of the marks: all of them later, from where the view is.
    planner.Forward(to, plan.later);
    planner.Backward(from, plan.later);
    return plan;
  }
  // Out to the nearest line ends, when near: the paragraphs at the edges are laid out once, not twice.
  if (from > marked.from) from = planner.LineStartBefore(from, kLeastMargin / 2).value_or(planner.WholeBackward(from));
  if (to < marked.to) to = planner.LineStartAfter(to, kLeastMargin / 2).value_or(planner.WholeForward(to));
  plan.now = {from, to};
  if (from == marked.from || planner.StartsLine(from)) {
    planner.Forward(to, plan.later);
    planner.Backward(from, plan.later);
    return plan;
  }
  // The first part begins inside a long paragraph: the rest of it goes in as that whole paragraph.
  const PositionRange paragraph = planner.MarkedLineAt(from);
  planner.Forward(std::max(to, paragraph.to), plan.later);
  plan.later.push_back(paragraph);
  planner.Backward(paragraph.from, plan.later);
  return plan;
}

}  // namespace practice
