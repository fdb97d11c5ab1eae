#ifndef QUORVANE_PLATFORM_CONSOLE_TITLE_H_
#define QUORVANE_PLATFORM_CONSOLE_TITLE_H_

#include <functional>
#include <string_view>

#include "platform/text_encoding.h"

/// Carries bytes to the console in order with the rest of the quiz's text.
using WriteText = std::function<void(std::string_view)>;

/// Whether the console shows a title at all: a Windows console always; a
/// POSIX terminal when standard output is one and TERM is set and not
/// "dumb".  Where it does not, there is no title worth formatting.
bool console_has_title();

/// Shows `title`, a NUL-terminated UTF-16 string, as the console window's
/// title.  On Windows the console takes it directly; a POSIX terminal takes
/// it as an escape sequence in the text, in `encoding`, through `write`.
/// Does nothing where the console has no title.  Failures are ignored.
void set_console_title(const char16_t* title, TextEncoding encoding,
                       const WriteText& write);

/// Gives a POSIX terminal back the title it had before the quiz set one;
/// does nothing on Windows, whose console keeps the last tally.
void restore_console_title(const WriteText& write);

#endif  // QUORVANE_PLATFORM_CONSOLE_TITLE_H_
