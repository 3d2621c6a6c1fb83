#include "RichText.h"

namespace practice {

namespace {

void AppendColourEntry(std::string& out, Rgb c) {
  out += "\\red" + std::to_string(c.red) + "\\green" + std::to_string(c.green) + "\\blue" + std::to_string(c.blue) + ";";
}

void AppendCharacter(std::string& out, char16_t c) {
  switch (c) {
    case u'\t':
      out += "\\tab ";
      return;
    case u'\\':
    case u'{':
    case u'}':
      out += '\\';
      out += static_cast<char>(c);
      return;
    default:
      break;
  }
  if (c >= 0x20 && c < 0x7F) {
    out += static_cast<char>(c);
    return;
  }
  // \u takes a signed 16-bit number; the '?' is the fallback the reader skips (\uc1).
  out += "\\u" + std::to_string(static_cast<int16_t>(c)) + "?";
}

}  // namespace

std::string RichTextOf(std::u16string_view text, const std::vector<int>& colourOfChar, const std::vector<Rgb>& colours,
                       Rgb background) {
  const int highlightIndex = static_cast<int>(colours.size()) + 1;
  std::string out = "{\\rtf1\\ansi\\uc1{\\colortbl;";
  for (const Rgb& c : colours) AppendColourEntry(out, c);
  AppendColourEntry(out, background);
  out += "}\\highlight0 ";
  out.reserve(out.size() + text.size() * 8 + 2);

  int colour = -1;
  bool highlighted = false;
  int runLength = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    const int wanted = i < colourOfChar.size() ? colourOfChar[i] : 0;
    if (wanted != colour) {
      colour = wanted;
      out += "\\cf" + std::to_string(colour) + " ";
      runLength = 0;
    } else if (runLength == kLongestRun) {
      highlighted = !highlighted;
      out += highlighted ? "\\highlight" + std::to_string(highlightIndex) + " " : std::string("\\highlight0 ");
      runLength = 0;
    }
    if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
      out += "\\par\n";
      ++i;
      runLength = 0;
      continue;
    }
    AppendCharacter(out, text[i]);
    ++runLength;
  }
  out += "}";
  return out;
}

std::string RichTextOf(std::u16string_view text, Rgb background) { return RichTextOf(text, {}, {}, background); }

}  // namespace practice
