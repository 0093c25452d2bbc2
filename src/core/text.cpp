#include "core/text.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace zelvor {
namespace {

// True for a byte that continues a UTF-8 sequence. Texts are always valid
// UTF-8 (files are decoded on load), so code points start at every other byte.
constexpr bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// Byte offset of the n-th code point boundary from the start (n >= 0).
std::size_t OffsetOfCodePoint(std::string_view t, std::size_t n) {
  std::size_t i = 0;
  while (n > 0 && i < t.size()) {
    ++i;
    while (i < t.size() && IsContinuation(static_cast<unsigned char>(t[i]))) ++i;
    --n;
  }
  return i;
}

// Byte offset of the boundary n code points before the end (n >= 0).
std::size_t OffsetFromEnd(std::string_view t, std::size_t n) {
  std::size_t i = t.size();
  while (n > 0 && i > 0) {
    --i;
    while (i > 0 && IsContinuation(static_cast<unsigned char>(t[i]))) --i;
    --n;
  }
  return i;
}

constexpr bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::size_t Len(std::string_view t) {
  std::size_t n = 0;
  for (char c : t) {
    if (!IsContinuation(static_cast<unsigned char>(c))) ++n;
  }
  return n;
}

std::string_view Left(std::string_view t, long long n) {
  if (n <= 0) return {};
  return t.substr(0, OffsetOfCodePoint(t, static_cast<std::size_t>(n)));
}

std::string_view Right(std::string_view t, long long n) {
  if (n <= 0) return {};
  return t.substr(OffsetFromEnd(t, static_cast<std::size_t>(n)));
}

std::string_view DropFirst(std::string_view t, std::size_t n) {
  return t.substr(OffsetOfCodePoint(t, n));
}

std::string_view DropLast(std::string_view t, std::size_t n) {
  return t.substr(0, OffsetFromEnd(t, n));
}

std::string_view Mid(std::string_view t, long long p) {
  if (p < 1) return {};
  const std::size_t start = OffsetOfCodePoint(t, static_cast<std::size_t>(p - 1));
  if (start >= t.size()) return {};
  const std::size_t end = OffsetOfCodePoint(t.substr(start), 1) + start;
  return t.substr(start, end - start);
}

char32_t Asc(std::string_view t) {
  if (t.empty()) return 0;
  const auto b0 = static_cast<unsigned char>(t[0]);
  if (b0 < 0x80) return b0;
  int extra = b0 >= 0xF0 ? 3 : b0 >= 0xE0 ? 2 : 1;
  char32_t cp = b0 & (0x3F >> extra);
  for (std::size_t k = 1; k <= static_cast<std::size_t>(extra) && k < t.size(); ++k) {
    cp = (cp << 6) | (static_cast<unsigned char>(t[k]) & 0x3Fu);
  }
  return cp;
}

std::string Lowercase(std::string_view t) {
  std::string out(t);
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return out;
}

std::size_t CountFields(std::string_view t, char sep) {
  std::size_t n = 1;
  for (char c : t) {
    if (c == sep) ++n;
  }
  return n;
}

std::string_view NthField(std::string_view t, char sep, long long n) {
  if (n < 1) return {};
  std::size_t start = 0;
  for (long long k = 1; k < n; ++k) {
    const std::size_t at = t.find(sep, start);
    if (at == std::string_view::npos) return {};
    start = at + 1;
  }
  const std::size_t end = t.find(sep, start);
  return t.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
}

std::vector<std::string_view> Split(std::string_view t, char sep) {
  std::vector<std::string_view> fields;
  std::size_t start = 0;
  for (;;) {
    const std::size_t at = t.find(sep, start);
    if (at == std::string_view::npos) {
      fields.push_back(t.substr(start));
      return fields;
    }
    fields.push_back(t.substr(start, at - start));
    start = at + 1;
  }
}

double Val(std::string_view t) {
  std::size_t i = 0;
  while (i < t.size() && (t[i] == ' ' || t[i] == '\t')) ++i;
  bool negative = false;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
    negative = t[i] == '-';
    ++i;
  }
  const std::size_t numberStart = i;
  std::size_t intDigits = 0;
  while (i < t.size() && IsDigit(t[i])) ++i, ++intDigits;
  std::size_t fracDigits = 0;
  if (i < t.size() && t[i] == '.') {
    std::size_t j = i + 1;
    while (j < t.size() && IsDigit(t[j])) ++j, ++fracDigits;
    if (intDigits + fracDigits > 0) i = j;
  }
  if (intDigits + fracDigits == 0) return 0.0;
  bool negativeExponent = false;
  if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < t.size() && (t[j] == '+' || t[j] == '-')) {
      negativeExponent = t[j] == '-';
      ++j;
    }
    if (j < t.size() && IsDigit(t[j])) {
      while (j < t.size() && IsDigit(t[j])) ++j;
      i = j;
    } else {
      negativeExponent = false;
    }
  }
  // from_chars takes no leading sign; the prefix scanned above is plain
  // decimal, so no hexadecimal, infinity or NaN form can reach it.
  std::string_view number = t.substr(numberStart, i - numberStart);
  double value = 0.0;
  const auto [ptr, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
  (void)ptr;
  if (ec == std::errc::result_out_of_range) {
    value = negativeExponent ? 0.0 : std::numeric_limits<double>::infinity();
  }
  return negative ? -value : value;
}

}  // namespace zelvor
