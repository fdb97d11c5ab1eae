#include "platform/console_text.h"

#include <errno.h>
#include <langinfo.h>
#include <locale.h>
#include <stdlib.h>
#include <unistd.h>

namespace {

TextEncoding locale_encoding() {
  // The locale's name nearly always says its codeset; loading the locale
  // to ask it costs every start time and memory, so only a name without
  // one does.  Nothing else in the program depends on the locale.
  if (const std::optional<TextEncoding> named = encoding_for_locale(
          getenv("LC_ALL"), getenv("LC_CTYPE"), getenv("LANG"))) {
    return *named;
  }
  setlocale(LC_CTYPE, "");
  return encoding_for_codeset(nl_langinfo(CODESET));
}

}  // namespace

TextEncoding console_text_encoding() {
  // The text and the title both ask; the answer is the same all run.
  static const TextEncoding encoding = locale_encoding();
  return encoding;
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
