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
  ReportFinding(Severity::kError, message);
}

void Checker::IssueWarning(std::string_view message) {
  std::string line = "      Warning - ";
  line.append(message).append(EndOfLine);
  UpdateStatusEditField(line, kWarningBlue);
  warnings = true;
  ReportFinding(Severity::kWarning, message);
}

void Checker::ReportFinding(Severity severity, std::string_view message) {
  FindingRecord record;
  record.severity = severity;
  record.message = message;
  record.fileIndex = FileIndex();
  if (record.fileIndex < LocationFileName.size()) {
    record.fileName = LocationFileName[record.fileIndex];
  }
  record.line = findingPlace_.line;
  record.location = findingPlace_.location;
  if (findingPlace_.onExitsLine) {
    const std::size_t entry = RoomExits.Lookup(*findingPlace_.location);
    if (entry < exitsLineIndex_.size()) record.line = exitsLineIndex_[entry] + 1;
  }
  view_.Finding(record);
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
