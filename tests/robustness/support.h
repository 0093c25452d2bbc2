// Helpers of the robustness tests: temporary folders, a report field in
// memory, and runs of zelvor-check or of checker code in a child process.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/checker.h"

namespace zelvor::testing {

// A fresh folder under $TMPDIR (else /tmp), removed with all it holds.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  // Absolute, ending with "/".
  const std::string& path() const { return path_; }
  std::string operator/(std::string_view name) const { return path_ + std::string(name); }

 private:
  std::string path_;
};

void WriteFile(const std::string& path, std::string_view bytes);
std::string ReadFile(const std::string& path);
// The example world's files by name.
std::string ExampleFile(std::string_view world, std::string_view name);

// A report field and file list in memory. The folder chooser answers
// `chosen` and remembers where it was opened; onFileRow runs after each
// file row is added, so a test can change the folder while it is read.
class RecordingView : public CheckerView {
 public:
  std::size_t ReportLength() const override { return report.size(); }
  void AppendReport(std::string_view text, Rgb) override { report.append(text); }
  void ClearReport() override { report.clear(); }
  void ClearFileList() override { rows.clear(); }
  void AddFileRow(std::string_view text) override;
  std::optional<std::string> ChooseFolder(const std::string& startFolder) override;

  std::string report;
  std::vector<std::string> rows;
  std::optional<std::string> chosen;
  std::vector<std::string> startFolders;
  std::function<void(std::size_t row)> onFileRow;
};

// Loads a folder as the Load command does (without the preferences file)
// and tests it.
struct CheckedFolder {
  std::vector<std::string> names;  // the loaded files, in load order
  std::string report;
  bool errors = false;
};
CheckedFolder CheckFolder(const std::string& folder);

// Runs zelvor-check with these arguments, standard input empty.
struct CommandResult {
  int status = -1;  // exit status; -1 when it did not exit normally
  std::string out;
  std::string err;
};
CommandResult RunCheck(const std::vector<std::string>& args);

// Runs body in a child process, as an unprivileged user (nobody) when the
// tests run as root, so that file permissions apply; gives back what body
// returned, or nothing when the child did not finish normally.
std::optional<std::string> RunUnprivileged(const std::function<std::string()>& body);

}  // namespace zelvor::testing
