#include "CharCount.h"

namespace practice {

int CountChars(std::string_view gbk) {
  int ascii = 0, high = 0;
  for (const char c : gbk) {
    const auto b = static_cast<unsigned char>(c);
    if (b >= 0x21 && b <= 0x7E) ++ascii;
    else if (b >= 0x7F) ++high;
  }
  return ascii + high / 2;
}

}  // namespace practice
