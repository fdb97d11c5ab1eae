#include "quiz/scoreboard.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

TEST(Scoreboard, CountsEachVerdictOnce) {
  Scoreboard board;
  quiz_started(board);
  EXPECT_EQ(board.correct, 0);
  EXPECT_EQ(board.wrong, 0);
  verdict_given(board, Verdict::Wrong);
  verdict_given(board, Verdict::Correct);
  verdict_given(board, Verdict::Wrong);
  EXPECT_EQ(board.correct, 1);
  EXPECT_EQ(board.wrong, 2);
}

TEST(Scoreboard, TalliesStopAtTheTop) {
  constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
  Scoreboard board{kMax, kMax - 1};
  verdict_given(board, Verdict::Correct);
  verdict_given(board, Verdict::Wrong);
  verdict_given(board, Verdict::Wrong);
  EXPECT_EQ(board.correct, kMax);
  EXPECT_EQ(board.wrong, kMax);
}

}  // namespace
