#pragma once
// Article files: reading one from disk and putting its text into the article holder.
#include <cstdint>
#include <string>

#include "ComCtrls.h"

namespace practice {

// Larger files are refused: an article is read aloud and typed in one sitting, and the holder
// needs about a second per megabyte to lay a text out.
constexpr uint64_t kLargestArticleFile = 1024 * 1024;

// The file's bytes. Throws with the system's message (GBK) when it cannot be opened or read, and
// when it is larger than kLargestArticleFile.
std::string ReadArticleFile(const std::string& gbkPath);

// Replaces the holder's text with the file's: rich text when the file is in rich-text format,
// otherwise plain GBK text. Throws, leaving the holder as it was, when rich text cannot be read.
void PutArticle(tk::TRichEdit& holder, const std::string& fileBytes);

// The name of a path without its directory.
std::string FileNameOf(const std::string& gbkPath);

}  // namespace practice
