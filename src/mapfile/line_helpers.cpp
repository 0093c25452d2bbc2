#include "mapfile/line_helpers.h"

#include <array>

#include "core/checker.h"
#include "core/text.h"

namespace zelvor {
namespace {

// A non-empty key with no apostrophe and no trimmed character at either end.
bool IsPlainKey(std::string_view key) {
  return !key.empty() && key.find('\'') == std::string_view::npos && !IsTrimmed(key.front()) &&
         !IsTrimmed(key.back());
}

// GetTextFromElement field by field, for any key.
std::string_view GetTextFromElementByFields(std::string_view text, std::string_view key) {
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = text.find('\'', start);
    const std::string_view field =
        text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
    if (Trim(field) == key) {
      if (end == std::string_view::npos) return {};
      return NthField(text.substr(end + 1), '\'', 1);
    }
    if (end == std::string_view::npos) return {};
    start = end + 1;
  }
}

// Whether a character is dropped at the ends of a stripped line.
// A character class for every byte value, read with one load per character on
// the hot path of every line.
constexpr std::array<bool, 256> ByteClass(bool (*member)(char)) {
  std::array<bool, 256> table{};
  for (int b = 0; b < 256; ++b) table[static_cast<std::size_t>(b)] = member(static_cast<char>(b));
  return table;
}
constexpr std::array<bool, 256> kStrippedAtEnds =
    ByteClass([](char c) { return IsTrimmed(c) || c == '<' || c == '>'; });
constexpr std::array<bool, 256> kEndsWord =
    ByteClass([](char c) { return c == ' ' || c == '<' || c == '>'; });
constexpr bool IsStrippedAtEnds(char c) { return kStrippedAtEnds[static_cast<unsigned char>(c)]; }

// Trim(StripAngleBrackets(line)) written into buffer, with one copy: angle
// brackets become blanks, which trimming drops, so the trimmed range is found
// on the line itself and only that range is copied.
std::string_view StripInto(std::string_view line, std::string& buffer) {
  std::size_t begin = 0;
  std::size_t end = line.size();
  while (begin < end && IsStrippedAtEnds(line[begin])) ++begin;
  while (end > begin && IsStrippedAtEnds(line[end - 1])) --end;
  buffer.assign(line.substr(begin, end - begin));
  // Without branches, so that the compiler can work on many bytes at once.
  char* const data = buffer.data();
  const std::size_t size = buffer.size();
  for (std::size_t i = 0; i < size; ++i) {
    const char c = data[i];
    data[i] = (c == '<' || c == '>') ? ' ' : c;
  }
  return buffer;
}


}  // namespace

std::string_view ElementWord(std::string_view line) {
  // The stripped line's first word, found on the line itself: it starts
  // after what the stripped line drops at its start and ends at the first
  // blank or angle bracket (a blank in the stripped line), or where the
  // stripped line ends.
  std::size_t begin = 0;
  std::size_t end = line.size();
  while (begin < end && IsStrippedAtEnds(line[begin])) ++begin;
  while (end > begin && IsStrippedAtEnds(line[end - 1])) --end;
  std::size_t wordEnd = begin;
  while (wordEnd < end && !kEndsWord[static_cast<unsigned char>(line[wordEnd])]) ++wordEnd;
  return line.substr(begin, wordEnd - begin);
}

std::string Checker::StripAngleBrackets(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c == '<' || c == '>') c = ' ';
  }
  return out;
}

std::string_view Checker::GetTextFromElement(std::string_view text, std::string_view key) {
  // The fields are the text's pieces at apostrophes; the first field whose
  // trimmed text is the key gives the field after it, untrimmed.
  if (!IsPlainKey(key)) return GetTextFromElementByFields(text, key);
  // A key without apostrophes and without trimmed characters at its ends is
  // such a field exactly where it occurs with nothing but trimmed characters
  // between it and the apostrophes (or text ends) around it. Searching for
  // the key spares trimming every field of the text.
  std::size_t from = 0;
  for (;;) {
    const std::size_t at = text.find(key, from);
    if (at == std::string_view::npos) return {};
    std::size_t fieldStart = at;
    while (fieldStart > 0 && IsTrimmed(text[fieldStart - 1])) --fieldStart;
    std::size_t fieldEnd = at + key.size();
    while (fieldEnd < text.size() && IsTrimmed(text[fieldEnd])) ++fieldEnd;
    const bool wholeField = (fieldStart == 0 || text[fieldStart - 1] == '\'') &&
                            (fieldEnd == text.size() || text[fieldEnd] == '\'');
    if (wholeField) {
      if (fieldEnd == text.size()) return {};
      return NthField(text.substr(fieldEnd + 1), '\'', 1);
    }
    from = at + 1;
  }
}

StrippedLine::StrippedLine(std::string_view line) : text(StripInto(line, own_)) {}

StrippedLine::StrippedLine(std::string_view line, std::string& buffer)
    : text(StripInto(line, buffer)) {}

}  // namespace zelvor
