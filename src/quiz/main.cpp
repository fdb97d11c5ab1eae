#include <ctime>

#include "dialogue/console_dialogue.h"
#include "platform/console_text.h"
#include "platform/console_title.h"
#include "questions/question_maker.h"
#include "quiz/quiz_loop.h"
#include "quiz/scoreboard.h"

// The quiz has no options: its arguments are ignored.
int main() {
  ConsoleDialogue dialogue;
  dialogue.encoding = console_text_encoding();
  dialogue.stream.read = read_console_input;
  dialogue.stream.write = write_console_output;

  QuestionMaker maker{[] { return std::time(nullptr); }, {}};
  Scoreboard scoreboard;
  const bool has_title = console_has_title();
  if (has_title) {
    open_console_title();
    // The title goes to the console at once, after the text before it.
    scoreboard.show_title = [&dialogue](const char16_t* title) {
      flush_output(dialogue.stream);
      show_console_title(title);
    };
  }
  QuizLoop loop{maker, dialogue, scoreboard};
  run_quiz(loop);

  if (has_title) close_console_title();
  return dialogue.stream.output_failed ? 1 : 0;
}
