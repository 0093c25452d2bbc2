#include "core/text_decode.h"

#include <gtest/gtest.h>

namespace zelvor {
namespace {

TEST(TextDecodeTest, ValidUtf8IsKeptLessItsByteOrderMark) {
  EXPECT_EQ(DecodeFileBytes("\xEF\xBB\xBFhi\xC3\xA9"), "hi\xC3\xA9");
  EXPECT_EQ(DecodeFileBytes("a\xEF\xBB\xBF"), "a\xEF\xBB\xBF");  // only a leading mark goes
  EXPECT_EQ(DecodeFileBytes(std::string("a\0b", 3)), std::string("a\0b", 3));
  EXPECT_EQ(DecodeFileBytes(""), "");
}

TEST(TextDecodeTest, InvalidUtf8IsReadAsLatin1ByteForByte) {
  // Each input is not UTF-8 as a whole, so every byte becomes one character;
  // a byte-order mark's bytes then stay, as three characters.
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"\xE9t\xE9", "\xC3\xA9t\xC3\xA9"},                      // Latin-1 é
      {"\xC0\xAF", "\xC3\x80\xC2\xAF"},                         // overlong '/'
      {"\xE0\x80\xAF", "\xC3\xA0\xC2\x80\xC2\xAF"},            // overlong, three bytes
      {"\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xC2\x80"},            // surrogate
      {"\xF4\x90\x80\x80", "\xC3\xB4\xC2\x90\xC2\x80\xC2\x80"},  // past U+10FFFF
      {"a\xC3", "a\xC3\x83"},                                   // truncated
      {"\xEF\xBB\xBF\xFF", "\xC3\xAF\xC2\xBB\xC2\xBF\xC3\xBF"},  // mark, then a bad byte
  };
  for (const auto& [bytes, text] : cases) {
    EXPECT_FALSE(IsValidUtf8(bytes));
    EXPECT_EQ(DecodeFileBytes(bytes), text);
  }
}

TEST(TextDecodeTest, AcceptsTheWholeValidRange) {
  EXPECT_TRUE(IsValidUtf8("\xF4\x8F\xBF\xBF"));  // U+10FFFF
  EXPECT_TRUE(IsValidUtf8("\xEE\x80\x80"));      // U+E000, just past the surrogates
  EXPECT_TRUE(IsValidUtf8("\xF0\x90\x80\x80"));  // U+10000
}

}  // namespace
}  // namespace zelvor
