#pragma once
// What the platform's rich edit reader can take. Under Wine it keeps the state of at most 32
// nested groups, and reads each control word, and each font or style name, into a buffer of
// 1024 bytes; past either it writes outside its memory and the program dies or freezes. And it
// takes time that grows with the square of the formatting changes within one paragraph: a
// megabyte of one-letter groups in one paragraph holds it for tens of seconds. Files are checked
// before they reach it.
#include <cstddef>
#include <string_view>

namespace practice {

constexpr int kDeepestRichTextGroups = 32;  // the outermost group counts one
// Far beyond any real control word or name, far below the reader's buffer.
constexpr size_t kLongestControlWord = 255;
constexpr size_t kLongestRichTextName = 255;
// Groups and formatting control words within one paragraph; some tenth of a second to read.
constexpr int kMostFormattingInAParagraph = 30000;

enum class RichTextFault { none, groupsTooDeep, controlWordTooLong, nameTooLong, paragraphTooFormatted };

// Reads the rich text as the platform's reader splits it into tokens, up to the end of its
// outermost group (where that reader stops), and names the first limit it passes.
RichTextFault CheckRichTextLimits(std::string_view rtf);

}  // namespace practice
