#include <ctime>

#include "dialogue/console_dialogue.h"
#include "platform/console_text.h"
#include "questions/question_maker.h"
#include "quiz/quiz_loop.h"
#include "quiz/scoreboard.h"

namespace {

// Static: the console stream's buffers are larger than a stack needs to be.
ConsoleDialogue dialogue;

}  // namespace

// The quiz has no options: its arguments are ignored.
int main() {
  dialogue.encoding = console_text_encoding();
  dialogue.stream.read = read_console_input;
  dialogue.stream.write = write_console_output;

  QuestionMaker maker{[] { return std::time(nullptr); }, {}};
  Scoreboard scoreboard;
  QuizLoop loop{maker, dialogue, scoreboard};
  run_quiz(loop);
  return dialogue.stream.output_failed ? 1 : 0;
}
