#include "ResultText.h"

namespace practice {

std::string ResultText(const Score& score) {
  const std::string lineBreak = "\n\r";
  std::string text = "考试时间到！" + lineBreak + lineBreak + "输入：";
  text += std::to_string(score.typedChars);
  text += "字    平均速度(不计错误)：";
  text += std::to_string(score.speed);
  text += "字/分";
  text += lineBreak;
  text += "正确：";
  text += std::to_string(score.correct);
  text += "字    ";
  text += "正确率：";
  text += score.accuracy;
  text += lineBreak;
  text += lineBreak;
  text += "注意：软件没有人工智能，错位均属错误，正确率仅供参考，实际考试是人工评定成绩。";
  return text;
}

}  // namespace practice
