#pragma once
// Rich text that a version-1 rich edit reads in as exactly the given characters, each in a chosen
// colour. Used to put a whole text into the control in one pass: setting colours character by
// character, or reading in a long run of equal formatting, costs the control time that grows with
// the square of the text's length.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace practice {

struct Rgb {
  uint8_t red = 0, green = 0, blue = 0;
  bool operator==(const Rgb&) const = default;
};

// Runs of equal formatting are cut after this many characters by switching the background between
// automatic and the view's own background colour, which look the same.
constexpr int kLongestRun = 64;

// colourOfChar: one entry per UTF-16 unit of text; 0 is the automatic colour, n > 0 is
// colours[n - 1]. CR LF is one paragraph break (in the colour of its CR); a lone CR or LF, tabs
// and characters outside ASCII are kept as they are.
std::string RichTextOf(std::u16string_view text, const std::vector<int>& colourOfChar, const std::vector<Rgb>& colours,
                       Rgb background);

// The text in the automatic colour.
std::string RichTextOf(std::u16string_view text, Rgb background);

}  // namespace practice
