#include "dialogue/text_encoding.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

using namespace std::string_literals;

constexpr auto kGbk = TextEncoding::Gbk;
constexpr auto kUtf8 = TextEncoding::Utf8;

TEST(TextEncoding, CodesetNames) {
  const std::pair<const char*, TextEncoding> cases[] = {
      {"GBK", kGbk},         {"gbk", kGbk},
      {"GB18030", kGbk},     {"gb18030", kGbk},
      {"GB2312", kGbk},      {"EUC-CN", kGbk},
      {"euccn", kGbk},       {"gb_2312", kGbk},
      {"UTF-8", kUtf8},      {"utf8", kUtf8},
      {"", kUtf8},           {"GB", kUtf8},
      {"GBKX", kUtf8},       {"BIG5", kUtf8},
      {"ISO-8859-1", kUtf8}, {"ANSI_X3.4-1968", kUtf8},
  };
  for (auto [codeset, encoding] : cases) {
    EXPECT_EQ(encoding_for_codeset(codeset), encoding) << codeset;
  }
}

struct LocaleCase {
  const char* lc_all;
  const char* lc_ctype;
  const char* lang;
  std::optional<TextEncoding> encoding;
};

TEST(TextEncoding, LocaleNamesFromTheEnvironment) {
  const LocaleCase cases[] = {
      // Nothing set, C and POSIX: UTF-8.
      {nullptr, nullptr, nullptr, kUtf8},
      {"", "", "", kUtf8},
      {nullptr, nullptr, "C", kUtf8},
      {"POSIX", nullptr, nullptr, kUtf8},
      // The codeset between the dot and any modifier decides.
      {nullptr, nullptr, "zh_CN.GBK", kGbk},
      {nullptr, nullptr, "zh_CN.gb18030", kGbk},
      {nullptr, nullptr, "zh_CN.GB2312@stroke", kGbk},
      {nullptr, nullptr, "zh_CN.euc-cn", kGbk},
      {nullptr, nullptr, "zh_CN.UTF-8", kUtf8},
      {nullptr, nullptr, "en_US.ISO-8859-1", kUtf8},
      {nullptr, nullptr, "C.utf8", kUtf8},
      // The first set and not empty of LC_ALL, LC_CTYPE, LANG names it.
      {"zh_CN.GBK", "en_US.UTF-8", "en_US.UTF-8", kGbk},
      {"", "zh_CN.GBK", "en_US.UTF-8", kGbk},
      {nullptr, "", "zh_CN.GBK", kGbk},
      {"en_US.UTF-8", nullptr, "zh_CN.GBK", kUtf8},
      {"", "C", "zh_CN.GBK", kUtf8},
      // No codeset: only the locale can tell.
      {nullptr, nullptr, "zh_CN", std::nullopt},
      {nullptr, nullptr, "zh_CN@stroke", std::nullopt},
      {"", "", "en_US", std::nullopt},
  };
  for (const LocaleCase& c : cases) {
    EXPECT_EQ(encoding_for_locale(c.lc_all, c.lc_ctype, c.lang), c.encoding)
        << (c.lc_all ? c.lc_all : "-") << " " << (c.lc_ctype ? c.lc_ctype : "-")
        << " " << (c.lang ? c.lang : "-");
  }
}

std::string narrowed(std::u16string_view text, TextEncoding encoding) {
  std::string out(3 * text.size(), '\0');
  out.resize(narrow_utf16(text, encoding, out.data()));
  return out;
}

TEST(TextEncoding, TitlesInEitherCharacterSet) {
  EXPECT_EQ(narrowed(u"正确 12 错误 3", kUtf8),
            "\xE6\xAD\xA3\xE7\xA1\xAE 12 \xE9\x94\x99\xE8\xAF\xAF 3");
  EXPECT_EQ(narrowed(u"正确 12 错误 3", kGbk),
            "\xD5\xFD\xC8\xB7 12 \xB4\xED\xCE\xF3 3");
  // Two-byte UTF-8, and a character GBK's table lacks.
  EXPECT_EQ(narrowed(u"a×÷·", kUtf8), "a\xC3\x97\xC3\xB7\xC2\xB7");
  EXPECT_EQ(narrowed(u"a×÷·", kGbk), "a\xA1\xC1\xA1\xC2\xA1\xA4");
  EXPECT_EQ(narrowed(u"é中", kGbk), "??");
  EXPECT_EQ(narrowed(u"", kGbk), "");
}

