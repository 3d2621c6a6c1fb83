#pragma once
// Chinese test articles of a given length, made of plain everyday sentences.
#include <string>

namespace tts::testing {

inline std::wstring ChineseArticle(size_t length) {
  static const wchar_t* const kSentences[] = {
      L"今天早上天气很好，我们一起去公园散步。",
      L"湖边的柳树发出了新芽，小鸟在枝头唱歌。",
      L"听写练习能让人专心听，也能提高打字的速度。",
      L"每天坚持十分钟，一个月以后就会看到进步！",
      L"老师说，写字要认真，读书要用心。",
      L"晚上回家以后，他把今天学到的词语又复习了一遍。",
  };
  std::wstring text;
  for (size_t i = 0; text.size() < length; ++i) text += kSentences[i % 6];
  text.resize(length);
  return text;
}

inline bool IsHan(wchar_t c) { return c >= 0x4E00 && c <= 0x9FFF; }

}  // namespace tts::testing
