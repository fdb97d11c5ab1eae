#include "dialogue/console_stream.h"

#include <cstring>
#include <limits>

void put_text(ConsoleStream& stream, std::string_view text) {
  while (!text.empty()) {
    if (stream.output_size == kConsoleBufferSize) flush_output(stream);
    const std::size_t room = kConsoleBufferSize - stream.output_size;
    const std::size_t n = text.size() < room ? text.size() : room;
    std::memcpy(stream.output + stream.output_size, text.data(), n);
    stream.output_size += n;
    text.remove_prefix(n);
  }
}

bool flush_output(ConsoleStream& stream) {
  if (stream.output_size > 0 && !stream.output_failed) {
    stream.output_failed = !stream.write(stream.output, stream.output_size);
  }
  stream.output_size = 0;
  return !stream.output_failed;
}

namespace {

constexpr int kEnd = -1;

// The next input byte without taking it, or kEnd.  Waits for input only
// when none is buffered, and shows all output first.
int peek(ConsoleStream& stream) {
  if (stream.input_start == stream.input_end) {
    if (stream.input_ended) return kEnd;
    // A quiz nobody can see has ended as surely as one nobody answers.
    const std::ptrdiff_t n = flush_output(stream)
                                 ? stream.read(stream.input, kConsoleBufferSize)
                                 : -1;
    if (n <= 0) {
      stream.input_ended = true;
      return kEnd;
    }
    stream.input_start = 0;
    stream.input_end = static_cast<std::size_t>(n);
  }
  return static_cast<unsigned char>(stream.input[stream.input_start]);
}

void take(ConsoleStream& stream) {
  ++stream.input_start;
}

bool is_space(int c) {
  return c == ' ' || (c >= '\t' && c <= '\r');
}
bool is_digit(int c) {
  return c >= '0' && c <= '9';
}
bool is_line_end(int c) {
  return c == '\n' || c == '\r';
}

// Drops input up to and including the end of the line.  False when the
// input ends first.
bool discard_line(ConsoleStream& stream) {
  for (int c = peek(stream); c != kEnd; c = peek(stream)) {
    take(stream);
    if (is_line_end(c)) return true;
  }
  return false;
}

ReplyStatus unreadable(ConsoleStream& stream) {
  return discard_line(stream) ? ReplyStatus::Unreadable : ReplyStatus::Ended;
}

}  // namespace

ReplyStatus read_reply(ConsoleStream& stream, std::int32_t& value) {
  int c = peek(stream);
  while (is_space(c)) {
    take(stream);
    c = peek(stream);
  }
  if (c == kEnd) return ReplyStatus::Ended;

  const bool negative = c == '-';
  if (c == '+' || c == '-') {
    take(stream);
    c = peek(stream);
  }
  if (!is_digit(c)) return unreadable(stream);

  // Accumulate as a negative number, whose range reaches one further, and
  // keep taking digits past an overflow so the whole number is consumed.
  constexpr std::int64_t kLowest = std::numeric_limits<std::int32_t>::min();
  std::int64_t n = 0;
  bool overflow = false;
  for (; is_digit(c); c = peek(stream)) {
    take(stream);
    if (!overflow) {
      n = n * 10 - (c - '0');
      overflow = n < kLowest;
    }
  }
  if (!negative) n = -n;
  if (overflow || n > std::numeric_limits<std::int32_t>::max()) {
    return unreadable(stream);
  }
  value = static_cast<std::int32_t>(n);
  return ReplyStatus::Number;
}
