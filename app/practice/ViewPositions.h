#pragma once
// Where the bytes of a GBK text sit in the version-1 rich edit that shows it. The text is what the
// control reads back (line breaks CR LF); the control counts one position per character: a
// double-byte character is one position, every single byte (each of CR and LF too) is one.
#include <string_view>
#include <vector>

namespace practice {

class ViewPositions {
 public:
  explicit ViewPositions(std::string_view gbk);

  // Position of the character that holds the byte (0-based byte index within the text).
  int OfByte(size_t byteIndex) const { return positionOfByte_[byteIndex]; }
  // Number of positions of the whole text.
  int Count() const { return count_; }
  size_t ByteCount() const { return positionOfByte_.size(); }

 private:
  std::vector<int> positionOfByte_;
  int count_ = 0;
};

// A lead byte that starts a double-byte character when a trail byte follows it.
inline bool IsGbkLeadByte(unsigned char b) { return b >= 0x81 && b <= 0xFE; }
inline bool IsGbkTrailByte(unsigned char b) { return b >= 0x40 && b <= 0xFE && b != 0x7F; }

}  // namespace practice
