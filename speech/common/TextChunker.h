#pragma once
// Cuts a text into the pieces a reading synthesises one after another: whole sentences where
// possible, short enough that the first one is heard quickly and none holds much audio.
#include <cstddef>
#include <optional>
#include <string_view>

namespace tts {

struct TextChunk {
  size_t start = 0;   // UTF-16 offset in the whole text
  size_t length = 0;  // UTF-16 units, surrounding white space excluded
};

class TextChunker {
 public:
  // The first piece is at most `firstMaxLength` units long, every later one at most `maxLength`.
  explicit TextChunker(std::u16string_view text, size_t firstMaxLength = 40, size_t maxLength = 200);

  // Next piece that has something besides white space, or nothing at the end of the text.
  std::optional<TextChunk> Next();
  // Where the next piece starts looking: everything before it has been handed out.
  size_t Position() const { return pos_; }

 private:
  size_t FindEnd(size_t from, size_t limit) const;

  std::u16string_view text_;
  size_t firstMax_;
  size_t max_;
  size_t pos_ = 0;
  bool first_ = true;
};

bool IsSpeechWhiteSpace(char16_t c);

}  // namespace tts
