#include "ViewComparison.h"

#include "Encoding.h"
#include "RichEditContent.h"
#include "ViewPositions.h"

namespace practice {

namespace {
// What the system's GBK conversion makes of a character outside the BMP (its default character).
size_t GbkBytesOfSurrogatePair() {
  static const size_t bytes = tk::WideToGbk(L"\U00020000").size();
  return bytes;
}
}  // namespace

Comparison CompareWithView(tk::TRichEdit& view, std::string_view typed) {
  const std::wstring text = PositionedText(view.Handle());
  const std::string article = tk::WideToGbk(text);
  const ViewPositions positions(std::u16string_view(reinterpret_cast<const char16_t*>(text.data()), text.size()), article,
                                GbkBytesOfSurrogatePair());
  return CompareTypedText(typed, article, positions);
}

}  // namespace practice
