#include "platform/console_text.h"

#include <io.h>

#include <climits>

TextEncoding console_text_encoding() {
  return TextEncoding::Gbk;
}

std::ptrdiff_t read_console_input(char* buffer, std::size_t size) {
  // Descriptor 0 is in text mode: CR LF arrives as LF, and Ctrl-Z typed at
  // the start of a line reads as the end of input.
  const unsigned count = size > INT_MAX ? INT_MAX : static_cast<unsigned>(size);
  return _read(0, buffer, count);
}

bool write_console_output(const char* bytes, std::size_t size) {
  // Descriptor 1 is in text mode, so the CRT turns each LF into CR LF.
  while (size > 0) {
    const unsigned count =
        size > INT_MAX ? INT_MAX : static_cast<unsigned>(size);
    const int n = _write(1, bytes, count);
    if (n <= 0) return false;
    bytes += n;
    size -= static_cast<std::size_t>(n);
  }
  return true;
}
