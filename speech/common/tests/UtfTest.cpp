#include "Utf.h"

#include <gtest/gtest.h>

namespace tts {
namespace {

TEST(Utf, RoundTripsChineseAndAstralText) {
  std::u16string text = u"中文 abc \U0001F600 end";
  EXPECT_EQ(Utf16ToUtf8(text), "中文 abc \U0001F600 end");
  EXPECT_EQ(Utf8ToUtf16(Utf16ToUtf8(text)), text);
}

TEST(Utf, BrokenInputBecomesReplacementCharacters) {
  EXPECT_EQ(Utf16ToUtf8(std::u16string(1, char16_t(0xD800))), "\xEF\xBF\xBD");
  EXPECT_EQ(Utf8ToUtf16("a\xC3"), u"a\xFFFD");
  EXPECT_EQ(Utf8ToUtf16("\xE4\xB8"), u"\xFFFD\xFFFD");
  EXPECT_EQ(Utf8ToUtf16("\xC0\xAF"), u"\xFFFD\xFFFD");  // overlong
  EXPECT_EQ(Utf8ToUtf16("\xED\xA0\x80"), u"\xFFFD\xFFFD\xFFFD");  // encoded surrogate
}

TEST(Utf, CodePointOffsetsCountSurrogatePairsAsTwoUnits) {
  auto offsets = CodePointOffsets(u"a\U0001F600b");
  EXPECT_EQ(offsets, (std::vector<uint32_t>{0, 1, 3, 4}));
  EXPECT_EQ(CodePointOffsets(u""), (std::vector<uint32_t>{0}));
}

}  // namespace
}  // namespace tts
