// Arbitrary bytes typed at the quiz: the reply reader and the whole
// dialogue, driven by the loop with a fixed clock, must end at the end of
// the input without a crash, a hang, a leak or undefined behaviour.
//
// The first bytes choose the clock's second and the first question number
// (so that the top of the counter is reached too); the rest is typed, in
// reads of changing sizes, as a terminal hands over lines.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <memory>
#include <string>

#include "dialogue/console_dialogue.h"
#include "questions/question_maker.h"
#include "quiz/quiz_loop.h"
#include "quiz/scoreboard.h"

namespace {

std::uint32_t take_u32(const std::uint8_t*& data, std::size_t& size) {
  std::uint32_t value = 0;
  const std::size_t n = size < 4 ? size : 4;
  std::memcpy(&value, data, n);
  data += n;
  size -= n;
  return value;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  const std::time_t second = take_u32(data, size);
  const std::uint32_t first = take_u32(data, size);

  auto dialogue = std::make_unique<ConsoleDialogue>();
  dialogue->encoding = first & 1 ? TextEncoding::Gbk : TextEncoding::Utf8;
  std::size_t read_size = 1;
  dialogue->stream.read = [&](char* buffer, std::size_t room) {
    const std::size_t n = std::min({size, room, read_size});
    std::memcpy(buffer, data, n);
    data += n;
    size -= n;
    read_size = read_size % 13 + 1;
    return static_cast<std::ptrdiff_t>(n);
  };
  std::size_t written = 0;
  dialogue->stream.write = [&](const char*, std::size_t n) {
    written += n;
    return true;
  };

  QuestionMaker maker{[second] { return second; }, {}};
  Scoreboard scoreboard;
  std::int64_t titles = 0;
  scoreboard.show_title = [&](const char16_t* title) {
    if (std::char_traits<char16_t>::length(title) > 29) std::abort();
    ++titles;
  };
  QuizLoop loop{maker, *dialogue, scoreboard};
  // Half the runs start near the top of the question counter.
  if (first & 2) {
    loop.question_number = std::numeric_limits<std::int32_t>::max() -
                           static_cast<std::int32_t>(first >> 28);
  }
  const std::int32_t start = loop.question_number;
  run_quiz(loop);

  // Every turn that was played was counted once, and titled.
  const std::int64_t turns =
      std::int64_t{scoreboard.correct} + scoreboard.wrong;
  if (loop.question_number < start || turns < loop.question_number - start ||
      titles != turns + 1 || size != 0 || written == 0) {
    std::abort();
  }
  return 0;
}
