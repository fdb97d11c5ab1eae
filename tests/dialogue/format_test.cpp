#include "dialogue/format.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace {

template <typename Char>
std::basic_string<Char> formatted(std::basic_string_view<Char> text,
                                  std::initializer_list<std::int32_t> numbers) {
  std::basic_string<Char> out;
  format_text(text, numbers,
              [&out](std::basic_string_view<Char> piece) { out += piece; });
  return out;
}

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

TEST(Format, NumbersTakeTheirPlacesInTurn) {
  using Text = std::string_view;
  EXPECT_EQ(formatted<char>("(%d) %d + %d = ( )", {7, 8, 3}),
            "(7) 8 + 3 = ( )");
  EXPECT_EQ(formatted<char>("%d%d", {0, -5}), "0-5");
  EXPECT_EQ(formatted<char>("%d %d", {kMax, kMin}), "2147483647 -2147483648");
  EXPECT_EQ(formatted(Text("no numbers"), {}), "no numbers");
  // Only %d is special.
  EXPECT_EQ(formatted<char>("%x %d%", {5}), "%x 5%");
  EXPECT_EQ(formatted<char>("100%% %d", {1}), "100%% 1");
  // A %d with no number left stands for nothing.
  EXPECT_EQ(formatted<char>("%d and %d", {1}), "1 and ");
}

TEST(Format, Utf16TextsTheSameWay) {
  EXPECT_EQ(formatted<char16_t>(u"正确 %d 错误 %d", {12, kMin}),
            u"正确 12 错误 -2147483648");
  EXPECT_EQ(formatted<char16_t>(u"%%d%", {3}), u"%3%");
}

TEST(Format, CountsTheNumbersATextTakes) {
  static_assert(count_numbers<char16_t>(u"正确 %d 错误 %d") == 2);
  EXPECT_EQ(count_numbers<char>("%d%d %x %"), 2u);
  EXPECT_EQ(count_numbers<char>("none"), 0u);
}

}  // namespace
