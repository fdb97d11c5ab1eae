#include "questions/question_maker.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<std::int32_t> first_draws(std::uint32_t seed, int count) {
  Generator generator;
  reseed(generator, seed);
  std::vector<std::int32_t> draws;
  for (int i = 0; i < count; ++i) draws.push_back(draw(generator));
  return draws;
}

TEST(Generator, KnownSequences) {
  // Seed 1's second, fourth and fifth states have their top bit set: the
  // draw is bits 16 to 30 alone.
  EXPECT_EQ(first_draws(1, 5),
            (std::vector<std::int32_t>{41, 18467, 6334, 26500, 19169}));
  EXPECT_EQ(first_draws(0, 3), (std::vector<std::int32_t>{38, 7719, 21238}));
  EXPECT_EQ(first_draws(0xFFFFFFFFu, 4),
            (std::vector<std::int32_t>{35, 29739, 3374, 11141}));
}

TEST(Generator, ReseedingRestartsTheSequence) {
  Generator generator;
  reseed(generator, 1700000000u);
  const std::int32_t first = draw(generator);
  draw(generator);
  reseed(generator, 1700000000u);
  EXPECT_EQ(draw(generator), first);
}

struct FillInCase {
  Operation operation;
  std::int32_t a, b;
  std::int32_t left, right, answer, remainder;
  QuestionForm form;
};

constexpr auto kOne = QuestionForm::SingleAnswer;
constexpr auto kPair = QuestionForm::QuotientAndRemainder;

const FillInCase kFillInCases[] = {
    // Addition and multiplication keep the order drawn.
    FillInCase{Operation::Add, 9, 4, 9, 4, 13, 0, kOne},
    FillInCase{Operation::Add, 4, 9, 4, 9, 13, 0, kOne},
    FillInCase{Operation::Multiply, 2, 9, 2, 9, 18, 0, kOne},
    FillInCase{Operation::Multiply, 9, 9, 9, 9, 81, 0, kOne},
    // Subtraction shows the larger first, so it is never negative.
    FillInCase{Operation::Subtract, 3, 8, 8, 3, 5, 0, kOne},
    FillInCase{Operation::Subtract, 8, 3, 8, 3, 5, 0, kOne},
    FillInCase{Operation::Subtract, 6, 6, 6, 6, 0, 0, kOne},
    // Division: the larger is the dividend, in either order.
    FillInCase{Operation::Divide, 2, 7, 7, 2, 3, 1, kPair},
    FillInCase{Operation::Divide, 7, 2, 7, 2, 3, 1, kPair},
    FillInCase{Operation::Divide, 3, 6, 6, 3, 2, 0, kOne},
    FillInCase{Operation::Divide, 5, 5, 5, 5, 1, 0, kOne},
    // A zero divisor is shown and divided by as 1.
    FillInCase{Operation::Divide, 5, 0, 5, 1, 5, 0, kOne},
    FillInCase{Operation::Divide, 0, 5, 5, 1, 5, 0, kOne},
    FillInCase{Operation::Divide, 0, 0, 0, 1, 0, 0, kOne},
    // The largest operands the generator can give do not overflow.
    FillInCase{Operation::Multiply, 32767, 32767, 32767, 32767, 1073676289, 0,
               kOne},
};

TEST(FillIn, FollowsTheOperationsRules) {
  for (const FillInCase& c : kFillInCases) {
    const Question q = fill_in_question(7, c.operation, c.a, c.b);
    SCOPED_TRACE(testing::Message()
                 << "operation " << static_cast<int>(c.operation) << ", draws "
                 << c.a << " and " << c.b);
    EXPECT_EQ(q.number, 7);
    EXPECT_EQ(q.operation, c.operation);
    EXPECT_EQ(q.left, c.left);
    EXPECT_EQ(q.right, c.right);
    EXPECT_EQ(q.answer, c.answer);
    EXPECT_EQ(q.remainder, c.remainder);
    EXPECT_EQ(q.form, c.form);
  }
}

