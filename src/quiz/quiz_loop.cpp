#include "quiz/quiz_loop.h"

#include <limits>

std::int32_t operand_bound(std::int32_t question_number) {
  // In double precision n * 0.2 never falls short of n / 5 at multiples of
  // 5 nor reaches the next whole number elsewhere, so truncating it gives
  // exactly 10 + n / 5.
  return static_cast<std::int32_t>(question_number * 0.2 + 10.0);
}

std::int32_t next_question_number(std::int32_t question_number) {
  return question_number < std::numeric_limits<std::int32_t>::max()
             ? question_number + 1
             : question_number;
}

bool play_turn(QuizLoop& loop) {
  const std::int32_t bound = operand_bound(loop.question_number);
  const Question question =
      make_question(loop.maker, loop.question_number, bound);
  const std::optional<Verdict> verdict = ask(loop.dialogue, question);
  if (!verdict) return false;
  verdict_given(loop.scoreboard, *verdict);
  loop.question_number = next_question_number(loop.question_number);
  return true;
}

void run_quiz(QuizLoop& loop) {
  quiz_started(loop.scoreboard);
  print_banner(loop.dialogue);
  while (play_turn(loop)) {
  }
  end_dialogue(loop.dialogue);
}
