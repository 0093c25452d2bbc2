// The report field of the command line: appended text goes straight to a
// stream, its colours as terminal escapes when asked for.
#pragma once

#include <cstdio>
#include <optional>
#include <string>

#include "core/checker_view.h"

namespace zelvor {

// The escape that switches a terminal to the colour nearest a report colour.
std::string ColourEscape(Rgb colour);

class TerminalReport final : public CheckerView {
 public:
  // folder: what the folder chooser answers, already absolute.
  TerminalReport(std::FILE* out, bool colour, std::string folder);

  std::size_t ReportLength() const override { return length_; }
  void AppendReport(std::string_view text, Rgb colour) override;
  // Text already written stays on the terminal; only the length restarts.
  void ClearReport() override { length_ = 0; }
  void ClearFileList() override {}
  void AddFileRow(std::string_view) override {}
  std::optional<std::string> ChooseFolder(const std::string&) override { return folder_; }

 private:
  std::FILE* out_;
  bool colour_;
  std::string folder_;
  std::size_t length_ = 0;
};

}  // namespace zelvor