TEST(MakeQuestion, DrawsTheOperationThenTheOperandsFromTheClock) {
  QuestionMaker maker{[] { return std::time_t{1700000004}; }, {}};
  // Seed 1700000004 draws 28475 (28475 mod 4 is 3: Divide), then 28475
  // and 11252 again for the operands: 5 and 2 at bound 10, 7 and 10 at 11.
  const Question q = make_question(maker, 3, 10);
  EXPECT_EQ(q, fill_in_question(3, Operation::Divide, 5, 2));
  EXPECT_EQ(q.form, QuestionForm::QuotientAndRemainder);

  const Question later = make_question(maker, 5, 11);
  EXPECT_EQ(later, fill_in_question(5, Operation::Divide, 7, 10));
}

struct SecondCase {
  std::time_t second;
  Question question;  // question 1, at bound 10
};

// One second for each operation and, where the order shows, each order of
// the operand draws: a second asks exactly its question.
const SecondCase kSecondCases[] = {
    {1700000003, {1, Operation::Add, 2, 4, 6, 0, kOne}},
    {1700000014, {1, Operation::Add, 8, 2, 10, 0, kOne}},
    {1700000000, {1, Operation::Multiply, 2, 7, 14, 0, kOne}},
    {1700000001, {1, Operation::Multiply, 6, 5, 30, 0, kOne}},
    {1700000002, {1, Operation::Subtract, 9, 3, 6, 0, kOne}},
    {1700000007, {1, Operation::Subtract, 9, 5, 4, 0, kOne}},
    {1700000004, {1, Operation::Divide, 5, 2, 2, 1, kPair}},
    {1700000010, {1, Operation::Divide, 7, 5, 1, 2, kPair}},
};

TEST(MakeQuestion, EachSecondAsksItsOwnQuestion) {
  for (const SecondCase& c : kSecondCases) {
    QuestionMaker maker{[&c] { return c.second; }, {}};
    EXPECT_EQ(make_question(maker, 1, 10), c.question) << c.second;
  }
}

TEST(MakeQuestion, QuestionsInOneSecondRepeatApartFromTheirNumber) {
  QuestionMaker maker{[] { return std::time_t{1700000002}; }, {}};
  Question first = make_question(maker, 1, 10);
  Question second = make_question(maker, 2, 10);
  EXPECT_EQ(first, fill_in_question(1, Operation::Subtract, 9, 3));
  second.number = first.number;
  EXPECT_EQ(first, second);
}

TEST(MakeQuestion, EachDrawGroupReadsTheClockAgain) {
  // The second ends between the two groups: the operation comes from one
  // second, the operands from the next.
  std::time_t now = 1700000004;
  QuestionMaker maker{[&now] { return now++; }, {}};
  EXPECT_EQ(make_question(maker, 1, 10),
            fill_in_question(1, Operation::Divide, 9, 1));
  EXPECT_EQ(now, 1700000006);
}

TEST(MakeQuestion, SeedIsTheClockCutToThirtyTwoBits) {
  QuestionMaker wide{[] { return std::time_t{(std::time_t{1} << 32) + 1}; },
                     {}};
  QuestionMaker narrow{[] { return std::time_t{1}; }, {}};
  EXPECT_EQ(make_question(wide, 1, 10), make_question(narrow, 1, 10));
  // Seed 1 draws 41: Subtract; then 41 and 18467: operands 1 and 7.
  EXPECT_EQ(make_question(narrow, 1, 10),
            fill_in_question(1, Operation::Subtract, 1, 7));
}

TEST(MakeQuestion, OperandsStayBelowTheBound) {
  std::time_t now = 0;
  QuestionMaker maker{[&now] { return now++; }, {}};
  for (int i = 0; i < 2000; ++i) {
    const Question q = make_question(maker, 1, 10);
    ASSERT_LE(q.left, 9);
    ASSERT_GE(q.right, 0);
    ASSERT_LE(q.right, 9);
  }
}

}  // namespace
