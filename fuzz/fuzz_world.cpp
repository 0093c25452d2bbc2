#include "fuzz_world.h"

#include <cstdio>
#include <cstdlib>
#include <optional>

#include "core/checker.h"
#include "core/text_decode.h"

namespace zelvor::fuzz {
namespace {

// A report field in memory; no folder chooser is ever opened.
class MemoryView final : public CheckerView {
 public:
  std::size_t ReportLength() const override { return report.size(); }
  void AppendReport(std::string_view text, Rgb) override { report.append(text); }
  void ClearReport() override { report.clear(); }
  void ClearFileList() override {}
  void AddFileRow(std::string_view) override {}
  std::optional<std::string> ChooseFolder(const std::string&) override { return std::nullopt; }
  std::string report;
};

void Require(bool condition, const char* what) {
  if (!condition) {
    std::fprintf(stderr, "fuzz_world: broken promise: %s\n", what);
    std::abort();
  }
}

bool EndsWith(std::string_view text, std::string_view tail) {
  return text.size() >= tail.size() && text.substr(text.size() - tail.size()) == tail;
}

}  // namespace

std::vector<FuzzFile> SplitInput(std::string_view input) {
  std::vector<FuzzFile> files;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = input.find(kFileSeparator, start);
    std::string_view piece = input.substr(start, end == std::string_view::npos ? end : end - start);
    FuzzFile file;
    if (!piece.empty()) {
      const std::size_t nameLength = static_cast<unsigned char>(piece[0]) % 64u;
      piece.remove_prefix(1);
      file.name = std::string(piece.substr(0, nameLength));
      if (piece.size() > nameLength) file.bytes = std::string(piece.substr(nameLength));
    }
    files.push_back(std::move(file));
    if (end == std::string_view::npos) return files;
    start = end + kFileSeparator.size();
  }
}

std::string CheckInput(std::string_view input) {
  MemoryView view;
  Checker checker(view, CheckerEnvironment{});
  for (FuzzFile& file : SplitInput(input)) {
    checker.LocationFile.push_back(DecodeFileBytes(std::move(file.bytes)));
    checker.LocationFileName.push_back(std::move(file.name));
  }
  checker.loaded = true;
  checker.TestCommand();

  const std::string& report = view.report;
  Require(checker.errors == (report.find("      Error - ") != std::string::npos),
          "errors flag matches the error lines");
  Require(EndsWith(report, checker.errors ? "      ----- Files have errors -----\n\n"
                                          : "      No errors in these files\n"),
          "the report ends with the verdict");
  Require(report.rfind(" Testing ", 0) == 0, "the report starts with a banner");
  return report;
}

}  // namespace zelvor::fuzz
