#ifndef QUORVANE_PLATFORM_CONSOLE_TEXT_H_
#define QUORVANE_PLATFORM_CONSOLE_TEXT_H_

#include <cstddef>

#include "dialogue/text_encoding.h"

/// The character set the quiz writes its text in: GBK on Windows, which
/// shows it on a console as characters and puts it in a file as it is;
/// elsewhere that of the user's locale.
TextEncoding console_text_encoding();

/// Reads what standard input has ready, at most `size` bytes, waiting if
/// there is nothing yet.  Returns the count, 0 at the end of input, or -1
/// on an error.
std::ptrdiff_t read_console_input(char* buffer, std::size_t size);

/// Writes all `size` bytes to standard output, or returns false.  On
/// Windows every line feed goes out as CR LF.
bool write_console_output(const char* bytes, std::size_t size);

#endif  // QUORVANE_PLATFORM_CONSOLE_TEXT_H_
