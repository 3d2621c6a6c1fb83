#pragma once
// A submission's marking that the user need not wait for: the part of the article view in sight
// (and a margin) is marked at once, the rest in pieces while the message loop runs, for example
// while the result message is read. A view laying out a formatting run per character needs some
// three microseconds per run, too long to do all of it before the result shows.
#include <deque>
#include <memory>
#include <vector>

#include "ArticleMarking.h"
#include "ComCtrls.h"
#include "Comparison.h"
#include "ExtCtrls.h"
#include "MarkingPlan.h"

namespace practice {

class ProgressiveMarking {
 public:
  ProgressiveMarking();
  ~ProgressiveMarking();
  ProgressiveMarking(const ProgressiveMarking&) = delete;
  ProgressiveMarking& operator=(const ProgressiveMarking&) = delete;

  // Ends as MarkArticle ends (the last mark selected and scrolled into view) with the shown part
  // marked; the rest follows. A marking still under way is completed first.
  void Start(tk::TRichEdit& view, const std::vector<CharacterMark>& marks);
  // Writes what is left now, unless the view's text or window has changed meanwhile.
  void Finish();
  // Forgets what is left.
  void Cancel();
  bool Pending() const { return !later_.empty(); }

 private:
  void MarkNextPiece();
  void Mark(PositionRange range);
  bool SameArticleInView() const;
  void Done();

  tk::TRichEdit* view_ = nullptr;
  std::unique_ptr<ArticleMarker> marker_;
  std::deque<PositionRange> later_;
  std::unique_ptr<tk::TTimer, void (*)(tk::TTimer*)> timer_;
};

}  // namespace practice
