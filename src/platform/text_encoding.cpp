#include "platform/text_encoding.h"

#include <algorithm>
#include <array>

namespace {

bool same_ignoring_case(std::string_view a, std::string_view b) {
  auto lower = [](char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
  };
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(),
                    [&](char x, char y) { return lower(x) == lower(y); });
}

}  // namespace

TextEncoding encoding_for_codeset(std::string_view codeset) {
  constexpr std::array<std::string_view, 3> kGbkFamily = {"GBK", "GB18030",
                                                          "GB2312"};
  for (std::string_view name : kGbkFamily) {
    if (same_ignoring_case(codeset, name)) return TextEncoding::Gbk;
  }
  return TextEncoding::Utf8;
}
