#include "RichTextLimits.h"

namespace practice {

namespace {

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Control words that end a paragraph (the count of formatting starts again after them).
bool EndsParagraph(std::string_view word) {
  return word == "par" || word == "sect" || word == "page" || word == "row" || word == "cell" || word == "nestcell" ||
         word == "nestrow";
}

// Control words that stand for text and change no formatting.
bool IsTextWord(std::string_view word) {
  return word == "u" || word == "uc" || word == "tab" || word == "line" || word == "emdash" || word == "endash" ||
         word == "bullet" || word == "lquote" || word == "rquote" || word == "ldblquote" || word == "rdblquote" ||
         word == "emspace" || word == "enspace" || word == "qmspace" || word == "zwj" || word == "zwnj" ||
         word == "ltrmark" || word == "rtlmark";
}

class Scanner {
 public:
  explicit Scanner(std::string_view rtf) : rtf_(rtf) {}

  RichTextFault Run() {
    while (i_ < rtf_.size()) {
      const char c = rtf_[i_];
      if (c == '{') {
        if (++depth_ > kDeepestRichTextGroups) return RichTextFault::groupsTooDeep;
        if (!Formatting()) return RichTextFault::paragraphTooFormatted;
        ++i_;
        nameLength_ = 0;
      } else if (c == '}') {
        if (depth_ == nameTableDepth_) nameTableDepth_ = 0;
        ++i_;
        nameLength_ = 0;
        if (--depth_ <= 0) return RichTextFault::none;  // the reader stops here
      } else if (c == '\\') {
        if (const RichTextFault fault = Control(); fault != RichTextFault::none) return fault;
      } else {
        ++i_;
        // Line breaks and NULs are dropped by the reader without ending a name.
        if (c == '\r' || c == '\n' || c == '\0') continue;
        if (c == ';') nameLength_ = 0;
        else if (!Name(1)) return RichTextFault::nameTooLong;
      }
    }
    return RichTextFault::none;
  }

 private:
  RichTextFault Control() {
    const size_t start = i_++;
    if (i_ >= rtf_.size()) return RichTextFault::none;
    if (!IsLetter(rtf_[i_])) {
      // A control symbol; \' takes the next two bytes whatever they are. Symbols are counted as
      // name text: some of them are.
      i_ += rtf_[i_] == '\'' ? 3 : 1;
      return Name(1) ? RichTextFault::none : RichTextFault::nameTooLong;
    }
    while (i_ < rtf_.size() && IsLetter(rtf_[i_])) ++i_;
    const std::string_view word = rtf_.substr(start + 1, i_ - start - 1);
    if (i_ < rtf_.size() && rtf_[i_] == '-') ++i_;
    while (i_ < rtf_.size() && IsDigit(rtf_[i_])) ++i_;
    if (i_ - start > kLongestControlWord) return RichTextFault::controlWordTooLong;
    if (i_ < rtf_.size() && rtf_[i_] == ' ') ++i_;
    if ((word == "fonttbl" || word == "stylesheet") && nameTableDepth_ == 0) nameTableDepth_ = depth_;
    nameLength_ = 0;  // a control word ends the text before it
    if (EndsParagraph(word)) formatting_ = 0;
    else if (!IsTextWord(word) && !Formatting()) return RichTextFault::paragraphTooFormatted;
    return RichTextFault::none;
  }

  bool Formatting() { return ++formatting_ <= kMostFormattingInAParagraph; }

  // Text inside a font table or style sheet goes into the reader's name buffer.
  bool Name(size_t bytes) {
    if (nameTableDepth_ == 0) return true;
    nameLength_ += bytes;
    return nameLength_ <= kLongestRichTextName;
  }

  std::string_view rtf_;
  size_t i_ = 0;
  int depth_ = 0;
  int nameTableDepth_ = 0;  // depth of the group holding a font table or style sheet, 0 outside
  size_t nameLength_ = 0;
  int formatting_ = 0;  // groups and formatting words since the last paragraph's end
};

}  // namespace

RichTextFault CheckRichTextLimits(std::string_view rtf) { return Scanner(rtf).Run(); }

}  // namespace practice
