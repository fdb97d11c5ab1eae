#ifndef QUORVANE_QUESTIONS_QUESTION_H_
#define QUORVANE_QUESTIONS_QUESTION_H_

#include <cstdint>

/// The four operations, numbered by the draw that selects them.
enum class Operation : std::int32_t {
  Add = 0,
  Subtract = 1,
  Multiply = 2,
  Divide = 3
};

/// How many replies a question asks for.
enum class QuestionForm { SingleAnswer, QuotientAndRemainder };

/// One turn's question and its answer key.
///
/// left and right are never negative.  For Subtract and Divide left >= right,
/// but for the 0 / 1 that two zero draws ask; for Divide right >= 1 and
/// left == answer * right + remainder with 0 <= remainder < right.  form is
/// QuotientAndRemainder exactly when a division leaves a remainder.
struct Question {
  std::int32_t number = 0;
  Operation operation = Operation::Add;
  std::int32_t left = 0;
  std::int32_t right = 0;
  std::int32_t answer = 0;     // for Divide, the quotient
  std::int32_t remainder = 0;  // 0 unless a division leaves one
  QuestionForm form = QuestionForm::SingleAnswer;

  friend bool operator==(const Question&, const Question&) = default;
};

/// How a turn's replies were judged.
enum class Verdict { Correct, Wrong };

#endif  // QUORVANE_QUESTIONS_QUESTION_H_
