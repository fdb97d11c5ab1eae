#include "quiz/scoreboard.h"

#include <limits>

namespace {

// A tally stops at its largest value rather than overflow.
void count(std::int32_t& tally) {
  if (tally < std::numeric_limits<std::int32_t>::max()) ++tally;
}

}  // namespace

void quiz_started(Scoreboard&) {}

void verdict_given(Scoreboard& scoreboard, Verdict verdict) {
  count(verdict == Verdict::Correct ? scoreboard.correct : scoreboard.wrong);
}
