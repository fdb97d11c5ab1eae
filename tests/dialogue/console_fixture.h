#ifndef QUORVANE_TESTS_DIALOGUE_CONSOLE_FIXTURE_H_
#define QUORVANE_TESTS_DIALOGUE_CONSOLE_FIXTURE_H_

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "dialogue/console_stream.h"

/// A console for tests: input served in the chunks given, as a terminal
/// hands over a line at a time, and every write and wait kept in order.
struct FakeConsole {
  explicit FakeConsole(std::vector<std::string> typed = {})
      : chunks(std::move(typed)) {}

  std::vector<std::string> chunks;
  std::size_t next_chunk = 0;
  std::string output;               // all that was written
  std::vector<std::string> events;  // "read" and "write:<bytes>", in order
  bool output_gone = false;
};

/// Wires `stream` to `console`, which must outlive it.
inline void attach(ConsoleStream& stream, FakeConsole& console) {
  stream.read = [&console](char* buffer, std::size_t size) -> std::ptrdiff_t {
    console.events.push_back("read");
    if (console.next_chunk == console.chunks.size()) return 0;
    std::string& chunk = console.chunks[console.next_chunk];
    const std::size_t n = std::min(size, chunk.size());
    std::memcpy(buffer, chunk.data(), n);
    chunk.erase(0, n);
    if (chunk.empty()) ++console.next_chunk;
    return static_cast<std::ptrdiff_t>(n);
  };
  stream.write = [&console](const char* bytes, std::size_t size) {
    if (console.output_gone) return false;
    console.output.append(bytes, size);
    console.events.push_back("write:" + std::string(bytes, size));
    return true;
  };
}

/// A console stream is too large for a test's stack.
inline std::unique_ptr<ConsoleStream> make_stream(FakeConsole& console) {
  auto stream = std::make_unique<ConsoleStream>();
  attach(*stream, console);
  return stream;
}

#endif  // QUORVANE_TESTS_DIALOGUE_CONSOLE_FIXTURE_H_
