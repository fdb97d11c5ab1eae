#ifndef QUORVANE_DIALOGUE_CONSOLE_DIALOGUE_H_
#define QUORVANE_DIALOGUE_CONSOLE_DIALOGUE_H_

#include <cstdint>
#include <initializer_list>
#include <optional>

#include "dialogue/catalogue.h"
#include "dialogue/console_stream.h"
#include "dialogue/text_encoding.h"
#include "questions/question.h"

/// Everything the user sees and types: the catalogue's texts in the
/// console's character set, over one console stream.
struct ConsoleDialogue {
  TextEncoding encoding = TextEncoding::Utf8;
  ConsoleStream stream;
};

/// Formats a catalogue text, each %d taking the next of `numbers`, and
/// appends it to the output.
void print_message(ConsoleDialogue& dialogue, Message message,
                   std::initializer_list<std::int32_t> numbers = {});

void print_banner(ConsoleDialogue& dialogue);

/// Prints the question, reads its reply or replies and prints the verdict
/// line.  Returns no verdict when the input ends first.
std::optional<Verdict> ask(ConsoleDialogue& dialogue, const Question& question);

/// Ends the line the last prompt left open and writes out all output.
void end_dialogue(ConsoleDialogue& dialogue);

#endif  // QUORVANE_DIALOGUE_CONSOLE_DIALOGUE_H_
