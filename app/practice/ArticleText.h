#pragma once
// The text of a plain article file, as the article holder keeps it.
#include <string>
#include <string_view>

namespace practice {

// The bytes up to the first NUL (where the platform's texts end), every line break as CR LF: a
// lone LF or CR would stay an ordinary character in the holder and leave the article one line.
std::string PlainArticleText(std::string_view fileBytes);

}  // namespace practice
