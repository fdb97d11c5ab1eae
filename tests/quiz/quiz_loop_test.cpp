#include "quiz/quiz_loop.h"

#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <string>

#include "../dialogue/console_fixture.h"

namespace {

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

TEST(OperandBound, GrowsByOneEveryFiveQuestions) {
  const std::pair<std::int32_t, std::int32_t> cases[] = {{1, 10},
                                                         {4, 10},
                                                         {5, 11},
                                                         {9, 11},
                                                         {10, 12},
                                                         {14, 12},
                                                         {100, 30},
                                                         {104, 30},
                                                         {105, 31},
                                                         {kMax, 429496739},
                                                         {kMax - 7, 429496738},
                                                         {kMax - 8, 429496737}};
  for (auto [number, bound] : cases) {
    EXPECT_EQ(operand_bound(number), bound) << "question " << number;
  }
}

TEST(OperandBound, IsTenPlusAFifthOverTheWholeRange) {
  for (std::int64_t n = 1; n <= kMax; n += n < 1000000 ? 1 : 9973) {
    const auto number = static_cast<std::int32_t>(n);
    ASSERT_EQ(operand_bound(number), 10 + number / 5) << number;
  }
  for (std::int32_t number = kMax - 100; number < kMax; ++number) {
    ASSERT_EQ(operand_bound(number), 10 + number / 5) << number;
  }
}

TEST(QuestionNumber, CountsUpAndStopsAtTheTop) {
  EXPECT_EQ(next_question_number(1), 2);
  EXPECT_EQ(next_question_number(kMax - 1), kMax);
  EXPECT_EQ(next_question_number(kMax), kMax);
}

struct Quiz {
  Quiz(std::time_t second, std::vector<std::string> typed)
      : console(std::move(typed)),
        dialogue(std::make_unique<ConsoleDialogue>()),
        maker{[second] { return second; }, {}},
        loop{maker, *dialogue, scoreboard} {
    attach(dialogue->stream, console);
    // Each title goes into the text as [..], its Chinese shown as #, to
    // show when it was set.
    scoreboard.show_title = [this](const char16_t* title) {
      std::string shown = "[";
      for (; *title != u'\0'; ++title) {
        shown += *title < 0x80 ? static_cast<char>(*title) : '#';
      }
      put_text(dialogue->stream, shown + "]");
    };
  }

  FakeConsole console;
  std::unique_ptr<ConsoleDialogue> dialogue;
  QuestionMaker maker;
  Scoreboard scoreboard;
  QuizLoop loop;
};

TEST(QuizLoop, PlaysNumberedTurnsUntilTheInputEnds) {
  // Within second 1700000002 every question subtracts the same draws:
  // 9 - 3 at bound 10, 6 - 1 from question 5 on, at bound 11.
  Quiz quiz(1700000002, {"6\n", "0\n", "6 6\n", "5 3"});
  run_quiz(quiz.loop);
  const std::string& shown = quiz.console.output;
  const std::string start = "[## 0 ## 0]Quorvane V0.1.0\n";
  EXPECT_EQ(shown.substr(0, start.size()), start);
  EXPECT_EQ(shown.substr(shown.find("\n(1)")),
            "\n(1) 9 - 3 = ( )\n输入: 判定: 正确\n[## 1 ## 0]"
            "\n(2) 9 - 3 = ( )\n输入: 判定: 错误\n正确答案是: 6\n[## 1 ## 1]"
            "\n(3) 9 - 3 = ( )\n输入: 判定: 正确\n[## 2 ## 1]"
            "\n(4) 9 - 3 = ( )\n输入: 判定: 正确\n[## 3 ## 1]"
            "\n(5) 6 - 1 = ( )\n输入: 判定: 正确\n[## 4 ## 1]"
            "\n(6) 6 - 1 = ( )\n输入: 判定: 错误\n正确答案是: 5\n[## 4 ## 2]"
            "\n(7) 6 - 1 = ( )\n输入: \n");
  EXPECT_EQ(quiz.scoreboard.correct, 4);
  EXPECT_EQ(quiz.scoreboard.wrong, 2);
  EXPECT_EQ(quiz.loop.question_number, 7);
}

TEST(QuizLoop, QuestionCounterHoldsAtTheTop) {
  Quiz quiz(1700000002, {"0 0\n"});
  quiz.loop.question_number = kMax;
  EXPECT_TRUE(play_turn(quiz.loop));
  EXPECT_TRUE(play_turn(quiz.loop));
  EXPECT_FALSE(play_turn(quiz.loop));
  EXPECT_EQ(quiz.loop.question_number, kMax);
  EXPECT_EQ(quiz.scoreboard.wrong, 2);
  flush_output(quiz.dialogue->stream);
  // Two turns answered and a third asked, all under the top number.
  const std::string& shown = quiz.console.output;
  std::size_t asked = 0;
  for (std::size_t at = shown.find("\n(2147483647) "); at != std::string::npos;
       at = shown.find("\n(2147483647) ", at + 1)) {
    ++asked;
  }
  EXPECT_EQ(asked, 3u);
}

}  // namespace
