#include "mapfile/line_helpers.h"

#include "core/checker.h"
#include "core/text.h"

namespace zelvor {

std::string Checker::StripAngleBrackets(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c == '<' || c == '>') c = ' ';
  }
  return out;
}

std::string_view Checker::GetTextFromElement(std::string_view text, std::string_view key) {
  // Walk the fields at apostrophes; the first whose trimmed text is the key
  // gives the field after it, untrimmed.
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

StrippedLine::StrippedLine(std::string_view line)
    : text(Trim(Checker::StripAngleBrackets(line))) {}

}  // namespace zelvor
