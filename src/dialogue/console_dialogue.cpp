#include "dialogue/console_dialogue.h"

#include "dialogue/format.h"

namespace {

Message question_message(Operation operation) {
  switch (operation) {
    case Operation::Add:
      return Message::AddQuestion;
    case Operation::Subtract:
      return Message::SubtractQuestion;
    case Operation::Multiply:
      return Message::MultiplyQuestion;
    case Operation::Divide:
      break;
  }
  return Message::DivideQuestion;
}

// Reads the reply to `prompt`, which is showing, and shows it again after
// each reply that is no number.  False when the input ends.
bool read_answer(ConsoleDialogue& dialogue, Message prompt,
                 std::int32_t& value) {
  for (;;) {
    switch (read_reply(dialogue.stream, value)) {
      case ReplyStatus::Number:
        return true;
      case ReplyStatus::Ended:
        return false;
      case ReplyStatus::Unreadable:
        print_message(dialogue, prompt);
        break;
    }
  }
}

}  // namespace

void print_message(ConsoleDialogue& dialogue, Message message,
                   std::initializer_list<std::int32_t> numbers) {
  format_text(catalogue_text(dialogue.encoding, message), numbers,
              [&dialogue](std::string_view piece) {
                put_text(dialogue.stream, piece);
              });
}

void print_banner(ConsoleDialogue& dialogue) {
  print_message(dialogue, Message::BannerTitle);
  print_message(dialogue, Message::BannerMaker);
  print_message(dialogue, Message::BannerCopyright);
}

std::optional<Verdict> ask(ConsoleDialogue& dialogue, const Question& q) {
  const bool pair = q.form == QuestionForm::QuotientAndRemainder;
  const Message question =
      pair ? Message::RemainderQuestion : question_message(q.operation);
  print_message(dialogue, question, {q.number, q.left, q.right});

  const Message prompt = pair ? Message::QuotientPrompt : Message::InputPrompt;
  if (pair) print_message(dialogue, prompt);
  std::int32_t answer = 0;
  if (!read_answer(dialogue, prompt, answer)) return std::nullopt;

  // A single answer leaves the remainder at 0, which is what it expects.
  std::int32_t remainder = 0;
  if (pair) {
    print_message(dialogue, Message::RemainderPrompt);
    if (!read_answer(dialogue, Message::RemainderPrompt, remainder)) {
      return std::nullopt;
    }
  }

  if (answer == q.answer && remainder == q.remainder) {
    print_message(dialogue, Message::VerdictCorrect);
    return Verdict::Correct;
  }
  if (pair) {
    print_message(dialogue, Message::VerdictWrongPair, {q.answer, q.remainder});
  } else {
    print_message(dialogue, Message::VerdictWrong, {q.answer});
  }
  return Verdict::Wrong;
}

void end_dialogue(ConsoleDialogue& dialogue) {
  print_message(dialogue, Message::InputEnded);
  flush_output(dialogue.stream);
}
