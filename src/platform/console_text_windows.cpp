#include "platform/console_text.h"

#include <windows.h>

#include <cstring>

// A console gets the text as characters through its UTF-16 interface, so
// it reads right whatever the console's code page, and gives typed text
// back the same way.  Anything else (a pipe, a file) gets the GBK bytes,
// each LF as CR LF, through the handle itself: the C runtime's text mode
// differs from one runtime to the next.

namespace {

// Text goes out in pieces of this many bytes at most.
constexpr std::size_t kPiece = 4096;

bool is_console(HANDLE handle) {
  DWORD mode;
  return GetConsoleMode(handle, &mode) != 0;
}

// A GBK lead byte whose trail byte the next write brings.
unsigned char pending_lead = 0;
TypedText typed;
bool file_input_ended = false;

bool write_units(HANDLE console, const char16_t* units, std::size_t count) {
  while (count > 0) {
    DWORD written = 0;
    if (!WriteConsoleW(console, units, static_cast<DWORD>(count), &written,
                       nullptr) ||
        written == 0) {
      return false;
    }
    units += written;
    count -= written;
  }
  return true;
}

bool write_bytes(HANDLE file, const char* bytes, std::size_t count) {
  while (count > 0) {
    DWORD written = 0;
    if (!WriteFile(file, bytes, static_cast<DWORD>(count), &written, nullptr) ||
        written == 0) {
      return false;
    }
    bytes += written;
    count -= written;
  }
  return true;
}

std::ptrdiff_t read_console(HANDLE console, char* buffer, std::size_t size) {
  char16_t units[kPiece];
  const DWORD wanted = static_cast<DWORD>(size < kPiece ? size : kPiece);
  for (;;) {
    if (typed.ended) return 0;
    DWORD count = 0;
    if (!ReadConsoleW(console, units, wanted, &count, nullptr)) {
      return -1;
    }
    if (count == 0) return 0;
    const std::size_t n = narrow_typed_text({units, count}, typed, buffer);
    if (n > 0 || typed.ended) return static_cast<std::ptrdiff_t>(n);
  }
}

std::ptrdiff_t read_file(HANDLE file, char* buffer, std::size_t size) {
  if (file_input_ended) return 0;
  DWORD count = 0;
  const DWORD wanted = size > MAXDWORD ? MAXDWORD : static_cast<DWORD>(size);
  if (!ReadFile(file, buffer, wanted, &count, nullptr)) {
    return GetLastError() == ERROR_BROKEN_PIPE ? 0 : -1;
  }
  // A Ctrl-Z byte ends the input, as it does in a text file.
  if (const void* end = std::memchr(buffer, '\x1A', count)) {
    file_input_ended = true;
    count = static_cast<DWORD>(static_cast<const char*>(end) - buffer);
  }
  return static_cast<std::ptrdiff_t>(count);
}

}  // namespace

TextEncoding console_text_encoding() {
  return TextEncoding::Gbk;
}

std::ptrdiff_t read_console_input(char* buffer, std::size_t size) {
  const HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
  return is_console(input) ? read_console(input, buffer, size)
                           : read_file(input, buffer, size);
}

bool write_console_output(const char* bytes, std::size_t size) {
  const HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
  const bool console = is_console(output);
  while (size > 0) {
    const std::string_view piece(bytes, size < kPiece ? size : kPiece);
    bool written;
    if (console) {
      char16_t units[2 * kPiece];
      written =
          write_units(output, units, gbk_to_utf16(piece, pending_lead, units));
    } else {
      char line_ends[2 * kPiece];
      written =
          write_bytes(output, line_ends, crlf_line_ends(piece, line_ends));
    }
    if (!written) return false;
    bytes += piece.size();
    size -= piece.size();
  }
  return true;
}
