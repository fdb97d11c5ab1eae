#include "dialogue/console_dialogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "console_fixture.h"
#include "questions/question_maker.h"

namespace {

struct Dialogue {
  explicit Dialogue(std::vector<std::string> typed,
                    TextEncoding encoding = TextEncoding::Utf8)
      : console(std::move(typed)),
        dialogue(std::make_unique<ConsoleDialogue>()) {
    dialogue->encoding = encoding;
    attach(dialogue->stream, console);
  }

  std::optional<Verdict> ask(const Question& q) { return ::ask(*dialogue, q); }

  const std::string& shown() {
    flush_output(dialogue->stream);
    return console.output;
  }

  FakeConsole console;
  std::unique_ptr<ConsoleDialogue> dialogue;
};

Question question(std::int32_t number, Operation op, std::int32_t a,
                  std::int32_t b) {
  return fill_in_question(number, op, a, b);
}

TEST(ConsoleDialogue, WrongExactDivisionThenRightRemainderQuestion) {
  Dialogue d({"3\n", "3\n", "1\n"});
  EXPECT_EQ(d.ask(question(3, Operation::Divide, 8, 4)), Verdict::Wrong);
  EXPECT_EQ(d.ask(question(4, Operation::Divide, 7, 2)), Verdict::Correct);
  EXPECT_EQ(d.shown(),
            "\n(3) 8 ÷ 4 = ( )\n输入: "
            "判定: 错误\n正确答案是: 2\n"
            "\n(4) 7 ÷ 2 = ( ) ······ ( )\n商: 余数: "
            "判定: 正确\n");
}

TEST(ConsoleDialogue, TheSameExchangeInGbk) {
  Dialogue d({"6\n"}, TextEncoding::Gbk);
  EXPECT_EQ(d.ask(question(12, Operation::Multiply, 2, 3)), Verdict::Correct);
  EXPECT_EQ(d.shown(),
            "\n(12) 2 \xA1\xC1 3 = ( )\n\xCA\xE4\xC8\xEB: "
            "\xC5\xD0\xB6\xA8: \xD5\xFD\xC8\xB7\n");
}

struct VerdictCase {
  std::string name;
  Question question;
  std::string typed;
  Verdict verdict;
  std::string verdict_line;
};

const std::string kRight = "判定: 正确\n";

const VerdictCase kVerdictCases[] = {
    VerdictCase{"AddRight", question(1, Operation::Add, 4, 9), "13\n",
                Verdict::Correct, "= ( )\n输入: " + kRight},
    VerdictCase{"SubtractWrong", question(1, Operation::Subtract, 3, 8), "-5\n",
                Verdict::Wrong, "判定: 错误\n正确答案是: 5\n"},
    VerdictCase{"RemainderRightQuotientWrong",
                question(1, Operation::Divide, 7, 2), "2 1\n", Verdict::Wrong,
                "判定: 错误\n正确答案是: 3 1\n"},
    VerdictCase{"QuotientRightRemainderWrong",
                question(1, Operation::Divide, 7, 2), "3 0\n", Verdict::Wrong,
                "判定: 错误\n正确答案是: 3 1\n"},
    VerdictCase{"BothOnOneLine", question(1, Operation::Divide, 7, 2), "3 1\n",
                Verdict::Correct, "商: 余数: " + kRight},
    VerdictCase{"ZeroDivisorShownAsOne", question(1, Operation::Divide, 0, 5),
                "5\n", Verdict::Correct, "(1) 5 ÷ 1 = ( )\n输入: " + kRight},
};

TEST(ConsoleDialogue, JudgesEveryReply) {
  for (const VerdictCase& c : kVerdictCases) {
    SCOPED_TRACE(c.name);
    Dialogue d({c.typed});
    EXPECT_EQ(d.ask(c.question), c.verdict);
    const std::string& shown = d.shown();
    ASSERT_GE(shown.size(), c.verdict_line.size());
    EXPECT_EQ(shown.substr(shown.size() - c.verdict_line.size()),
              c.verdict_line);
  }
}

TEST(ConsoleDialogue, UnreadableReplyShowsTheWaitingPromptAgain) {
  Dialogue d({"x\n", "3\n", "+\n", "99999999999\n", "1\n", "oops\n", "8\n"});
  EXPECT_EQ(d.ask(question(1, Operation::Divide, 7, 2)), Verdict::Correct);
  EXPECT_EQ(d.ask(question(2, Operation::Add, 4, 4)), Verdict::Correct);
  EXPECT_EQ(d.shown(),
            "\n(1) 7 ÷ 2 = ( ) ······ ( )\n"
            "商: 商: 余数: 余数: 余数: " +
                kRight + "\n(2) 4 + 4 = ( )\n输入: 输入: " + kRight);
}

TEST(ConsoleDialogue, SurplusReplyAnswersTheNextQuestion) {
  Dialogue d({"3 7\n"});
  EXPECT_EQ(d.ask(question(1, Operation::Add, 1, 2)), Verdict::Correct);
  EXPECT_EQ(d.ask(question(2, Operation::Add, 3, 4)), Verdict::Correct);
  EXPECT_EQ(d.console.events.front(), "write:\n(1) 1 + 2 = ( )\n输入: ");
  EXPECT_EQ(std::count(d.console.events.begin(), d.console.events.end(),
                       std::string("read")),
            1);
}

TEST(ConsoleDialogue, EndOfInputGivesNoVerdict) {
  for (std::vector<std::string> typed :
       {std::vector<std::string>{}, {"junk"}, {"3"}}) {
    Dialogue d(typed);
    EXPECT_EQ(d.ask(question(1, Operation::Divide, 7, 2)), std::nullopt);
    EXPECT_EQ(d.shown().find("判定"), std::string::npos);
  }
}

TEST(ConsoleDialogue, EndLeavesTheCursorOnAFreshLine) {
  Dialogue d({});
  EXPECT_EQ(d.ask(question(1, Operation::Add, 1, 1)), std::nullopt);
  end_dialogue(*d.dialogue);
  EXPECT_EQ(d.console.output, "\n(1) 1 + 1 = ( )\n输入: \n");
}

TEST(ConsoleDialogue, BannerIsThreeLinesEndingInLineFeeds) {
  Dialogue d({});
  print_banner(*d.dialogue);
  const std::string& shown = d.shown();
  EXPECT_EQ(shown.rfind("Quorvane V0.1.0\n", 0), 0u);
  EXPECT_EQ(std::count(shown.begin(), shown.end(), '\n'), 3);
  EXPECT_EQ(shown.back(), '\n');
}

TEST(ConsoleDialogue, NumbersAreFormattedInFull) {
  Dialogue d({});
  print_message(*d.dialogue, Message::VerdictWrongPair,
                {2147483647, -2147483647 - 1});
  EXPECT_EQ(d.shown(), "判定: 错误\n正确答案是: 2147483647 -2147483648\n");
}

}  // namespace
