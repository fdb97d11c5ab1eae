#ifndef QUORVANE_DIALOGUE_DECIMAL_H_
#define QUORVANE_DIALOGUE_DECIMAL_H_

#include <array>
#include <cstdint>
#include <string_view>

/// Room for any int32 in decimal: a sign and ten digits.
template <typename Char>
using DecimalBuffer = std::array<Char, 11>;

/// Writes n in decimal at the end of `buffer` and returns the digits, for
/// narrow text and UTF-16 titles alike.
template <typename Char>
std::basic_string_view<Char> to_decimal(std::int32_t n,
                                        DecimalBuffer<Char>& buffer) {
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

#endif  // QUORVANE_DIALOGUE_DECIMAL_H_
