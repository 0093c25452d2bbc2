// The report channel: every line the checker writes goes through here.
#include <string>

#include "core/checker.h"
#include "core/text.h"

namespace zelvor {

void Checker::UpdateStatusEditField(std::string_view text, Rgb colour) {
  view_.AppendReport(text, colour);
}

void Checker::IssueError(std::string_view message) {
  std::string line = "      Error - ";
  line.append(message).append(EndOfLine);
  UpdateStatusEditField(line, kErrorRed);
  errors = true;
}

void Checker::IssueWarning(std::string_view message) {
  std::string line = "      Warning - ";
  line.append(message).append(EndOfLine);
  UpdateStatusEditField(line, kWarningBlue);
  warnings = true;
}

void Checker::DisplayResults() {
  std::string line;
  if (errors) {
    line.append("      ----- Files have errors -----").append(EndOfLine).append(EndOfLine);
  } else {
    line.append("      No errors in these files").append(EndOfLine);
  }
  UpdateStatusEditField(line, kReportPurple);
}

}  // namespace zelvor
