#ifndef QUORVANE_DIALOGUE_CATALOGUE_H_
#define QUORVANE_DIALOGUE_CATALOGUE_H_

#include <string_view>

#include "dialogue/text_encoding.h"

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
  Count  // not a message: how many there are
};

/// The text of `message` as bytes in `encoding`.
std::string_view catalogue_text(TextEncoding encoding, Message message);

#endif  // QUORVANE_DIALOGUE_CATALOGUE_H_
