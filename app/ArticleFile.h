#pragma once
// Article files: reading one from disk and putting its text into the article holder.
#include <cstdint>
#include <string>

#include "ComCtrls.h"

namespace practice {

// Larger articles are refused: an article is read aloud and typed in one sitting (this is some
// 60,000 Chinese characters), and the holder needs up to half a second to lay out this many bytes.
constexpr uint64_t kLargestArticleFile = 128 * 1024;
// Rich text spends some eight bytes on a Chinese character; its text is held to the same size.
constexpr uint64_t kLargestRichTextFile = 1024 * 1024;
constexpr size_t kLargestRichTextCharacters = 64 * 1024;

// The file's bytes. Throws with the system's message (GBK) when it cannot be opened or read, and
// when it is larger than an article file (or rich text file) may be.
std::string ReadArticleFile(const std::string& gbkPath);

// Replaces the holder's text with the file's: rich text when the file is in rich-text format,
// otherwise plain GBK text. Throws, leaving the holder as it was, when rich text cannot be read or
// holds more than kLargestRichTextCharacters.
void PutArticle(tk::TRichEdit& holder, const std::string& fileBytes);

// The name of a path without its directory.
std::string FileNameOf(const std::string& gbkPath);

}  // namespace practice
