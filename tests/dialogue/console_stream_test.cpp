#include "dialogue/console_stream.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "console_fixture.h"

namespace {

using namespace std::string_literals;

// One reply as the reader sees it: a number, or "?" for unreadable.
std::vector<std::string> read_all(FakeConsole& console) {
  auto stream = make_stream(console);
  std::vector<std::string> replies;
  for (;;) {
    std::int32_t value = -99;
    switch (read_reply(*stream, value)) {
      case ReplyStatus::Number:
        replies.push_back(std::to_string(value));
        break;
      case ReplyStatus::Unreadable:
        replies.push_back("?");
        break;
      case ReplyStatus::Ended:
        return replies;
    }
  }
}

struct ReaderCase {
  std::string name;
  std::vector<std::string> chunks;
  std::vector<std::string> replies;
};

const ReaderCase kReaderCases[] = {
    ReaderCase{"Plain", {"5\n"}, {"5"}},
    ReaderCase{"EmptyLinesAndSpaces", {"\n", "\n", " \t 42 \n"}, {"42"}},
    ReaderCase{
        "SignsAndLeadingZeros", {"+5 005 -3 -0\n"}, {"5", "5", "-3", "0"}},
    ReaderCase{"SeveralOnOneLine", {"3 1\n"}, {"3", "1"}},
    ReaderCase{"NoDigitGrouping", {"1,000\n", "4\n"}, {"1", "?", "4"}},
    ReaderCase{"NoHexadecimal", {"0x1F\n"}, {"0", "?"}},
    ReaderCase{"NoDigitsDropsTheLine", {"abc 5\n", "7\n"}, {"?", "7"}},
    ReaderCase{"LoneSign", {"+\n", "4\n"}, {"?", "4"}},
    ReaderCase{"SignThenSpace", {"- 4\n", "9\n"}, {"?", "9"}},
    ReaderCase{"TwoSigns", {"--5\n", "3\n"}, {"?", "3"}},
    ReaderCase{
        "Limits", {"2147483647 -2147483648\n"}, {"2147483647", "-2147483648"}},
    ReaderCase{"AboveRange", {"2147483648 8\n", "6\n"}, {"?", "6"}},
    ReaderCase{"BelowRange", {"-2147483649\n"}, {"?"}},
    ReaderCase{
        "ManyDigits", {std::string(1000, '9') + " 1\n", "2\n"}, {"?", "2"}},
    ReaderCase{"NumberRunsToTheEnd", {"12"}, {"12"}},
    ReaderCase{"NumberSplitAcrossReads", {"1", "23", "4\n"}, {"1234"}},
    ReaderCase{"GarbageRunsToTheEnd", {"abc"}, {}},
    ReaderCase{"SignAtTheEnd", {"-"}, {}},
    ReaderCase{"Nothing", {}, {}},
    ReaderCase{
        "CarriageReturnLines", {"7\r8\r", "x\r5\r"}, {"7", "8", "?", "5"}},
    ReaderCase{"CrLfLines", {"x\r\n5\r\n"}, {"?", "5"}},
    ReaderCase{"NulByte", {"\0\n5\n"s}, {"?", "5"}},
    ReaderCase{"TextInGbkAndUtf8",
               {"\xCA\xE4\xC8\xEB 1\n", "\xE8\xBE\x93 2\n", "3\n"},
               {"?", "?", "3"}},
    ReaderCase{"LongLineWithoutDigits",
               {std::string(100000, 'x') + "\n", "7\n"},
               {"?", "7"}},
};

TEST(Reader, ReadsRepliesAsDecimalIntegers) {
  for (const ReaderCase& c : kReaderCases) {
    FakeConsole console(c.chunks);
    EXPECT_EQ(read_all(console), c.replies) << c.name;
  }
}

TEST(ConsoleStream, ReadErrorCountsAsTheEnd) {
  auto stream = std::make_unique<ConsoleStream>();
  int reads = 0;
  stream->read = [&reads](char*, std::size_t) -> std::ptrdiff_t {
    ++reads;
    return -1;
  };
  stream->write = [](const char*, std::size_t) { return true; };
  std::int32_t value = 0;
  EXPECT_EQ(read_reply(*stream, value), ReplyStatus::Ended);
  EXPECT_EQ(read_reply(*stream, value), ReplyStatus::Ended);
  EXPECT_EQ(reads, 1) << "once ended, input is not read again";
}

TEST(ConsoleStream, OutputIsWrittenBeforeEveryWait) {
  FakeConsole console({"1\n", "2\n"});
  auto stream = make_stream(console);
  std::int32_t value = 0;
  put_text(*stream, "first? ");
  ASSERT_EQ(read_reply(*stream, value), ReplyStatus::Number);
  put_text(*stream, "second? ");
  ASSERT_EQ(read_reply(*stream, value), ReplyStatus::Number);
  EXPECT_EQ(console.events,
            (std::vector<std::string>{"write:first? ", "read", "write:second? ",
                                      "read"}));
}

TEST(ConsoleStream, NoWriteWhileRepliesAreBuffered) {
  FakeConsole console({"1 2 3\n"});
  auto stream = make_stream(console);
  std::int32_t value = 0;
  for (const char* prompt : {"a", "b", "c"}) {
    put_text(*stream, prompt);
    ASSERT_EQ(read_reply(*stream, value), ReplyStatus::Number);
  }
  EXPECT_EQ(console.events, (std::vector<std::string>{"write:a", "read"}));
  flush_output(*stream);
  EXPECT_EQ(console.output, "abc");
}

TEST(ConsoleStream, LongOutputGoesOutOneFullBufferAtATime) {
  FakeConsole console;
  auto stream = make_stream(console);
  const std::string text(kConsoleBufferSize * 2 + 100, 'y');
  put_text(*stream, text.substr(0, 10));
  put_text(*stream, text.substr(10));
  ASSERT_EQ(console.events.size(), 2u);
  EXPECT_EQ(console.events[0].size(), 6 + kConsoleBufferSize);
  flush_output(*stream);
  EXPECT_EQ(console.output, text);
}

TEST(ConsoleStream, LostOutputEndsTheInput) {
  FakeConsole console({"1\n"});
  console.output_gone = true;
  auto stream = make_stream(console);
  put_text(*stream, "prompt");
  std::int32_t value = 0;
  EXPECT_EQ(read_reply(*stream, value), ReplyStatus::Ended);
  EXPECT_TRUE(stream->output_failed);
  EXPECT_TRUE(console.events.empty()) << "nobody sees the quiz: don't wait";
}

}  // namespace
