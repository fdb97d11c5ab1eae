#include "quiz/scoreboard.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

namespace {

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

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
  const TitleText title = format_title(kTitleFormat, {kMax, kMax});
  EXPECT_EQ(std::u16string(title.data()), u"正确 2147483647 错误 2147483647");
  const TitleText lowest = format_title(kTitleFormat, {-kMax - 1, -kMax - 1});
  EXPECT_EQ(std::u16string(lowest.data()),
            u"正确 -2147483648 错误 -2147483648");
}

TEST(FormatTitle, CutsAtTwentyNineUnitsAndTerminates) {
  const TitleText title =
      format_title(u"正确正确正确 %d 错误错误错误 %d", {kMax, kMax});
  const std::u16string text(title.data());
  EXPECT_EQ(text, u"正确正确正确 2147483647 错误错误错误 2147");
  EXPECT_EQ(text.size(), 29u);
  EXPECT_EQ(title.back(), u'\0');
}

TEST(FormatTitle, KeepsAStrayPercentSign) {
  EXPECT_EQ(std::u16string(format_title(u"%x %d%", {5}).data()), u"%x 5%");
}

}  // namespace
