#ifndef QUORVANE_QUIZ_SCOREBOARD_H_
#define QUORVANE_QUIZ_SCOREBOARD_H_

#include <array>
#include <cstdint>
#include <functional>
#include <string_view>

#include "questions/question.h"

/// The window title's format: the correct tally, then the wrong one.
inline constexpr std::u16string_view kTitleFormat = u"正确 %d 错误 %d";

/// A formatted title: at most 29 UTF-16 units, always NUL-terminated.
using TitleText = std::array<char16_t, 30>;

/// The title for the tallies.
TitleText format_title(std::int32_t correct, std::int32_t wrong);

/// The running tally of verdicts, shown only in the console's title.
struct Scoreboard {
  std::int32_t correct = 0;
  std::int32_t wrong = 0;
  /// Shows a title; the program's sets the console window's.  Without one,
  /// no title is formatted.
  std::function<void(const char16_t*)> show_title;
};

/// The quiz has started; no text has been printed yet.
void quiz_started(Scoreboard& scoreboard);

/// A turn's verdict line has been printed.
void verdict_given(Scoreboard& scoreboard, Verdict verdict);

#endif  // QUORVANE_QUIZ_SCOREBOARD_H_
