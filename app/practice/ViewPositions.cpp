#include "ViewPositions.h"

namespace practice {

namespace {
bool IsHighSurrogate(char16_t u) { return u >= 0xD800 && u < 0xDC00; }
bool IsLowSurrogate(char16_t u) { return u >= 0xDC00 && u < 0xE000; }
}  // namespace

size_t ViewPositions::PlaceCharacter(std::string_view gbk, size_t i) {
  const auto b = static_cast<unsigned char>(gbk[i]);
  const bool pair = IsGbkLeadByte(b) && i + 1 < gbk.size() && IsGbkTrailByte(static_cast<unsigned char>(gbk[i + 1]));
  positionOfByte_[i] = count_;
  if (pair) positionOfByte_[i + 1] = count_;
  return pair ? 2 : 1;
}

ViewPositions::ViewPositions(std::string_view gbk) : positionOfByte_(gbk.size()) {
  for (size_t i = 0; i < gbk.size(); ++count_) i += PlaceCharacter(gbk, i);
}

ViewPositions::ViewPositions(std::u16string_view view, std::string_view gbk, size_t gbkBytesOfPair)
    : positionOfByte_(gbk.size()) {
  size_t i = 0, unit = 0;
  while (i < gbk.size()) {
    if (unit + 1 < view.size() && IsHighSurrogate(view[unit]) && IsLowSurrogate(view[unit + 1])) {
      for (size_t k = 0; k < gbkBytesOfPair && i < gbk.size(); ++k) positionOfByte_[i++] = count_;
      unit += 2;
      count_ += 2;
      continue;
    }
    i += PlaceCharacter(gbk, i);
    ++unit;
    ++count_;
  }
}

}  // namespace practice
