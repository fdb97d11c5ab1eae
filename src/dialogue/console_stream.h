#ifndef QUORVANE_DIALOGUE_CONSOLE_STREAM_H_
#define QUORVANE_DIALOGUE_CONSOLE_STREAM_H_

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>

/// Fills a buffer with what input is ready: the count, 0 at the end, or
/// below 0 on an error, which counts as the end.
using ReadInput = std::function<std::ptrdiff_t(char*, std::size_t)>;
/// Writes all the bytes, or returns false when the output is gone.
using WriteOutput = std::function<bool(const char*, std::size_t)>;

inline constexpr std::size_t kConsoleBufferSize = 16 * 1024;

/// The quiz's side of the console: replies in and text out, each through
/// one fixed buffer.  Output is written when its buffer fills and before
/// every wait for input, never while replies are already buffered, so a
/// file of replies costs a write per buffer, not per message, and a
/// program driving the quiz over pipes always sees a prompt before the
/// quiz waits.
struct ConsoleStream {
  ReadInput read;
  WriteOutput write;

  char input[kConsoleBufferSize];
  std::size_t input_start = 0;
  std::size_t input_end = 0;
  bool input_ended = false;

  char output[kConsoleBufferSize];
  std::size_t output_size = 0;
  bool output_failed = false;
};

/// Appends bytes to the output, writing out each buffer as it fills.
void put_text(ConsoleStream& stream, std::string_view text);

/// Writes out whatever output is buffered.  False once the output is gone;
/// from then on output is dropped.
bool flush_output(ConsoleStream& stream);

enum class ReplyStatus {
  Number,      // a decimal integer in range: the value is set
  Unreadable,  // no digits, or out of range; the rest of its line is gone
  Ended,       // the end of input (or an error reading it, or lost output)
};

/// Reads one reply: white space skipped, at most one sign, then decimal
/// digits up to the first other byte, which stays for the next reply.
ReplyStatus read_reply(ConsoleStream& stream, std::int32_t& value);

#endif  // QUORVANE_DIALOGUE_CONSOLE_STREAM_H_
