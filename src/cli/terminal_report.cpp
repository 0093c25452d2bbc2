#include "cli/terminal_report.h"

#include "core/checker.h"
#include "core/text.h"

namespace zelvor {

std::string ColourEscape(Rgb colour) {
  switch (colour) {
    case kErrorRed:
      return "\x1b[31m";
    case kWarningBlue:
      return "\x1b[34m";
    case kReportPurple:
      return "\x1b[35m";
    default:
      return "\x1b[38;2;" + std::to_string((colour >> 16) & 0xFF) + ";" +
             std::to_string((colour >> 8) & 0xFF) + ";" + std::to_string(colour & 0xFF) + "m";
  }
}

TerminalReport::TerminalReport(std::FILE* out, bool colour, std::string folder)
    : out_(out), colour_(colour), folder_(std::move(folder)) {}

void TerminalReport::AppendReport(std::string_view text, Rgb colour) {
  length_ += Len(text);
  if (!colour_) {
    std::fwrite(text.data(), 1, text.size(), out_);
    return;
  }
  // Colour each line's text and reset before its line break, so that a
  // line break never carries a colour into the next line.
  const std::string escape = ColourEscape(colour);
  static constexpr std::string_view kReset = "\x1b[0m";
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find('\n', start);
    const std::string_view piece =
        text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
    if (!piece.empty()) {
      std::fwrite(escape.data(), 1, escape.size(), out_);
      std::fwrite(piece.data(), 1, piece.size(), out_);
      std::fwrite(kReset.data(), 1, kReset.size(), out_);
    }
    if (end == std::string_view::npos) break;
    std::fputc('\n', out_);
    start = end + 1;
  }
}

}  // namespace zelvor
