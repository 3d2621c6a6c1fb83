#pragma once
// The positional comparison of a typed text with the article, byte by byte at equal indexes.
#include <string_view>
#include <vector>

#include "ViewPositions.h"

namespace practice {

// One article character that had at least one byte compared: its view position, and whether any
// of its compared bytes differed from the typed byte at the same index.
struct CharacterMark {
  int position;
  bool wrong;
};

struct Comparison {
  int correctBytes = 0;
  // In position order, one per character; typed bytes beyond the article's end count as wrong
  // but have no character to mark.
  std::vector<CharacterMark> marks;
};

// Only typed bytes 0x7F and above are compared (ASCII never scores but keeps its place); each is
// compared with the article byte at the same index. The marks take their positions from
// `positions`, made for the same article text.
Comparison CompareTypedText(std::string_view typed, std::string_view article, const ViewPositions& positions);
// The same, for an article without characters outside the BMP.
Comparison CompareTypedText(std::string_view typed, std::string_view article);

}  // namespace practice
