#pragma once
// Marking a submission in the article view: each compared character red or black.
#include <windows.h>
#include <richedit.h>

#include <string>
#include <vector>

#include "ComCtrls.h"
#include "Comparison.h"
#include "MarkingPlan.h"
#include "RichText.h"

namespace practice {

// Colours the marked characters (red where wrong, black where right) and leaves every other
// character and all other formatting as it was. Line breaks are never rewritten (their colour
// shows nowhere). The marks may be written all at once or range by range, in any order: the
// result is the same.
class ArticleMarker {
 public:
  // `text` is the view's text as PositionedText reads it; marks past its end are dropped.
  ArticleMarker(tk::TRichEdit& view, std::wstring text, const std::vector<CharacterMark>& marks);
  ArticleMarker(const ArticleMarker&) = delete;
  ArticleMarker& operator=(const ArticleMarker&) = delete;

  // From the first marked position to just after the last; empty when nothing is marked.
  PositionRange Marked() const;
  // Writes the marks within `range` into the view. The selection and the scroll position move.
  void Mark(PositionRange range);

  HWND Edit() const { return edit_; }
  const std::wstring& Text() const { return text_; }

 private:
  int ColourAt(int position) const;
  // One character formatting (colours aside) and one paragraph format over [start, end).
  bool IsUniform(int start, int end, PARAFORMAT2& paragraphs);
  // Unmarked characters keep the colour they show now; line breaks show none.
  void Rewrite(int start, int end);
  int TableIndex(COLORREF c);

  HWND edit_;
  std::wstring text_;
  int first_ = -1;
  std::vector<int> colourAt_;  // from first_: -1 unmarked, else an index into table_ (1-based)
  Rgb background_;
  std::vector<Rgb> table_;  // red and black first
};

// All marks at once; then selects the last marked character and scrolls it into view.
void MarkArticle(tk::TRichEdit& view, const std::vector<CharacterMark>& marks);

}  // namespace practice
