// The positioned formats of zelvor-check: gcc lines, a JSON document and
// GitHub Actions annotations, written from the findings of one folder run.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/checker_view.h"

namespace zelvor {

struct PositionedFinding {
  Severity severity = Severity::kError;
  std::string message;  // exactly as reported, leading blanks included
  std::size_t line = 0;  // 1-based; 0 for none
  std::optional<std::string> location;
};

struct CheckedFile {
  std::string name;
  std::string title;  // as parsed; empty when the map has none
  std::vector<PositionedFinding> findings;
};

// What one folder run found, file by file in test order.
struct FolderFindings {
  std::string folder;            // as given on the command line
  std::string workingDirectory;  // absolute, ending with "/", as the report names it
  std::vector<CheckedFile> files;
  std::size_t errors = 0;
  std::size_t warnings = 0;
};

// The view of a folder run for the positioned formats: it shows no report,
// and collects each file and finding.
class FindingCollector final : public CheckerView {
 public:
  // folder as given; workingDirectory is what the folder chooser answers.
  FindingCollector(std::string folder, std::string workingDirectory);

  std::size_t ReportLength() const override { return length_; }
  void AppendReport(std::string_view text, Rgb colour) override;
  void ClearReport() override { length_ = 0; }
  void ClearFileList() override {}
  void AddFileRow(std::string_view) override {}
  std::optional<std::string> ChooseFolder(const std::string&) override;
  void TestingFile(const TestedFile& file) override;
  void Finding(const FindingRecord& finding) override;

  const FolderFindings& Findings() const { return findings_; }

 private:
  FolderFindings findings_;
  std::size_t length_ = 0;
};

// A file's path as the user named its folder: "maps" and "a.loc" give
// "maps/a.loc"; an empty folder (the current one) gives the name alone.
std::string FilePathIn(std::string_view folder, std::string_view name);

// PATH:LINE: error: MESSAGE (PATH: error: MESSAGE for a finding without a
// line), one line per finding, the message without its leading blanks; then
// "FOLDER: N errors, M warnings". Control characters in a path or message are
// written as \xNN so that every finding stays on its own line. With colour,
// the position is bold and the severity word red or blue.
std::string GccLines(const FolderFindings& run, bool colour);

// One JSON document on one line, ended by a line feed (the layout is in the
// README). Strings are valid UTF-8: bytes of a file or folder name that are
// not are written as U+FFFD.
std::string JsonDocument(const FolderFindings& run);

// ::error file=PATH,line=LINE::MESSAGE (::warning for warnings), one per
// finding, escaped as workflow commands require.
std::string GithubAnnotations(const FolderFindings& run);

// text as the contents of a JSON string, quotes included.
std::string JsonString(std::string_view text);

}  // namespace zelvor
