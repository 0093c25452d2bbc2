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
  // Each of these is not UTF-8 as a whole: the whole file becomes Latin-1,
  // so the byte-order mark's bytes stay as three characters.
  const std::vector<std::string> invalid = {
      "\xE9t\xE9",                   // Latin-1 é
      "\xC0\xAF",                    // overlong '/'
      "\xE0\x80\xAF",                // overlong, three bytes
      "\xED\xA0\x80",                // surrogate
      "\xF4\x90\x80\x80",            // past U+10FFFF
      "\xC3",                        // truncated
      "\xEF\xBB\xBF\xFF",            // byte-order mark then an invalid byte
  };
  for (const std::string& bytes : invalid) {
    EXPECT_FALSE(IsValidUtf8(bytes));
    const std::string text = DecodeFileBytes(bytes);
    std::string expected;
    for (const char c : bytes) {
      const auto b = static_cast<unsigned char>(c);
      if (b < 0x80) {
        expected.push_back(c);
      } else {
        expected.push_back(static_cast<char>(0xC0 | (b >> 6)));
        expected.push_back(static_cast<char>(0x80 | (b & 0x3F)));
      }
    }
    EXPECT_EQ(text, expected);
    EXPECT_TRUE(IsValidUtf8(text));
  }
}

TEST(TextDecodeTest, AcceptsTheWholeValidRange) {
  EXPECT_TRUE(IsValidUtf8("\xF4\x8F\xBF\xBF"));  // U+10FFFF
  EXPECT_TRUE(IsValidUtf8("\xEE\x80\x80"));      // U+E000, just past the surrogates
  EXPECT_TRUE(IsValidUtf8("\xF0\x90\x80\x80"));  // U+10000
}

}  // namespace
}  // namespace zelvor
