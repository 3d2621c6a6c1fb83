#pragma once
// GBK bytes of the texts the tests use, spelled out so that no converter stands between the test
// and the bytes.
#include <string>

namespace practice::testing {

inline const std::string kFan = "\xB7\xB6";   // 范
inline const std::string kLi = "\xC0\xFD";    // 例
inline const std::string kWen = "\xCE\xC4";   // 文
inline const std::string kZhang = "\xD5\xC2"; // 章
inline const std::string kWenQuestion = "\xCE\xCA";  // 问 (same first byte as 文)
inline const std::string kZhong = "\xD6\xD0"; // 中
inline const std::string kFullWidthBlank = "\xA1\xA1";
// 范例文章02, the second sample article.
inline const std::string kSample02 = kFan + kLi + kWen + kZhang + "02";

}  // namespace practice::testing
