#ifndef QUORVANE_PLATFORM_CONSOLE_TITLE_H_
#define QUORVANE_PLATFORM_CONSOLE_TITLE_H_

/// Whether the console shows a title at all: a Windows console always; a
/// terminal when standard output is one and TERM names a type other than
/// "dumb".  Where it does not, there is no title worth formatting, and
/// none of the calls below is made.
bool console_has_title();

/// Readies the console for the quiz's titles, once, before the first.  A
/// terminal gets its own title back whenever the quiz leaves it: when a
/// signal stops the quiz, and while the quiz is suspended.
void open_console_title();

/// Shows `title`, a NUL-terminated UTF-16 string, as the console window's
/// title, at once: what the quiz has written before it must be out.
/// Failures are ignored.
void show_console_title(const char16_t* title);

/// The quiz is over: a terminal gets its own title back.  A Windows console
/// keeps the last tally.
void close_console_title();

#endif  // QUORVANE_PLATFORM_CONSOLE_TITLE_H_
