#include "dialogue/catalogue.h"

#include <array>
#include <cstdint>

namespace {

// In the order of Message.  The source is UTF-8; the GBK texts are made
// from these when the program is compiled.
constexpr std::array<std::string_view, kMessageCount> kUtf8Texts = {
    "Quorvane V0.1.0\n",
    "Made by the Quorvane project.\n",
    "Copyright (c) 2026 the Quorvane developers.\n",
    "\n(%d) %d + %d = ( )\n输入: ",
    "\n(%d) %d - %d = ( )\n输入: ",
    "\n(%d) %d × %d = ( )\n输入: ",
    "\n(%d) %d ÷ %d = ( )\n输入: ",
    "\n(%d) %d ÷ %d = ( ) ······ ( )\n",
    "输入: ",
    "商: ",
    "余数: ",
    "判定: 正确\n",
    "判定: 错误\n正确答案是: %d\n",
    "判定: 错误\n正确答案是: %d %d\n",
    // The end of input leaves the cursor after a prompt; end its line.
    "\n",
};

// The GBK code of every non-ASCII character the texts use.  A character
// missing here stops the build.
struct GbkCode {
  char32_t character;
  unsigned char lead;
  unsigned char trail;
};

constexpr GbkCode kGbkCodes[] = {
    {U'·', 0xA1, 0xA4},  {U'×', 0xA1, 0xC1},  {U'÷', 0xA1, 0xC2},
    {U'入', 0xC8, 0xEB}, {U'判', 0xC5, 0xD0}, {U'定', 0xB6, 0xA8},
    {U'商', 0xC9, 0xCC}, {U'余', 0xD3, 0xE0}, {U'数', 0xCA, 0xFD},
    {U'案', 0xB0, 0xB8}, {U'正', 0xD5, 0xFD}, {U'是', 0xCA, 0xC7},
    {U'确', 0xC8, 0xB7}, {U'答', 0xB4, 0xF0}, {U'误', 0xCE, 0xF3},
    {U'输', 0xCA, 0xE4}, {U'错', 0xB4, 0xED},
};

consteval std::size_t total_size(
    const std::array<std::string_view, kMessageCount>& texts) {
  std::size_t size = 0;
  for (std::string_view text : texts) size += text.size();
  return size;
}

// GBK never takes more bytes than UTF-8 for these characters, so the UTF-8
// size bounds the GBK one.
struct GbkTexts {
  std::array<char, total_size(kUtf8Texts)> bytes{};
  std::array<std::size_t, kMessageCount + 1> start{};
};

consteval GbkCode gbk_code(char32_t character) {
  for (const GbkCode& code : kGbkCodes) {
    if (code.character == character) return code;
  }
  throw "a catalogue character has no GBK code";
}

consteval GbkTexts to_gbk(
    const std::array<std::string_view, kMessageCount>& texts) {
  GbkTexts gbk;
  std::size_t out = 0;
  for (std::size_t m = 0; m < kMessageCount; ++m) {
    gbk.start[m] = out;
    std::string_view text = texts[m];
    for (std::size_t i = 0; i < text.size();) {
      const auto lead = static_cast<unsigned char>(text[i]);
      if (lead < 0x80) {
        gbk.bytes[out++] = text[i++];
        continue;
      }
      // Two- and three-byte UTF-8 sequences are all the texts hold.
      const std::size_t length = lead >= 0xE0 ? 3 : 2;
      char32_t character = lead & (length == 3 ? 0x0Fu : 0x1Fu);
      for (std::size_t k = 1; k < length; ++k) {
        character = (character << 6) |
                    (static_cast<unsigned char>(text[i + k]) & 0x3Fu);
      }
      i += length;
      const GbkCode code = gbk_code(character);
      gbk.bytes[out++] = static_cast<char>(code.lead);
      gbk.bytes[out++] = static_cast<char>(code.trail);
    }
  }
  gbk.start[kMessageCount] = out;
  return gbk;
}

constexpr GbkTexts kGbkTexts = to_gbk(kUtf8Texts);

}  // namespace

std::string_view catalogue_text(TextEncoding encoding, Message message) {
  const auto m = static_cast<std::size_t>(message);
  if (encoding == TextEncoding::Utf8) return kUtf8Texts[m];
  return {kGbkTexts.bytes.data() + kGbkTexts.start[m],
          kGbkTexts.start[m + 1] - kGbkTexts.start[m]};
}
