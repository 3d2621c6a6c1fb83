#include "TextChunker.h"

#include <algorithm>

namespace tts {

namespace {

bool IsSentenceEnd(char16_t c) {
  switch (c) {
    case u'。': case u'！': case u'？': case u'；': case u'…':
    case u'!': case u'?': case u';': case u'\n': case u'\r':
      return true;
    default:
      return false;
  }
}

bool IsClosing(char16_t c) {
  switch (c) {
    case u'”': case u'’': case u'」': case u'』': case u'）': case u'》': case u'】':
    case u'"': case u'\'': case u')': case u']':
      return true;
    default:
      return false;
  }
}

bool IsSoftBreak(char16_t c) {
  switch (c) {
    case u'，': case u'、': case u'：': case u',': case u':': case u' ': case u'\t': case u'\x3000':
      return true;
    default:
      return false;
  }
}

bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

}  // namespace

bool IsSpeechWhiteSpace(char16_t c) {
  return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f' || c == u'\v' || c == u'\x3000' ||
         c == u'\xA0' || c == u'\xFEFF';
}

TextChunker::TextChunker(std::u16string_view text, size_t firstMaxLength, size_t maxLength)
    : text_(text), firstMax_(std::max<size_t>(firstMaxLength, 2)), max_(std::max<size_t>(maxLength, 2)) {}

size_t TextChunker::FindEnd(size_t from, size_t limit) const {
  size_t end = std::min(text_.size(), from + limit);
  size_t soft = 0;
  for (size_t i = from; i < end; ++i) {
    char16_t c = text_[i];
    // A full stop ends a sentence only before white space or the end (not in 3.14 or e.g.).
    bool stop = IsSentenceEnd(c) || (c == u'.' && (i + 1 == text_.size() || IsSpeechWhiteSpace(text_[i + 1])));
    if (stop) {
      size_t j = i + 1;
      while (j < text_.size() && (IsClosing(text_[j]) || IsSentenceEnd(text_[j]) || text_[j] == u'.')) ++j;
      return j;
    }
    if (IsSoftBreak(c)) soft = i + 1;
  }
  if (end == text_.size()) return end;
  if (soft > from) return soft;
  if (IsLowSurrogate(text_[end]) && end > from + 1) --end;  // keep surrogate pairs whole
  return end;
}

std::optional<TextChunk> TextChunker::Next() {
  while (pos_ < text_.size()) {
    size_t end = FindEnd(pos_, first_ ? firstMax_ : max_);
    size_t s = pos_, e = end;
    pos_ = end;
    while (s < e && IsSpeechWhiteSpace(text_[s])) ++s;
    while (e > s && IsSpeechWhiteSpace(text_[e - 1])) --e;
    if (e > s) {
      first_ = false;
      return TextChunk{s, e - s};
    }
  }
  return std::nullopt;
}

}  // namespace tts
