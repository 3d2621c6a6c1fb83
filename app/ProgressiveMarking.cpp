#include "ProgressiveMarking.h"

#include <algorithm>

#include "KeptView.h"
#include "RichEditContent.h"

namespace practice {

namespace {
void FreeTimer(tk::TTimer* timer) { tk::TComponent::Free(timer); }
}  // namespace

ProgressiveMarking::ProgressiveMarking() : timer_(new tk::TTimer(nullptr), &FreeTimer) {
  timer_->SetEnabled(false);
  // The shortest the system allows; a timer message comes only when no input or paint is waiting.
  timer_->SetInterval(1);
  timer_->OnTimer = [this](tk::TObject*) { MarkNextPiece(); };
}

ProgressiveMarking::~ProgressiveMarking() = default;

void ProgressiveMarking::Start(tk::TRichEdit& view, const std::vector<CharacterMark>& marks) {
  Finish();
  HWND edit = view.Handle();
  QuietRichEdit quiet(edit);
  view_ = &view;
  marker_ = std::make_unique<ArticleMarker>(view, PositionedText(edit), marks);
  const PositionRange marked = marker_->Marked();
  if (marked.Empty()) {
    Done();
    return;
  }
  // Where the view will stand decides what is marked first.
  view.Select(marked.to - 1, 1);
  view.ScrollCaret();
  const std::wstring& text = marker_->Text();
  const MarkingPlan plan =
      PlanMarking(std::u16string_view(reinterpret_cast<const char16_t*>(text.data()), text.size()), marked, ShownPositions(edit));
  try {
    marker_->Mark(plan.now);
  } catch (...) {
    Done();
    throw;
  }
  view.Select(marked.to - 1, 1);
  view.ScrollCaret();
  later_.assign(plan.later.begin(), plan.later.end());
  if (later_.empty()) Done();
  else timer_->SetEnabled(true);
}

void ProgressiveMarking::Finish() {
  if (!Pending()) return;
  if (!SameArticleInView()) {
    Done();
    return;
  }
  // Front to back, overlapping pieces joined: the fewest rewrites, none in front of marked text
  // that a piece of its own would not rewrite.
  std::vector<PositionRange> left(later_.begin(), later_.end());
  std::sort(left.begin(), left.end(), [](auto a, auto b) { return a.from < b.from; });
  std::vector<PositionRange> joined;
  for (const PositionRange& r : left) {
    if (!joined.empty() && r.from <= joined.back().to) joined.back().to = std::max(joined.back().to, r.to);
    else joined.push_back(r);
  }
  try {
    for (const PositionRange& r : joined) Mark(r);
  } catch (...) {
    Done();
    throw;
  }
  Done();
}

void ProgressiveMarking::Cancel() { Done(); }

void ProgressiveMarking::MarkNextPiece() {
  if (!SameArticleInView()) {
    Done();
    return;
  }
  const PositionRange piece = later_.front();
  later_.pop_front();
  try {
    Mark(piece);
  } catch (...) {
    Done();
    throw;
  }
  if (later_.empty()) Done();
}

void ProgressiveMarking::Mark(PositionRange range) {
  HWND edit = marker_->Edit();
  QuietRichEdit quiet(edit);
  KeptView kept(edit, range);
  marker_->Mark(range);
}

bool ProgressiveMarking::SameArticleInView() const {
  // A new article, or the view's window made anew, ends the marking: its positions mean nothing there.
  return view_ && marker_ && view_->HandleIfAllocated() == marker_->Edit() && PositionedText(marker_->Edit()) == marker_->Text();
}

void ProgressiveMarking::Done() {
  timer_->SetEnabled(false);
  later_.clear();
  marker_.reset();
  view_ = nullptr;
}

}  // namespace practice
