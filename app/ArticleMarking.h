#pragma once
// Marking a submission in the article view: each compared character red or black.
#include <vector>

#include "ComCtrls.h"
#include "Comparison.h"

namespace practice {

// Colours the marked characters (red where wrong, black where right) and leaves every other
// character and all other formatting as it was; then selects the last marked character and
// scrolls it into view. Line breaks are never rewritten (their colour shows nowhere).
void MarkArticle(tk::TRichEdit& view, const std::vector<CharacterMark>& marks);

}  // namespace practice
