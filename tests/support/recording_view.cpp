#include "support/recording_view.h"

#include "core/text.h"

namespace zelvor::testing {

void RecordingView::AppendReport(std::string_view piece, Rgb colour) {
  text.append(piece);
  runs.push_back({std::string(piece), colour});
}

void RecordingView::ClearReport() {
  text.clear();
  runs.clear();
}

void RecordingView::AddFileRow(std::string_view row) {
  rows.emplace_back(row);
  if (onFileRow) onFileRow(rows.size());
}

std::optional<std::string> RecordingView::ChooseFolder(const std::string& startFolder) {
  chooserOpenedAt.push_back(startFolder);
  if (answers.empty()) return std::nullopt;
  auto answer = answers.front();
  answers.pop_front();
  return answer;
}

std::string MapText(const std::vector<std::string>& lines, const std::string& lineEnd) {
  std::string text;
  for (const auto& line : lines) text.append(line).append(lineEnd);
  return text;
}

std::string CheckFiles(
    const std::vector<std::pair<std::string, std::vector<std::string>>>& files) {
  RecordingView view;
  Checker checker(view, CheckerEnvironment{});
  for (const auto& [name, lines] : files) {
    checker.LocationFileName.push_back(name);
    checker.LocationFile.push_back(MapText(lines));
  }
  checker.loaded = true;
  checker.TestCommand();
  return view.text;
}

std::vector<std::string> Findings(const std::string& report) {
  std::vector<std::string> found;
  for (const std::string_view line : Split(report, '\n')) {
    if (line.rfind("      Error - ", 0) == 0 || line.rfind("      Warning - ", 0) == 0) {
      found.emplace_back(line);
    }
  }
  return found;
}

}  // namespace zelvor::testing
