#include "platform/console_text.h"

#include <errno.h>
#include <langinfo.h>
#include <locale.h>
#include <unistd.h>

TextEncoding console_text_encoding() {
  // Only the codeset is wanted; nothing else in the program is
  // locale-dependent, so LC_CTYPE alone is taken from the environment.
  setlocale(LC_CTYPE, "");
  return encoding_for_codeset(nl_langinfo(CODESET));
}

std::ptrdiff_t read_console_input(char* buffer, std::size_t size) {
  for (;;) {
    const ssize_t n = read(STDIN_FILENO, buffer, size);
    if (n >= 0) return n;
    if (errno != EINTR) return -1;
  }
}

bool write_console_output(const char* bytes, std::size_t size) {
  while (size > 0) {
    const ssize_t n = write(STDOUT_FILENO, bytes, size);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes += n;
    size -= static_cast<std::size_t>(n);
  }
  return true;
}