// GBK handed to the console step in the pieces given, one call a piece.
std::u16string console_units(const std::vector<std::string>& pieces) {
  unsigned char pending = 0;
  std::u16string out;
  for (const std::string& piece : pieces) {
    std::u16string units(2 * piece.size(), u'\0');
    units.resize(gbk_to_utf16(piece, pending, units.data()));
    out += units;
  }
  return out;
}

TEST(TextEncoding, GbkToTheConsolesCharacters) {
  const std::pair<std::vector<std::string>, std::u16string> cases[] = {
      {{"(1) 8 \xA1\xC2 4 = ( )\n\xCA\xE4\xC8\xEB: "},
       u"(1) 8 ÷ 4 = ( )\r\n输入: "},
      {{"\xC5\xD0\xB6\xA8: \xB4\xED\xCE\xF3\n\n"}, u"判定: 错误\r\n\r\n"},
      // A character cut between two writes comes out whole, once.
      {{"\xC9", "\xCC: "}, u"商: "},
      {{"a\xA1", "\xA4\xA1", "\xA4\n"}, u"a··\r\n"},
      {{"\xCA", "", "\xE4"}, u"输"},
      // A pair the table lacks is shown as one mark.
      {{"\xB0\xA1x"}, u"?x"},
      {{""}, u""},
  };
  for (const auto& [pieces, units] : cases) {
    EXPECT_EQ(console_units(pieces), units) << pieces.front();
  }
}

TEST(TextEncoding, CrLfLineEnds) {
  const std::pair<std::string, std::string> cases[] = {
      {"a\nb\n\n", "a\r\nb\r\n\r\n"},
      {"\xCA\xE4\xC8\xEB: ", "\xCA\xE4\xC8\xEB: "},
      {"", ""},
  };
  for (const auto& [text, bytes] : cases) {
    std::string out(2 * text.size(), '\0');
    out.resize(crlf_line_ends(text, out.data()));
    EXPECT_EQ(out, bytes);
  }
}

struct TypedCase {
  std::vector<std::u16string> reads;  // what each console read returned
  std::string bytes;                  // what the reply reader gets
  bool ended;
};

TEST(TextEncoding, TextTypedAtAWindowsConsole) {
  const TypedCase cases[] = {
      {{u"12\r\n", u"3 4\r\n"}, "12\n3 4\n", false},
      // Ctrl-Z then Enter ends the input, at the start of a line only.
      {{u"\x1A\r\n"}, "", true},
      {{u"5\r\n", u"\x1A\r\n", u"6\r\n"}, "5\n", true},
      {{u"5\r\n\x1A\r\n6\r\n"}, "5\n", true},
      {{u"5\x1A\r\n", u"6\r\n"}, "5\x1A\n6\n", false},
      {{u" \x1A\r\n"}, " \x1A\n", false},
      // A long line comes in pieces: only a line's first piece starts it.
      {{u"12", u"\x1A\r\n"}, "12\x1A\n", false},
      // Other characters are no digit, sign or blank.
      {{u"输入 7\r\n"}, "?? 7\n", false},
      {{u"é\r\n", u"٣\r\n"}, "?\n?\n", false},
      {{u"\xD83D\xDE00\r\n"}, "??\n", false},
      // A CR alone stays a line end for the reader.
      {{u"1\r2\r\n"}, "1\r2\n", false},
  };
  for (const TypedCase& c : cases) {
    TypedText state;
    std::string bytes;
    for (const std::u16string& read : c.reads) {
      std::string out(read.size(), '\0');
      out.resize(narrow_typed_text(read, state, out.data()));
      bytes += out;
    }
    EXPECT_EQ(bytes, c.bytes) << c.bytes;
    EXPECT_EQ(state.ended, c.ended) << c.bytes;
  }
}

}  // namespace
