#include "quiz/scoreboard.h"

#include <limits>

#include "dialogue/decimal.h"

TitleText format_title(std::u16string_view format,
                       std::initializer_list<std::int32_t> numbers) {
  TitleText title{};
  const std::size_t room = title.size() - 1;
  std::size_t size = 0;
  auto put = [&](char16_t unit) {
    if (size < room) title[size++] = unit;
  };
  const std::int32_t* next = numbers.begin();
  for (std::size_t i = 0; i < format.size(); ++i) {
    if (format[i] != u'%' || i + 1 == format.size() || format[i + 1] != u'd') {
      put(format[i]);
      continue;
    }
    ++i;
    if (next == numbers.end()) continue;
    DecimalBuffer<char16_t> buffer;
    for (char16_t unit : to_decimal(*next++, buffer)) put(unit);
  }
  return title;
}

namespace {

void show_tally(const Scoreboard& scoreboard) {
  if (!scoreboard.show_title) return;
  const TitleText title =
      format_title(kTitleFormat, {scoreboard.correct, scoreboard.wrong});
  scoreboard.show_title(title.data());
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
