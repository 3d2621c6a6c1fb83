#pragma once
// The character count of a GBK text as the practice tool counts articles and typed texts.
#include <string_view>

namespace practice {

// Printable ASCII counts one each; bytes 0x7F and above count one per two (a double-byte
// character counts one); blanks, tabs, line breaks and other control bytes count nothing.
int CountChars(std::string_view gbk);

}  // namespace practice
