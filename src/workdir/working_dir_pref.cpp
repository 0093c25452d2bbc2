// The working folder remembered between runs, in a one-line preferences file.
#include <filesystem>
#include <string>

#include "core/checker.h"
#include "core/text.h"
#include "workdir/file_access.h"

namespace zelvor {
namespace {

constexpr std::string_view kPreferencesSubfolder = "Velmora";
constexpr std::string_view kPreferencesFile = "Velmora/zelvorpref";
// A longer first line is no folder path: the file is taken as unreadable.
constexpr std::size_t kMaxPreferenceLine = 1 << 20;

}  // namespace

void Checker::LoadWorkingDir() {
  if (path.empty()) return;
  if (std::optional<std::string> line = ReadFirstLine(path + std::string(kPreferencesFile),
                                                      kMaxPreferenceLine)) {
    foldername = std::move(*line);
  }
}

void Checker::SaveWorkingDir() {
  if (path.empty()) return;
  std::error_code ignored;
  std::filesystem::create_directories(path + std::string(kPreferencesSubfolder), ignored);
  std::string content = foldername;
  content.append(EndOfLine);
  ReplaceFileAtomically(path + std::string(kPreferencesFile), content);
}

void Checker::DisplayWorkingDir() {
  std::string line = " Working Directory is ";
  line.append(foldername).append(EndOfLine).append(EndOfLine);
  UpdateStatusEditField(line, kReportPurple);
}

}  // namespace zelvor
