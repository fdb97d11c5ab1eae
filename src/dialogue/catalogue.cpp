#include "dialogue/catalogue.h"

#include <array>
#include <cstddef>

namespace {

constexpr auto kMessageCount = static_cast<std::size_t>(Message::Count);

struct Entry {
  Message message;
  std::string_view utf8;
};

// The source is UTF-8; the GBK texts are made from it when the program is
// compiled.
constexpr std::array<Entry, kMessageCount> kEntries = {{
    {Message::BannerTitle, "Quorvane V0.1.0\n"},
    {Message::BannerMaker, "Made by the Quorvane project.\n"},
    {Message::BannerCopyright, "Copyright (c) 2026 the Quorvane developers.\n"},
    {Message::AddQuestion, "\n(%d) %d + %d = ( )\n输入: "},
    {Message::SubtractQuestion, "\n(%d) %d - %d = ( )\n输入: "},
    {Message::MultiplyQuestion, "\n(%d) %d × %d = ( )\n输入: "},
    {Message::DivideQuestion, "\n(%d) %d ÷ %d = ( )\n输入: "},
    {Message::RemainderQuestion, "\n(%d) %d ÷ %d = ( ) ······ ( )\n"},
    {Message::InputPrompt, "输入: "},
    {Message::QuotientPrompt, "商: "},
    {Message::RemainderPrompt, "余数: "},
    {Message::VerdictCorrect, "判定: 正确\n"},
    {Message::VerdictWrong, "判定: 错误\n正确答案是: %d\n"},
    {Message::VerdictWrongPair, "判定: 错误\n正确答案是: %d %d\n"},
    // The end of input leaves the cursor after a prompt; end its line.
    {Message::InputEnded, "\n"},
}};

// Each message has its own text, in its own place, so that a message added
// without one stops the build.
consteval bool every_message_has_its_text() {
  for (std::size_t m = 0; m < kMessageCount; ++m) {
    if (kEntries[m].message != static_cast<Message>(m)) return false;
    if (kEntries[m].utf8.empty()) return false;
  }
  return true;
}
static_assert(every_message_has_its_text());

consteval std::size_t total_size() {
  std::size_t size = 0;
  for (const Entry& entry : kEntries) size += entry.utf8.size();
  return size;
}

// GBK never takes more bytes than UTF-8 for these characters, so the UTF-8
// size bounds the GBK one.
struct GbkTexts {
  std::array<char, total_size()> bytes{};
  std::array<std::size_t, kMessageCount + 1> start{};
};

consteval GbkCode gbk_code(char32_t character) {
  for (const GbkCode& code : kGbkCodes) {
    if (code.character == character) return code;
  }
  throw "a catalogue character has no GBK code";
}

consteval GbkTexts to_gbk() {
  GbkTexts gbk;
  std::size_t out = 0;
  for (std::size_t m = 0; m < kMessageCount; ++m) {
    gbk.start[m] = out;
    const std::string_view text = kEntries[m].utf8;
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

constexpr GbkTexts kGbkTexts = to_gbk();

}  // namespace

std::string_view catalogue_text(TextEncoding encoding, Message message) {
  const auto m = static_cast<std::size_t>(message);
  if (encoding == TextEncoding::Utf8) return kEntries[m].utf8;
  return {kGbkTexts.bytes.data() + kGbkTexts.start[m],
          kGbkTexts.start[m + 1] - kGbkTexts.start[m]};
}
