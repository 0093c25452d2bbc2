// Reading one map line: its stripped line and element word.
#pragma once

#include <string>
#include <string_view>

#include "core/text.h"

namespace zelvor {

// A map line as the parser and the rules judge it: every angle bracket made a
// blank, then trimmed; its first blank-separated word says what the line is.
class StrippedLine {
 public:
  // Holds the stripped text itself.
  explicit StrippedLine(std::string_view line);
  // Writes the stripped text into buffer, which outlives this line: a loop
  // over many lines reuses one buffer instead of allocating for each.
  StrippedLine(std::string_view line, std::string& buffer);
  StrippedLine(const StrippedLine&) = delete;
  StrippedLine& operator=(const StrippedLine&) = delete;

  std::string_view Word() const { return NthField(text, ' ', 1); }

 private:
  std::string own_;

 public:
  std::string_view text;
};

// The element word of a line, StrippedLine(line).Word(), without copying the
// line: a view into it.
std::string_view ElementWord(std::string_view line);

}  // namespace zelvor
