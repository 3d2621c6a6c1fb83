#pragma once
// Where the bytes of a GBK text sit in the version-1 rich edit that shows it. The text is what the
// control reads back (line breaks CR LF); the control counts one position per UTF-16 unit: a
// double-byte character is one position, every single byte (each of CR and LF too) is one, and a
// character outside the Basic Multilingual Plane is two (a surrogate pair) although GBK has no
// bytes for it and the conversion puts its default character in its place.
#include <string_view>
#include <vector>

namespace practice {

class ViewPositions {
 public:
  // From the GBK text alone: right for every text without characters outside the BMP.
  explicit ViewPositions(std::string_view gbk);
  // From the control's own text and its GBK form; `gbkBytesOfPair` is how many bytes the
  // conversion made of each surrogate pair.
  ViewPositions(std::u16string_view view, std::string_view gbk, size_t gbkBytesOfPair);

  // Position of the character that holds the byte (0-based byte index within the text).
  int OfByte(size_t byteIndex) const { return positionOfByte_[byteIndex]; }
  // Number of positions of the whole text.
  int Count() const { return count_; }
  size_t ByteCount() const { return positionOfByte_.size(); }

 private:
  // Gives the next GBK character, from byte `i`, the position `count_`; returns its byte count.
  size_t PlaceCharacter(std::string_view gbk, size_t i);
  std::vector<int> positionOfByte_;
  int count_ = 0;
};

// A lead byte that starts a double-byte character when a trail byte follows it.
inline bool IsGbkLeadByte(unsigned char b) { return b >= 0x81 && b <= 0xFE; }
inline bool IsGbkTrailByte(unsigned char b) { return b >= 0x40 && b <= 0xFE && b != 0x7F; }

}  // namespace practice
