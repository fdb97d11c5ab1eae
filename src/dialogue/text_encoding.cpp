#include "dialogue/text_encoding.h"

#include <array>

namespace {

// The codeset's letters and digits alone, in lower case: "UTF-8" is "utf8".
bool same_codeset(std::string_view codeset, std::string_view plain) {
  std::size_t matched = 0;
  for (char c : codeset) {
    if (c == '-' || c == '_') continue;
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (matched == plain.size() || plain[matched] != c) return false;
    ++matched;
  }
  return matched == plain.size();
}

const GbkCode* find_character(char32_t character) {
  for (const GbkCode& code : kGbkCodes) {
    if (code.character == character) return &code;
  }
  return nullptr;
}

const GbkCode* find_code(unsigned char lead, unsigned char trail) {
  for (const GbkCode& code : kGbkCodes) {
    if (code.lead == lead && code.trail == trail) return &code;
  }
  return nullptr;
}

}  // namespace

TextEncoding encoding_for_codeset(std::string_view codeset) {
  constexpr std::array<std::string_view, 4> kGbkFamily = {"gbk", "gb18030",
                                                          "gb2312", "euccn"};
  for (std::string_view name : kGbkFamily) {
    if (same_codeset(codeset, name)) return TextEncoding::Gbk;
  }
  return TextEncoding::Utf8;
}

std::optional<TextEncoding> encoding_for_locale(const char* lc_all,
                                                const char* lc_ctype,
                                                const char* lang) {
  std::string_view name;
  for (const char* value : {lc_all, lc_ctype, lang}) {
    if (value != nullptr && *value != '\0') {
      name = value;
      break;
    }
  }
  if (name.empty() || name == "C" || name == "POSIX") {
    return TextEncoding::Utf8;
  }
  // language[_territory][.codeset][@modifier]
  const std::size_t dot = name.find('.');
  if (dot == std::string_view::npos) return std::nullopt;
  const std::string_view codeset = name.substr(dot + 1);
  return encoding_for_codeset(codeset.substr(0, codeset.find('@')));
}

std::size_t narrow_utf16(std::u16string_view text, TextEncoding encoding,
                         char* out) {
  char* const start = out;
  for (const char16_t unit : text) {
    if (unit < 0x80) {
      *out++ = static_cast<char>(unit);
    } else if (encoding == TextEncoding::Gbk) {
      const GbkCode* code = find_character(unit);
      if (code == nullptr) {
        *out++ = kUnknownCharacter;
        continue;
      }
      *out++ = static_cast<char>(code->lead);
      *out++ = static_cast<char>(code->trail);
    } else if (unit < 0x800) {
      *out++ = static_cast<char>(0xC0 | (unit >> 6));
      *out++ = static_cast<char>(0x80 | (unit & 0x3F));
    } else {
      *out++ = static_cast<char>(0xE0 | (unit >> 12));
      *out++ = static_cast<char>(0x80 | ((unit >> 6) & 0x3F));
      *out++ = static_cast<char>(0x80 | (unit & 0x3F));
    }
  }
  return static_cast<std::size_t>(out - start);
}

std::size_t gbk_to_utf16(std::string_view gbk, unsigned char& pending,
                         char16_t* out) {
  char16_t* const start = out;
  for (const char c : gbk) {
    const auto byte = static_cast<unsigned char>(c);
    if (pending != 0) {
      const GbkCode* code = find_code(pending, byte);
      *out++ = code != nullptr ? static_cast<char16_t>(code->character)
                               : static_cast<char16_t>(kUnknownCharacter);
      pending = 0;
    } else if (byte >= 0x80) {
      pending = byte;
    } else {
      if (byte == '\n') *out++ = u'\r';
      *out++ = byte;
    }
  }
  return static_cast<std::size_t>(out - start);
}

std::size_t crlf_line_ends(std::string_view text, char* out) {
  char* const start = out;
  for (const char c : text) {
    if (c == '\n') *out++ = '\r';
    *out++ = c;
  }
  return static_cast<std::size_t>(out - start);
}

std::size_t narrow_typed_text(std::u16string_view typed, TypedText& state,
                              char* out) {
  char* const start = out;
  for (std::size_t i = 0; i < typed.size() && !state.ended; ++i) {
    const char16_t unit = typed[i];
    if (unit == u'\x1A' && state.at_line_start) {
      state.ended = true;
    } else if (unit == u'\r' && i + 1 < typed.size() && typed[i + 1] == '\n') {
      continue;
    } else {
      *out++ = unit < 0x80 ? static_cast<char>(unit) : kUnknownCharacter;
    }
    state.at_line_start = unit == u'\n';
  }
  return static_cast<std::size_t>(out - start);
}
