#ifndef QUORVANE_QUIZ_SCOREBOARD_H_
#define QUORVANE_QUIZ_SCOREBOARD_H_

#include <cstdint>

#include "dialogue/console_dialogue.h"

/// The running tally of verdicts.
struct Scoreboard {
  std::int32_t correct = 0;
  std::int32_t wrong = 0;
};

/// The quiz has started; no text has been printed yet.
void quiz_started(Scoreboard& scoreboard);

/// A turn's verdict line has been printed.
void verdict_given(Scoreboard& scoreboard, Verdict verdict);

#endif  // QUORVANE_QUIZ_SCOREBOARD_H_
