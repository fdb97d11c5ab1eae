#include "dialogue/catalogue.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace {

using namespace std::string_view_literals;

struct TextCase {
  Message message;
  std::string_view bytes;
};

// The banner is plain ASCII, the same bytes in either character set.
constexpr TextCase kBannerCases[] = {
    {Message::BannerTitle, "Quorvane V0.1.0\n"sv},
    {Message::BannerMaker, "Made by the Quorvane project.\n"sv},
    {Message::BannerCopyright,
     "Copyright (c) 2026 the Quorvane developers.\n"sv},
};

TEST(Catalogue, BannerLinesAreExactInEitherCharacterSet) {
  for (TextEncoding encoding : {TextEncoding::Gbk, TextEncoding::Utf8}) {
    for (const TextCase& c : kBannerCases) {
      EXPECT_EQ(catalogue_text(encoding, c.message), c.bytes)
          << "message " << static_cast<int>(c.message);
    }
  }
}

// The bytes the Windows console shows with code page 936, written out.
constexpr TextCase kTextCases[] = {
    {Message::AddQuestion, "\n(%d) %d + %d = ( )\n\xCA\xE4\xC8\xEB: "sv},
    {Message::SubtractQuestion, "\n(%d) %d - %d = ( )\n\xCA\xE4\xC8\xEB: "sv},
    {Message::MultiplyQuestion,
     "\n(%d) %d \xA1\xC1 %d = ( )\n\xCA\xE4\xC8\xEB: "sv},
    {Message::DivideQuestion,
     "\n(%d) %d \xA1\xC2 %d = ( )\n\xCA\xE4\xC8\xEB: "sv},
    {Message::RemainderQuestion,
     "\n(%d) %d \xA1\xC2 %d = ( ) "
     "\xA1\xA4\xA1\xA4\xA1\xA4\xA1\xA4\xA1\xA4\xA1\xA4 ( )\n"sv},
    {Message::InputPrompt, "\xCA\xE4\xC8\xEB: "sv},
    {Message::QuotientPrompt, "\xC9\xCC: "sv},
    {Message::RemainderPrompt, "\xD3\xE0\xCA\xFD: "sv},
    {Message::VerdictCorrect, "\xC5\xD0\xB6\xA8: \xD5\xFD\xC8\xB7\n"sv},
    {Message::VerdictWrong,
     "\xC5\xD0\xB6\xA8: \xB4\xED\xCE\xF3\n"
     "\xD5\xFD\xC8\xB7\xB4\xF0\xB0\xB8\xCA\xC7: %d\n"sv},
    {Message::VerdictWrongPair,
     "\xC5\xD0\xB6\xA8: \xB4\xED\xCE\xF3\n"
     "\xD5\xFD\xC8\xB7\xB4\xF0\xB0\xB8\xCA\xC7: %d %d\n"sv},
    {Message::InputEnded, "\n"sv},
};

TEST(Catalogue, GbkBytesAreExact) {
  for (const TextCase& c : kTextCases) {
    EXPECT_EQ(catalogue_text(TextEncoding::Gbk, c.message), c.bytes)
        << "message " << static_cast<int>(c.message);
  }
}

TEST(Catalogue, Utf8TextsShowTheSameCharacters) {
  const TextCase kUtf8Cases[] = {
      {Message::MultiplyQuestion,
       "\n(%d) %d \xC3\x97 %d = ( )\n\xE8\xBE\x93\xE5\x85\xA5: "sv},
      {Message::RemainderQuestion,
       "\n(%d) %d \xC3\xB7 %d = ( ) "
       "\xC2\xB7\xC2\xB7\xC2\xB7\xC2\xB7\xC2\xB7\xC2\xB7 ( )\n"sv},
  };
  for (const TextCase& c : kUtf8Cases) {
    EXPECT_EQ(catalogue_text(TextEncoding::Utf8, c.message), c.bytes)
        << "message " << static_cast<int>(c.message);
  }
}

}  // namespace
