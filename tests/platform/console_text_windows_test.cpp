// What the console receives on Windows: standard output swapped for a
// text-mode pipe, the real write call, and the dialogue with a fixed clock.
#include <fcntl.h>
#include <io.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "dialogue/console_dialogue.h"
#include "platform/console_text.h"
#include "questions/question_maker.h"

namespace {

// Runs `print` with descriptor 1 writing into a text-mode pipe, and returns
// the bytes that came out of it.
template <typename Print>
std::string bytes_written(Print print) {
  int pipe_ends[2];
  EXPECT_EQ(_pipe(pipe_ends, 1 << 16, _O_TEXT), 0);
  const int saved = _dup(1);
  _dup2(pipe_ends[1], 1);
  print();
  _dup2(saved, 1);
  _close(saved);
  _close(pipe_ends[1]);
  _setmode(pipe_ends[0], _O_BINARY);
  std::string bytes;
  char buffer[4096];
  for (int n; (n = _read(pipe_ends[0], buffer, sizeof buffer)) > 0;) {
    bytes.append(buffer, static_cast<std::size_t>(n));
  }
  _close(pipe_ends[0]);
  return bytes;
}

TEST(ConsoleText, WindowsConsoleGetsGbk) {
  EXPECT_EQ(console_text_encoding(), TextEncoding::Gbk);
}

TEST(ConsoleText, LineFeedsGoOutAsCrLf) {
  const std::string bytes =
      bytes_written([] { ASSERT_TRUE(write_console_output("a\nb\n\n", 5)); });
  EXPECT_EQ(bytes, "a\r\nb\r\n\r\n");
}

TEST(ConsoleText, BothQuestionFormsByteForByte) {
  // Second 1700000004 asks 5 / 2 at bound 10, with a remainder, and
  // second 1700000002 asks 9 - 3.
  auto dialogue = std::make_unique<ConsoleDialogue>();
  dialogue->encoding = console_text_encoding();
  const char* typed = "2 1\n7\n";
  dialogue->stream.read = [&typed](char* buffer, std::size_t) {
    if (*typed == '\0') return std::ptrdiff_t{0};
    *buffer = *typed++;
    return std::ptrdiff_t{1};
  };
  dialogue->stream.write = write_console_output;

  const std::string bytes = bytes_written([&] {
    std::time_t second = 1700000004;
    QuestionMaker maker{[&second] { return second; }, {}};
    ask(*dialogue, make_question(maker, 1, 10));
    second = 1700000002;
    ask(*dialogue, make_question(maker, 2, 10));
    flush_output(dialogue->stream);
  });
  EXPECT_EQ(bytes,
            "\r\n(1) 5 \xA1\xC2 2 = ( ) "
            "\xA1\xA4\xA1\xA4\xA1\xA4\xA1\xA4\xA1\xA4\xA1\xA4 ( )\r\n"
            "\xC9\xCC: \xD3\xE0\xCA\xFD: "
            "\xC5\xD0\xB6\xA8: \xD5\xFD\xC8\xB7\r\n"
            "\r\n(2) 9 - 3 = ( )\r\n\xCA\xE4\xC8\xEB: "
            "\xC5\xD0\xB6\xA8: \xB4\xED\xCE\xF3\r\n"
            "\xD5\xFD\xC8\xB7\xB4\xF0\xB0\xB8\xCA\xC7: 6\r\n");
}

}  // namespace
