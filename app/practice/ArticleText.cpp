#include "ArticleText.h"

namespace practice {

std::string PlainArticleText(std::string_view fileBytes) {
  // CR and LF never occur inside a GBK double-byte character, so bytes can be rewritten one by one.
  const std::string_view bytes = fileBytes.substr(0, fileBytes.find('\0'));
  std::string text;
  text.reserve(bytes.size() + bytes.size() / 16);
  for (size_t i = 0; i < bytes.size(); ++i) {
    const char c = bytes[i];
    if (c == '\r' || c == '\n') {
      text += "\r\n";
      if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
    } else {
      text += c;
    }
  }
  return text;
}

}  // namespace practice
