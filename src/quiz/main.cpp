#include <ctime>
#include <string_view>

#include "dialogue/console_dialogue.h"
#include "platform/console_text.h"
#include "platform/console_title.h"
#include "questions/question_maker.h"
#include "quiz/quiz_loop.h"
#include "quiz/scoreboard.h"

namespace {

// Static: the console stream's buffers are larger than a stack needs to be.
ConsoleDialogue dialogue;

void write_text(std::string_view bytes) {
  put_text(dialogue.stream, bytes);
}

}  // namespace

// The quiz has no options: its arguments are ignored.
int main() {
  dialogue.encoding = console_text_encoding();
  dialogue.stream.read = read_console_input;
  dialogue.stream.write = write_console_output;

  QuestionMaker maker{[] { return std::time(nullptr); }, {}};
  Scoreboard scoreboard;
  if (console_has_title()) {
    scoreboard.show_title = [](const char16_t* title) {
      set_console_title(title, dialogue.encoding, write_text);
    };
  }
  QuizLoop loop{maker, dialogue, scoreboard};
  run_quiz(loop);

  restore_console_title(write_text);
  flush_output(dialogue.stream);
  return dialogue.stream.output_failed ? 1 : 0;
}
