// Reading one map line: its stripped line and element word.
#pragma once

#include <string>
#include <string_view>

#include "core/text.h"

namespace zelvor {

// A map line as the parser and the rules judge it: every angle bracket made a
// blank, then trimmed; its first blank-separated word says what the line is.
struct StrippedLine {
  explicit StrippedLine(std::string_view line);
  std::string_view Word() const { return NthField(text, ' ', 1); }
  std::string text;
};

}  // namespace zelvor
