#ifndef QUORVANE_PLATFORM_TEXT_ENCODING_H_
#define QUORVANE_PLATFORM_TEXT_ENCODING_H_

#include <string_view>

/// The character sets the quiz writes its text in.
enum class TextEncoding { Gbk, Utf8 };

/// GBK for the GBK family (GBK, GB18030, GB2312: all show the quiz's GBK
/// bytes as they are), UTF-8 for any other codeset name.
TextEncoding encoding_for_codeset(std::string_view codeset);

#endif  // QUORVANE_PLATFORM_TEXT_ENCODING_H_
