// Arbitrary bytes typed at the quiz: the reply reader and the whole
// dialogue, driven by the loop with a fixed clock, must end at the end of
// the input without a crash, a hang, a leak or undefined behaviour.
//
// The first bytes choose the clock's second and the first question number
// (so that the top of the counter is reached too); the rest is typed, in
// reads of changing sizes, as a terminal hands over lines, or as UTF-16
// units that a Windows console hands over and the quiz narrows.  The GBK
// output goes through the Windows console's step to UTF-16 too.
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
  const bool console_units = first & 4;
  TypedText typed;
  dialogue->stream.read = [&](char* buffer, std::size_t room) {
    const std::size_t width = console_units ? sizeof(char16_t) : 1;
    const std::size_t n = std::min({size / width, room, read_size});
    read_size = read_size % 13 + 1;
    if (!console_units) {
      std::memcpy(buffer, data, n);
      data += n;
      size -= n;
      return static_cast<std::ptrdiff_t>(n);
    }
    if (typed.ended || n == 0) {
      size = 0;
      return std::ptrdiff_t{0};
    }
    std::u16string units(n, u'\0');
    std::memcpy(units.data(), data, n * width);
    data += n * width;
    size -= n * width;
    // The reader's room is a byte a unit, as the Windows console's is.
    std::string narrow(n, '\0');
    const std::size_t made = narrow_typed_text(units, typed, narrow.data());
    if (made > n || (made == 0 && !typed.ended)) std::abort();
    std::memcpy(buffer, narrow.data(), made);
    return static_cast<std::ptrdiff_t>(made);
  };
  std::size_t written = 0;
  unsigned char pending_lead = 0;
  dialogue->stream.write = [&](const char* bytes, std::size_t n) {
    written += n;
    if (dialogue->encoding == TextEncoding::Gbk) {
      std::u16string units(2 * n, u'\0');
      if (gbk_to_utf16({bytes, n}, pending_lead, units.data()) > units.size()) {
        std::abort();
      }
    }
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
      titles != turns + 1 || (size != 0 && !typed.ended) || written == 0) {
    std::abort();
  }
  return 0;
}
