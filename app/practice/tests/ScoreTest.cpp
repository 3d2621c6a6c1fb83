// Speed, correct characters and accuracy of a submission.
#include <gtest/gtest.h>

#include "Score.h"

using namespace practice;

TEST(Score, WorkedExampleWithOneWrongCharacter) {
  const Score s = ComputeScore({.typedChars = 4, .correctBytes = 7, .seconds = 30, .articleChars = 6});
  EXPECT_EQ(s.typedChars, 4);
  EXPECT_EQ(s.speed, 8);
  EXPECT_EQ(s.correct, 3);
  EXPECT_EQ(s.accuracy, "50.00%");
}

TEST(Score, WorkedExampleWithAnInsertedBlank) {
  const Score s = ComputeScore({.typedChars = 6, .correctBytes = 4, .seconds = 30, .articleChars = 6});
  EXPECT_EQ(s.speed, 12);
  EXPECT_EQ(s.correct, 2);
  EXPECT_EQ(s.accuracy, "33.33%");
}

TEST(Score, SpeedIsTruncatedTowardZero) {
  EXPECT_EQ(ComputeScore({.typedChars = 7, .correctBytes = 0, .seconds = 8, .articleChars = 1}).speed, 52);  // 52.5
  EXPECT_EQ(ComputeScore({.typedChars = 1, .correctBytes = 0, .seconds = 61, .articleChars = 1}).speed, 0);
  // Large counts do not overflow.
  EXPECT_EQ(ComputeScore({.typedChars = 2000000000, .correctBytes = 0, .seconds = 1, .articleChars = 1}).speed,
            120000000000);
}

TEST(Score, AccuracyRoundsToTwoDecimalsWithTiesUp) {
  EXPECT_EQ(FormatPercent(2, 3, "."), "66.67%");
  EXPECT_EQ(FormatPercent(1, 32, "."), "3.13%");  // 3.125
  EXPECT_EQ(FormatPercent(1, 8, "."), "12.50%");
  EXPECT_EQ(FormatPercent(0, 7, "."), "0.00%");
  EXPECT_EQ(FormatPercent(7, 7, "."), "100.00%");
  EXPECT_EQ(FormatPercent(1, 300000, "."), "0.00%");
  EXPECT_EQ(FormatPercent(1, 20000, "."), "0.01%");  // 0.005
}

TEST(Score, AccuracyUsesTheGivenDecimalSeparator) {
  EXPECT_EQ(FormatPercent(1, 3, ","), "33,33%");
  EXPECT_EQ(ComputeScore({.typedChars = 1, .correctBytes = 2, .seconds = 1, .articleChars = 3, .decimalSeparator = ","})
                .accuracy,
            "33,33%");
}

TEST(Score, OddCorrectBytesDropTheHalf) {
  EXPECT_EQ(ComputeScore({.typedChars = 4, .correctBytes = 5, .seconds = 1, .articleChars = 4}).correct, 2);
}

TEST(Score, NoElapsedSecondHasNoSpeed) {
  EXPECT_THROW(ComputeScore({.typedChars = 4, .correctBytes = 8, .seconds = 0, .articleChars = 4}), ScoreUndefined);
}

TEST(Score, AnArticleOfNoCharactersHasNoAccuracy) {
  EXPECT_THROW(ComputeScore({.typedChars = 0, .correctBytes = 0, .seconds = 5, .articleChars = 0}), ScoreUndefined);
}
