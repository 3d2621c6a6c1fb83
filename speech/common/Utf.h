#pragma once
// UTF-16 <-> UTF-8 and the map from code-point positions to UTF-16 positions that engines working on
// code points need to report positions in the caller's UTF-16 text.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tts {

// Unpaired surrogates become U+FFFD.
std::string Utf16ToUtf8(std::u16string_view text);
// Malformed sequences become U+FFFD.
std::u16string Utf8ToUtf16(std::string_view text);

// UTF-16 offset of every code point of `text`, plus one past the end (size = code points + 1).
std::vector<uint32_t> CodePointOffsets(std::u16string_view text);

}  // namespace tts
