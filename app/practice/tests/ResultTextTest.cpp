// The result message of a submission.
#include <gtest/gtest.h>

#include "ResultText.h"

using namespace practice;

TEST(ResultText, FourteenPiecesWithLineFeedCarriageReturnBreaks) {
  Score s;
  s.typedChars = 6;
  s.speed = 12;
  s.correct = 2;
  s.accuracy = "33.33%";
  EXPECT_EQ(ResultText(s),
            "考试时间到！\n\r\n\r输入：6字    平均速度(不计错误)：12字/分\n\r"
            "正确：2字    正确率：33.33%\n\r\n\r"
            "注意：软件没有人工智能，错位均属错误，正确率仅供参考，实际考试是人工评定成绩。");
}

TEST(ResultText, LargeSpeedsAreWrittenInFull) {
  Score s;
  s.speed = 120000000000;
  s.accuracy = "0.00%";
  EXPECT_NE(ResultText(s).find("：120000000000字/分"), std::string::npos);
}
