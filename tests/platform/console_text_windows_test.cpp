// What a pipe gets on Windows, and what it gives: standard output and
// input swapped for pipes, the real read and write calls, and the dialogue
// with a fixed clock.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "dialogue/console_dialogue.h"
#include "platform/console_text.h"
#include "questions/question_maker.h"

namespace {

struct Pipe {
  Pipe() { EXPECT_TRUE(CreatePipe(&read_end, &write_end, nullptr, 1 << 16)); }
  ~Pipe() {
    if (read_end != nullptr) CloseHandle(read_end);
    if (write_end != nullptr) CloseHandle(write_end);
  }
  void close_write_end() {
    CloseHandle(write_end);
    write_end = nullptr;
  }
  HANDLE read_end = nullptr;
  HANDLE write_end = nullptr;
};

// Runs `print` with standard output going into a pipe, and returns the
// bytes that came out of it.
template <typename Print>
std::string bytes_written(Print print) {
  Pipe pipe;
  const HANDLE saved = GetStdHandle(STD_OUTPUT_HANDLE);
  SetStdHandle(STD_OUTPUT_HANDLE, pipe.write_end);
  print();
  SetStdHandle(STD_OUTPUT_HANDLE, saved);
  pipe.close_write_end();
  std::string bytes;
  char buffer[4096];
  DWORD n;
  while (ReadFile(pipe.read_end, buffer, sizeof buffer, &n, nullptr) && n > 0) {
    bytes.append(buffer, n);
  }
  return bytes;
}

TEST(ConsoleText, WindowsTextIsGbk) {
  EXPECT_EQ(console_text_encoding(), TextEncoding::Gbk);
}

TEST(ConsoleText, APipeGetsGbkWithCrLf) {
  const std::string bytes = bytes_written([] {
    ASSERT_TRUE(write_console_output("a\nb\n\n\xC9", 6));
    ASSERT_TRUE(write_console_output("\xCC\n", 2));
  });
  EXPECT_EQ(bytes, "a\r\nb\r\n\r\n\xC9\xCC\r\n");
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

TEST(ConsoleText, ACtrlZBytePipedInEndsTheInput) {
  Pipe pipe;
  const char typed[] = "12\r\n3\x1A 4\r\n";
  DWORD written;
  ASSERT_TRUE(
      WriteFile(pipe.write_end, typed, sizeof typed - 1, &written, nullptr));
  const HANDLE saved = GetStdHandle(STD_INPUT_HANDLE);
  SetStdHandle(STD_INPUT_HANDLE, pipe.read_end);
  char buffer[64];
  const std::ptrdiff_t first = read_console_input(buffer, sizeof buffer);
  const std::ptrdiff_t second = read_console_input(buffer + 16, 16);
  SetStdHandle(STD_INPUT_HANDLE, saved);
  ASSERT_EQ(first, 5);
  EXPECT_EQ(std::string(buffer, 5), "12\r\n3");
  EXPECT_EQ(second, 0);
}

}  // namespace
