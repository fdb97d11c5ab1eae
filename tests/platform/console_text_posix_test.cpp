// What the terminal receives elsewhere: standard output swapped for a pipe
// and the real write and read calls.
#include <unistd.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/console_text.h"

namespace {

struct Pipe {
  Pipe() { EXPECT_EQ(pipe(ends), 0); }
  ~Pipe() {
    close(ends[0]);
    close(ends[1]);
  }
  int ends[2];
};

TEST(ConsoleText, BytesGoOutUnchanged) {
  Pipe p;
  const int saved = dup(STDOUT_FILENO);
  dup2(p.ends[1], STDOUT_FILENO);
  const bool written = write_console_output("a\nb\r\n\xA1\xC1", 7);
  dup2(saved, STDOUT_FILENO);
  close(saved);
  ASSERT_TRUE(written);
  char buffer[16];
  ASSERT_EQ(read(p.ends[0], buffer, sizeof buffer), 7);
  EXPECT_EQ(std::string(buffer, 7), "a\nb\r\n\xA1\xC1");
}

TEST(ConsoleText, ReadsWhatIsReadyAndThenTheEnd) {
  Pipe p;
  const int saved = dup(STDIN_FILENO);
  dup2(p.ends[0], STDIN_FILENO);
  ASSERT_EQ(write(p.ends[1], "12 3\n", 5), 5);
  close(p.ends[1]);
  p.ends[1] = dup(p.ends[0]);  // something for the destructor to close
  char buffer[64];
  const std::ptrdiff_t first = read_console_input(buffer, sizeof buffer);
  const std::ptrdiff_t second = read_console_input(buffer, sizeof buffer);
  dup2(saved, STDIN_FILENO);
  close(saved);
  EXPECT_EQ(first, 5);
  EXPECT_EQ(second, 0);
}

}  // namespace
