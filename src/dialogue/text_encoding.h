#ifndef QUORVANE_DIALOGUE_TEXT_ENCODING_H_
#define QUORVANE_DIALOGUE_TEXT_ENCODING_H_

#include <cstddef>
#include <optional>
#include <string_view>

// The quiz's text is its catalogue's, made at compile time in each
// character set from one table of GBK codes.  The few steps here that
// still work on text as it runs (a title for a terminal, text for and from
// a Windows console) use the same table; the console code of each system
// calls them.

/// The character sets the quiz writes its text in.
enum class TextEncoding { Gbk, Utf8 };

/// GBK for the GBK family (GBK, GB18030, GB2312 and EUC-CN all show the
/// quiz's GBK bytes as they are), UTF-8 for any other codeset.  Case, '-'
/// and '_' do not count: "utf8" is "UTF-8".
TextEncoding encoding_for_codeset(std::string_view codeset);

/// The encoding that the locale's name says, from the values of LC_ALL,
/// LC_CTYPE and LANG (null when unset): the first that is set and not
/// empty names the locale.  A name with a codeset ("zh_CN.GBK") says it, as
/// do C, POSIX and no name at all (UTF-8).  None where the name carries no
/// codeset ("zh_CN"): only the locale itself can tell then.
std::optional<TextEncoding> encoding_for_locale(const char* lc_all,
                                                const char* lc_ctype,
                                                const char* lang);

/// The GBK code of every non-ASCII character the quiz shows.
struct GbkCode {
  char32_t character;
  unsigned char lead;
  unsigned char trail;
};

inline constexpr GbkCode kGbkCodes[] = {
    {U'·', 0xA1, 0xA4},  {U'×', 0xA1, 0xC1},  {U'÷', 0xA1, 0xC2},
    {U'入', 0xC8, 0xEB}, {U'判', 0xC5, 0xD0}, {U'定', 0xB6, 0xA8},
    {U'商', 0xC9, 0xCC}, {U'余', 0xD3, 0xE0}, {U'数', 0xCA, 0xFD},
    {U'案', 0xB0, 0xB8}, {U'正', 0xD5, 0xFD}, {U'是', 0xCA, 0xC7},
    {U'确', 0xC8, 0xB7}, {U'答', 0xB4, 0xF0}, {U'误', 0xCE, 0xF3},
    {U'输', 0xCA, 0xE4}, {U'错', 0xB4, 0xED},
};

/// Shown for a character the table lacks; none of the quiz's does.
inline constexpr char kUnknownCharacter = '?';

/// Writes `text`, UTF-16 without surrogates (a title), in `encoding` to
/// `out`, which has room for three bytes a unit.  Returns the count.
std::size_t narrow_utf16(std::u16string_view text, TextEncoding encoding,
                         char* out);

/// Writes `gbk` to `out` for a Windows console: each character as its UTF-16
/// unit and each LF as CR LF, so that every line starts at the left margin.
/// A lead byte that ends `gbk` waits in `pending` for its trail byte, the
/// first of the next call's text.  `out` has room for two units a byte.
/// Returns the count.
std::size_t gbk_to_utf16(std::string_view gbk, unsigned char& pending,
                         char16_t* out);

/// Writes `text` to `out` with each LF as CR LF; `out` has room for two
/// bytes a byte.  Returns the count.
std::size_t crlf_line_ends(std::string_view text, char* out);

/// What a Windows console typed, a line at a time, made into the reply
/// reader's bytes: ASCII as it is, CR LF as LF, and any other character as
/// a byte that is no digit, sign or blank, so a reply of it is unreadable.
/// Ctrl-Z (U+001A) first on a line is the end of input.
struct TypedText {
  bool at_line_start = true;
  bool ended = false;
};

/// Writes the bytes for `typed` to `out`, which has room for a byte a unit.
/// Returns the count; what follows an end of input is dropped.
std::size_t narrow_typed_text(std::u16string_view typed, TypedText& state,
                              char* out);

#endif  // QUORVANE_DIALOGUE_TEXT_ENCODING_H_
