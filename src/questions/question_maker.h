#ifndef QUORVANE_QUESTIONS_QUESTION_MAKER_H_
#define QUORVANE_QUESTIONS_QUESTION_MAKER_H_

#include <cstdint>
#include <ctime>
#include <functional>

#include "questions/question.h"

/// The calendar clock in whole seconds.  The program passes the system's;
/// tests pass one that stands still or steps as they need.
using Clock = std::function<std::time_t()>;

/// The program's own pseudo-random generator, a linear congruential one, so
/// that a given second yields the same questions on every system.  Every
/// draw lies in 0 ... kLargestDraw, which keeps every answer far from
/// overflow.
struct Generator {
  std::uint32_t state = 0;
};

inline constexpr std::int32_t kLargestDraw = 32767;

void reseed(Generator& generator, std::uint32_t seed);
std::int32_t draw(Generator& generator);

/// The question that draws a and b, in that order, make for `operation`:
/// the larger first for Subtract and Divide, and a zero divisor shown as 1.
Question fill_in_question(std::int32_t number, Operation operation,
                          std::int32_t a, std::int32_t b);

/// Makes the one question of a turn.  Every group of draws starts afresh
/// from the clock, so questions made within one second repeat each other.
struct QuestionMaker {
  Clock clock;
  Generator generator;
};

/// Makes question `number` with operands drawn from 0 ... bound - 1; bound
/// is at least 1.  Operands never exceed kLargestDraw whatever the bound, so
/// no sum or product overflows.
Question make_question(QuestionMaker& maker, std::int32_t number,
                       std::int32_t bound);

#endif  // QUORVANE_QUESTIONS_QUESTION_MAKER_H_
