#include "ViewPositions.h"

namespace practice {

ViewPositions::ViewPositions(std::string_view gbk) : positionOfByte_(gbk.size()) {
  size_t i = 0;
  while (i < gbk.size()) {
    const auto b = static_cast<unsigned char>(gbk[i]);
    const bool pair = IsGbkLeadByte(b) && i + 1 < gbk.size() && IsGbkTrailByte(static_cast<unsigned char>(gbk[i + 1]));
    positionOfByte_[i] = count_;
    if (pair) positionOfByte_[i + 1] = count_;
    i += pair ? 2 : 1;
    ++count_;
  }
}

}  // namespace practice
