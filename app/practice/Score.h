#pragma once
// The figures of a submission: typed characters, speed, correct characters and accuracy.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace practice {

struct Score {
  int typedChars = 0;
  int64_t speed = 0;   // characters per minute, wrong ones included
  int correct = 0;     // correct bytes div 2
  std::string accuracy;  // e.g. "33.33%"
};

// A submission whose speed or accuracy has no value (no second elapsed, an article of no
// characters). The text is UTF-8.
class ScoreUndefined : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct ScoreInput {
  int typedChars;
  int correctBytes;
  int seconds;
  int articleChars;
  std::string_view decimalSeparator = ".";  // the user's, UTF-8
};

Score ComputeScore(const ScoreInput& input);

// part / whole (part >= 0, whole > 0) as a percentage with two decimals, ties rounded up, then "%":
// 1 of 3 gives "33.33%", 1 of 32 gives "3.13%".
std::string FormatPercent(int64_t part, int64_t whole, std::string_view decimalSeparator);

}  // namespace practice
