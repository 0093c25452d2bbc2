#include "core/text.h"

#include <gtest/gtest.h>

#include <cmath>

namespace zelvor {
namespace {

// "é" is two bytes, "€" three, "😀" four: counts are in characters.
const std::string kMixed = "a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80z";  // a é € 😀 z

TEST(TextTest, CountsCodePointsNotBytes) {
  EXPECT_EQ(Len(""), 0u);
  EXPECT_EQ(Len(kMixed), 5u);
  EXPECT_EQ(Left(kMixed, 2), "a\xC3\xA9");
  EXPECT_EQ(Right(kMixed, 2), "\xF0\x9F\x98\x80z");
  EXPECT_EQ(Mid(kMixed, 3), "\xE2\x82\xAC");
  EXPECT_EQ(Asc("\xE2\x82\xAC"), U'\u20AC');
  EXPECT_EQ(DropFirst(kMixed, 2), "\xE2\x82\xAC\xF0\x9F\x98\x80z");
  EXPECT_EQ(DropLast(kMixed, 2), "a\xC3\xA9\xE2\x82\xAC");
  EXPECT_EQ(DropFirst(kMixed, 9), "");
  EXPECT_EQ(DropLast("\xC3\xA9", 1), "");
  EXPECT_EQ(Asc("\xF0\x9F\x98\x80"), U'\U0001F600');
}

TEST(TextTest, OutOfRangeCountsGiveEmptyOrWhole) {
  EXPECT_EQ(Left("abc", 0), "");
  EXPECT_EQ(Left("abc", -3), "");
  EXPECT_EQ(Left("abc", 9), "abc");
  EXPECT_EQ(Right("abc", -1), "");
  EXPECT_EQ(Right("abc", 9), "abc");
  EXPECT_EQ(Mid("abc", 0), "");
  EXPECT_EQ(Mid("abc", 4), "");
  EXPECT_EQ(Asc(""), 0u);
}

TEST(TextTest, TrimRemovesAsciiWhiteSpaceOnly) {
  EXPECT_EQ(Trim(" \t\n\v\f\rab c\r\n "), "ab c");
  EXPECT_EQ(Trim(""), "");
  EXPECT_EQ(Trim("  "), "");
  EXPECT_EQ(Trim("\xC2\xA0x"), "\xC2\xA0x");  // no-break space stays
}

TEST(TextTest, FieldsAtSeparator) {
  EXPECT_EQ(CountFields("", '\''), 1u);
  EXPECT_EQ(CountFields("a''b'", '\''), 4u);
  EXPECT_EQ(NthField("a''b'", '\'', 1), "a");
  EXPECT_EQ(NthField("a''b'", '\'', 2), "");
  EXPECT_EQ(NthField("a''b'", '\'', 3), "b");
  EXPECT_EQ(NthField("a''b'", '\'', 4), "");
  EXPECT_EQ(NthField("a''b'", '\'', 5), "");
  EXPECT_EQ(NthField("abc", '\'', 1), "abc");
  EXPECT_EQ(NthField("abc", '\'', 0), "");
  EXPECT_EQ(Split("", '\r'), (std::vector<std::string_view>{""}));
  EXPECT_EQ(Split("a\r\rb\r", '\r'), (std::vector<std::string_view>{"a", "", "b", ""}));
}

TEST(TextTest, LowercaseOnlyTouchesAsciiLetters) {
  EXPECT_EQ(Lowercase("SpAcE.LoC"), "space.loc");
  EXPECT_EQ(Lowercase("\xC3\x89"), "\xC3\x89");
}

TEST(TextTest, ValReadsTheLeadingDecimalNumber) {
  const std::vector<std::pair<std::string, double>> cases = {
      {"1", 1},      {" 1 ", 1},     {"\t7x", 7},      {"1.5", 1.5},     {".5", 0.5},
      {"abc", 0},    {"", 0},        {"0x10", 0},      {"-3", -3},       {"+2", 2},
      {"1e2", 100},  {"1e", 1},      {"1e+", 1},       {"2E-1", 0.2},    {".", 0},
      {"-.5", -0.5}, {"inf", 0},     {"nan", 0},       {"\n1", 0},       {"1,5", 1},
      {"5.", 5},     {"1e-9999", 0}, {"00012", 12},
  };
  for (const auto& [text, value] : cases) {
    EXPECT_DOUBLE_EQ(Val(text), value) << "Val(\"" << text << "\")";
  }
  EXPECT_TRUE(std::isinf(Val("1e9999")));
}

}  // namespace
}  // namespace zelvor
