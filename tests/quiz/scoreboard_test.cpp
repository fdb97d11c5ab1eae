#include "quiz/scoreboard.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

namespace {

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

std::u16string to_u16(std::int32_t n) {
  const std::string digits = std::to_string(n);
  return {digits.begin(), digits.end()};
}

struct RecordedBoard {
  RecordedBoard() {
    board.show_title = [this](const char16_t* title) {
      titles.emplace_back(title);
    };
  }
  Scoreboard board;
  std::vector<std::u16string> titles;
};

TEST(Scoreboard, SetsTheTitleAtTheStartAndAfterEveryVerdict) {
  RecordedBoard b;
  quiz_started(b.board);
  verdict_given(b.board, Verdict::Wrong);
  verdict_given(b.board, Verdict::Correct);
  verdict_given(b.board, Verdict::Correct);
  EXPECT_EQ(b.titles,
            (std::vector<std::u16string>{u"正确 0 错误 0", u"正确 0 错误 1",
                                         u"正确 1 错误 1", u"正确 2 错误 1"}));
}

TEST(Scoreboard, TalliesStopAtTheTop) {
  RecordedBoard b;
  b.board.correct = kMax;
  b.board.wrong = kMax - 1;
  verdict_given(b.board, Verdict::Correct);
  verdict_given(b.board, Verdict::Wrong);
  verdict_given(b.board, Verdict::Wrong);
  EXPECT_EQ(b.board.correct, kMax);
  EXPECT_EQ(b.board.wrong, kMax);
  EXPECT_EQ(b.titles.back(), u"正确 2147483647 错误 2147483647");
}

TEST(FormatTitle, FitsTheLongestTallies) {
  const std::pair<std::int32_t, std::int32_t> cases[] = {
      {0, 0}, {12, 345}, {kMax, kMax}, {-kMax - 1, -kMax - 1}};
  for (auto [correct, wrong] : cases) {
    const TitleText title = format_title(correct, wrong);
    EXPECT_EQ(std::u16string(title.data()),
              u"正确 " + to_u16(correct) + u" 错误 " + to_u16(wrong));
    EXPECT_EQ(title.back(), u'\0');
  }
}

}  // namespace
