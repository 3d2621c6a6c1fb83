#include "Score.h"

namespace practice {

std::string FormatPercent(int64_t part, int64_t whole, std::string_view decimalSeparator) {
  // Hundredths of a percent, rounded on exact integers so that no binary fraction decides a tie.
  const uint64_t n = static_cast<uint64_t>(part) * 10000u;
  const uint64_t d = static_cast<uint64_t>(whole);
  uint64_t hundredths = n / d;
  if ((n % d) * 2 >= d) ++hundredths;
  std::string fraction = std::to_string(hundredths % 100);
  if (fraction.size() < 2) fraction.insert(0, "0");
  std::string text = std::to_string(hundredths / 100);
  text += decimalSeparator;
  text += fraction;
  text += "%";
  return text;
}

Score ComputeScore(const ScoreInput& input) {
  if (input.seconds == 0) throw ScoreUndefined("用时不足一秒，无法计算平均速度。");
  if (input.articleChars == 0) throw ScoreUndefined("文章字数为 0，无法计算正确率。");
  Score score;
  score.typedChars = input.typedChars;
  score.speed = static_cast<int64_t>(input.typedChars) * 60 / input.seconds;  // truncated toward zero
  score.correct = input.correctBytes / 2;
  score.accuracy = FormatPercent(score.correct, input.articleChars, input.decimalSeparator);
  return score;
}

}  // namespace practice
