#include "platform/text_encoding.h"

#include <gtest/gtest.h>

namespace {

TEST(TextEncoding, GbkFamilyKeepsGbkBytes) {
  for (const char* codeset : {"GBK", "gbk", "GB18030", "gb18030", "GB2312"}) {
    EXPECT_EQ(encoding_for_codeset(codeset), TextEncoding::Gbk) << codeset;
  }
}

TEST(TextEncoding, EverythingElseGetsUtf8) {
  for (const char* codeset : {"UTF-8", "utf8", "ANSI_X3.4-1968", "ISO-8859-1",
                              "", "GB", "GBKX", "BIG5"}) {
    EXPECT_EQ(encoding_for_codeset(codeset), TextEncoding::Utf8) << codeset;
  }
}

}  // namespace
