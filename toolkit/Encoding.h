#pragma once
// Text conversions. The toolkit's text interface is GBK (code page 936) byte strings; windows are
// Unicode. Code page 936 is named explicitly so that texts survive on every Windows locale.
#include <string>
#include <string_view>

namespace tk {

constexpr unsigned kGbkCodePage = 936;

std::wstring GbkToWide(std::string_view gbk);
std::string WideToGbk(std::wstring_view wide);
std::wstring Utf8ToWide(std::string_view utf8);
std::string WideToUtf8(std::wstring_view wide);
std::string Utf8ToGbk(std::string_view utf8);

}  // namespace tk
