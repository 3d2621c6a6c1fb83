#include "Comparison.h"

namespace practice {

Comparison CompareTypedText(std::string_view typed, std::string_view article) {
  return CompareTypedText(typed, article, ViewPositions(article));
}

Comparison CompareTypedText(std::string_view typed, std::string_view article, const ViewPositions& positions) {
  Comparison result;
  for (size_t i = 0; i < typed.size(); ++i) {
    if (static_cast<unsigned char>(typed[i]) < 0x7F) continue;
    if (i >= article.size()) continue;  // wrong, and nothing to mark
    const bool equal = typed[i] == article[i];
    if (equal) ++result.correctBytes;
    const int position = positions.OfByte(i);
    if (!result.marks.empty() && result.marks.back().position == position) result.marks.back().wrong |= !equal;
    else result.marks.push_back({position, !equal});
  }
  return result;
}

}  // namespace practice
