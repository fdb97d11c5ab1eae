#include "questions/question_maker.h"

#include <algorithm>

void reseed(Generator& generator, std::uint32_t seed) {
  generator.state = seed;
}

std::int32_t draw(Generator& generator) {
  // Unsigned arithmetic wraps modulo 2^32, which is the generator's modulus.
  generator.state = generator.state * 214013u + 2531011u;
  return static_cast<std::int32_t>((generator.state >> 16) & 0x7fffu);
}

namespace {

void reseed_from_clock(QuestionMaker& maker) {
  reseed(maker.generator, static_cast<std::uint32_t>(maker.clock()));
}

}  // namespace

Question fill_in_question(std::int32_t number, Operation operation,
                          std::int32_t a, std::int32_t b) {
  const std::int32_t larger = std::max(a, b);
  const std::int32_t smaller = std::min(a, b);

  Question q;
  q.number = number;
  q.operation = operation;
  switch (operation) {
    case Operation::Add:
      q.left = a;
      q.right = b;
      q.answer = a + b;
      break;
    case Operation::Subtract:
      q.left = larger;
      q.right = smaller;
      q.answer = larger - smaller;
      break;
    case Operation::Multiply:
      q.left = a;
      q.right = b;
      q.answer = a * b;
      break;
    case Operation::Divide:
      // A zero divisor is shown, and divided by, as 1.
      q.left = larger;
      q.right = smaller == 0 ? 1 : smaller;
      q.answer = q.left / q.right;
      q.remainder = q.left % q.right;
      if (q.remainder != 0) q.form = QuestionForm::QuotientAndRemainder;
      break;
  }
  return q;
}

Question make_question(QuestionMaker& maker, std::int32_t number,
                       std::int32_t bound) {
  reseed_from_clock(maker);
  const auto operation = static_cast<Operation>(draw(maker.generator) % 4);

  // The operand draws come in this order: a is the first.
  reseed_from_clock(maker);
  const std::int32_t a = draw(maker.generator) % bound;
  const std::int32_t b = draw(maker.generator) % bound;
  return fill_in_question(number, operation, a, b);
}
