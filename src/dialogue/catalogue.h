#ifndef QUORVANE_DIALOGUE_CATALOGUE_H_
#define QUORVANE_DIALOGUE_CATALOGUE_H_

#include <cstddef>
#include <string_view>

#include "platform/text_encoding.h"

/// Every text the user sees.  Each is a printf-style format in which %d
/// stands for a signed decimal integer.
enum class Message {
  BannerTitle,
  BannerMaker,
  BannerCopyright,
  AddQuestion,
  SubtractQuestion,
  MultiplyQuestion,
  DivideQuestion,
  RemainderQuestion,
  InputPrompt,
  QuotientPrompt,
  RemainderPrompt,
  VerdictCorrect,
  VerdictWrong,
  VerdictWrongPair,
  InputEnded,
};

inline constexpr std::size_t kMessageCount =
    static_cast<std::size_t>(Message::InputEnded) + 1;

/// The text of `message` as bytes in `encoding`.
std::string_view catalogue_text(TextEncoding encoding, Message message);

#endif  // QUORVANE_DIALOGUE_CATALOGUE_H_
