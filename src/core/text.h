// Text primitives the checker logic is written in.
//
// Texts are UTF-8 std::strings. Positions, lengths and counts are in Unicode
// code points, never bytes; field numbers and positions count from 1. No
// operation fails on an out-of-range count or field number.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zelvor {

// The map format's line separator, carriage return.
inline constexpr char kCarriageReturn = '\r';
// The platform's line break, always written after a text.
inline constexpr std::string_view EndOfLine = "\n";

// Whether Trim removes c: blank, tab, line feed, vertical tab, form feed or
// carriage return (the last five are the codes 9 to 13).
constexpr bool IsTrimmed(char c) {
  return c == ' ' || static_cast<unsigned char>(c - '\t') <= '\r' - '\t';
}

// Number of code points in t.
std::size_t Len(std::string_view t);

// First / last n code points of t (empty for n <= 0, all of t for n >= Len).
std::string_view Left(std::string_view t, long long n);
std::string_view Right(std::string_view t, long long n);

// t less its first / last n code points (empty when it has no more).
std::string_view DropFirst(std::string_view t, std::size_t n);
std::string_view DropLast(std::string_view t, std::size_t n);

// The code point at position p (1-based) as text; empty when p is out of range.
std::string_view Mid(std::string_view t, long long p);

// Code of the first character of t; 0 for the empty text.
char32_t Asc(std::string_view t);

// t without blank, tab, line feed, vertical tab, form feed or carriage return at
// either end.
inline std::string_view Trim(std::string_view t) {
  std::size_t b = 0;
  std::size_t e = t.size();
  while (b < e && IsTrimmed(t[b])) ++b;
  while (e > b && IsTrimmed(t[e - 1])) --e;
  return t.substr(b, e - b);
}

// ASCII lowercasing; used only on file names.
std::string Lowercase(std::string_view t);

// Number of fields of t at sep; the empty text has one field.
std::size_t CountFields(std::string_view t, char sep);

// Field n (1-based) of t at sep; empty past the last field.
std::string_view NthField(std::string_view t, char sep, long long n);

// All fields of t at sep, in order; the empty text gives one empty element.
std::vector<std::string_view> Split(std::string_view t, char sep);

// Decimal number at the start of t (after blanks and tabs): optional sign,
// digits, optional fraction and exponent; 0 when no number starts there.
double Val(std::string_view t);

}  // namespace zelvor
