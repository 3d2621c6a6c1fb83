#pragma once
// Rewriting the content of a version-1 rich edit in one pass. The control lays out a run of equal
// formatting, and every formatting change, in time that grows with the paragraph's length, so
// texts and colours go in as rich text written by practice::RichTextOf, never piece by piece.
#include <windows.h>

#include <string>

#include "ComCtrls.h"
#include "RichText.h"

namespace practice {

// Holds back the control's change and selection notifications while the program rewrites it.
class QuietRichEdit {
 public:
  explicit QuietRichEdit(HWND edit);
  ~QuietRichEdit();
  QuietRichEdit(const QuietRichEdit&) = delete;
  QuietRichEdit& operator=(const QuietRichEdit&) = delete;

 private:
  HWND edit_;
  LRESULT mask_;
};

// The text as the control counts positions: index i is position i (line breaks CR LF).
std::wstring PositionedText(HWND edit);

// The colour behind the text, for the invisible run cuts of RichTextOf.
Rgb BackgroundOf(tk::TRichEdit& edit);

// Replaces the characters [start, end) with rich text; the new characters take the formatting of
// the first replaced one for everything the rich text leaves unsaid.
void ReplaceWithRichText(HWND edit, int start, int end, const std::string& rtf);

// Empties the control by giving it a new window: deleting a long text costs the control time that
// grows with the square of the text's runs, a new window is empty at once.
void EmptyByNewWindow(tk::TRichEdit& edit);

// Replaces the whole text with a plain one (GBK), in the control's default formatting.
void SetPlainText(tk::TRichEdit& edit, const std::string& gbk);

}  // namespace practice
