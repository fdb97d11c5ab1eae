#ifndef QUORVANE_QUIZ_QUIZ_LOOP_H_
#define QUORVANE_QUIZ_QUIZ_LOOP_H_

#include <cstdint>

#include "dialogue/console_dialogue.h"
#include "questions/question_maker.h"
#include "quiz/scoreboard.h"

/// The one driver of the quiz: turn after turn, until the input ends.
struct QuizLoop {
  QuestionMaker& maker;
  ConsoleDialogue& dialogue;
  Scoreboard& scoreboard;
  std::int32_t question_number = 1;
};

/// The operands of question `number` lie in 0 ... operand_bound(number) - 1:
/// 10 + number / 5, for every number an int32 holds.
std::int32_t operand_bound(std::int32_t question_number);

/// The number after `question_number`.  At the top of the range it stays
/// there: the counter never overflows.
std::int32_t next_question_number(std::int32_t question_number);

/// Asks one question and counts its verdict.  False when the input ended
/// instead.
bool play_turn(QuizLoop& loop);

/// Starts the quiz and plays it until the input ends.
void run_quiz(QuizLoop& loop);

#endif  // QUORVANE_QUIZ_QUIZ_LOOP_H_
