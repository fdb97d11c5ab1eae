// The UTF-8 texts and the GBK ones are made apart (the GBK ones from a
// table of codes, which the titles and the Windows console use too); the C
// library's converter checks they say the same.
#include <iconv.h>

#include <gtest/gtest.h>

#include <string>

#include "dialogue/catalogue.h"

namespace {

std::string utf8_to_gbk(std::string_view utf8) {
  iconv_t cd = iconv_open("GBK", "UTF-8");
  EXPECT_NE(cd, reinterpret_cast<iconv_t>(-1));
  std::string in(utf8);
  std::string out(in.size() * 2 + 1, '\0');
  char* in_at = in.data();
  std::size_t in_left = in.size();
  char* out_at = out.data();
  std::size_t out_left = out.size();
  EXPECT_NE(iconv(cd, &in_at, &in_left, &out_at, &out_left),
            static_cast<std::size_t>(-1));
  iconv_close(cd);
  out.resize(out.size() - out_left);
  return out;
}

TEST(Catalogue, GbkTextsAreTheUtf8TextsConverted) {
  for (std::size_t m = 0; m < static_cast<std::size_t>(Message::Count); ++m) {
    const auto message = static_cast<Message>(m);
    EXPECT_EQ(utf8_to_gbk(catalogue_text(TextEncoding::Utf8, message)),
              catalogue_text(TextEncoding::Gbk, message))
        << "message " << m;
  }
}

TEST(Catalogue, EveryGbkCodeIsTheCharactersOwn) {
  for (const GbkCode& code : kGbkCodes) {
    const std::u16string character(1, static_cast<char16_t>(code.character));
    std::string utf8(3, '\0');
    utf8.resize(narrow_utf16(character, TextEncoding::Utf8, utf8.data()));
    const std::string gbk{static_cast<char>(code.lead),
                          static_cast<char>(code.trail)};
    EXPECT_EQ(utf8_to_gbk(utf8), gbk) << utf8;
  }
}

}  // namespace
