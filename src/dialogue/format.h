#ifndef QUORVANE_DIALOGUE_FORMAT_H_
#define QUORVANE_DIALOGUE_FORMAT_H_

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string_view>

// The one formatter of the quiz's texts, narrow and UTF-16 alike: each %d
// takes the next number, in decimal.  Nothing else is special; a %d with
// no number left stands for nothing.

/// Room for any int32 in decimal: a sign and ten digits.
inline constexpr std::size_t kDecimalSize = 11;

/// Writes n in decimal at the end of `buffer` and returns the digits.
template <typename Char>
std::basic_string_view<Char> to_decimal(
    std::int32_t n, std::array<Char, kDecimalSize>& buffer) {
  // Work on the negative side, where every int32 has a value.
  std::size_t start = buffer.size();
  const bool negative = n < 0;
  if (!negative) n = -n;
  do {
    buffer[--start] = static_cast<Char>('0' - n % 10);
    n /= 10;
  } while (n != 0);
  if (negative) buffer[--start] = static_cast<Char>('-');
  return {buffer.data() + start, buffer.size() - start};
}

template <typename Char>
inline constexpr Char kNumberMark[] = {'%', 'd'};

template <typename Char>
constexpr std::basic_string_view<Char> number_mark() {
  return {kNumberMark<Char>, 2};
}

/// Hands `put` the pieces of `text` formatted with `numbers`, in order.
template <typename Char, typename Put>
void format_text(std::basic_string_view<Char> text,
                 std::initializer_list<std::int32_t> numbers, Put put) {
  constexpr std::basic_string_view<Char> mark = number_mark<Char>();
  const std::int32_t* next = numbers.begin();
  for (std::size_t at = text.find(mark); at != text.npos;
       at = text.find(mark)) {
    put(text.substr(0, at));
    if (next != numbers.end()) {
      std::array<Char, kDecimalSize> buffer;
      put(to_decimal(*next++, buffer));
    }
    text.remove_prefix(at + 2);
  }
  put(text);
}

/// How many %d `text` holds.
template <typename Char>
constexpr std::size_t count_numbers(std::basic_string_view<Char> text) {
  std::size_t count = 0;
  for (std::size_t at = text.find(number_mark<Char>()); at != text.npos;
       at = text.find(number_mark<Char>(), at + 2)) {
    ++count;
  }
  return count;
}

#endif  // QUORVANE_DIALOGUE_FORMAT_H_
