#include "quiz/scoreboard.h"

#include <limits>

#include "dialogue/format.h"

// Any two int32 tallies fit, so a title is never cut.
static_assert(kTitleFormat.size() +
                  count_numbers(kTitleFormat) * (kDecimalSize - 2) <
              std::tuple_size_v<TitleText>);

TitleText format_title(std::int32_t correct, std::int32_t wrong) {
  TitleText title{};
  std::size_t size = 0;
  format_text(kTitleFormat, {correct, wrong}, [&](std::u16string_view piece) {
    for (char16_t unit : piece) title[size++] = unit;
  });
  return title;
}

namespace {

void show_tally(const Scoreboard& scoreboard) {
  if (!scoreboard.show_title) return;
  scoreboard.show_title(
      format_title(scoreboard.correct, scoreboard.wrong).data());
}

// A tally stops at its largest value rather than overflow.
void count(std::int32_t& tally) {
  if (tally < std::numeric_limits<std::int32_t>::max()) ++tally;
}

}  // namespace

void quiz_started(Scoreboard& scoreboard) {
  show_tally(scoreboard);
}

void verdict_given(Scoreboard& scoreboard, Verdict verdict) {
  count(verdict == Verdict::Correct ? scoreboard.correct : scoreboard.wrong);
  show_tally(scoreboard);
}
