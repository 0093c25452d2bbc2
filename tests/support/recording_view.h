// A CheckerView for tests: keeps the report text with its colour runs, the
// file list, and answers the folder chooser from a queue; onFileRow runs
// after each file row is added, so a test can change the folder while it is
// read.
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/checker.h"
#include "core/text.h"

namespace zelvor::testing {

struct ColourRun {
  std::string text;
  Rgb colour;
  bool operator==(const ColourRun&) const = default;
};

class RecordingView final : public CheckerView {
 public:
  std::size_t ReportLength() const override { return Len(text); }
  void AppendReport(std::string_view piece, Rgb colour) override;
  void ClearReport() override;
  void ClearFileList() override { rows.clear(); }
  void AddFileRow(std::string_view row) override;
  std::optional<std::string> ChooseFolder(const std::string& startFolder) override;

  std::string text;
  std::vector<ColourRun> runs;  // one per append
  std::vector<std::string> rows;
  // What the chooser answers next (nothing = cancel), and where it opened.
  std::deque<std::optional<std::string>> answers;
  std::vector<std::string> chooserOpenedAt;
  std::function<void(std::size_t row)> onFileRow;  // given the number of rows so far
};

// Report text of a Test run over in-memory files, given as (name, lines)
// pairs; each line is ended by a carriage return.
std::string CheckFiles(const std::vector<std::pair<std::string, std::vector<std::string>>>& files);

// The lines joined as a map file: each ended by lineEnd.
std::string MapText(const std::vector<std::string>& lines, const std::string& lineEnd = "\r");

// The error and warning lines of a report (banners, closings, verdict dropped).
std::vector<std::string> Findings(const std::string& report);

}  // namespace zelvor::testing
