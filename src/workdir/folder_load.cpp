// FolderLoad: choose the working folder and read its location files.
#include <filesystem>
#include <string>

#include "core/checker.h"
#include "core/text.h"
#include "core/text_decode.h"
#include "rules/orbit_index.h"
#include "workdir/file_access.h"

namespace zelvor {
namespace {

std::string CurrentFolder() {
  std::error_code error;
  const auto cwd = std::filesystem::current_path(error);
  return error ? std::string("/") : cwd.string();
}

}  // namespace

bool IsLocationFileName(std::string_view name) {
  return Lowercase(NthField(name, '.', 2)) == "loc";
}

void Checker::FolderLoad() {
  const std::string& start =
      !foldername.empty() && IsFolder(foldername) ? foldername : documentsFolder_;
  const std::optional<std::string> chosen = view_.ChooseFolder(start);
  if (!chosen) {
    loaded = false;
    return;
  }
  foldername = AbsoluteFolderPath(*chosen, CurrentFolder());

  // A folder that cannot be listed is taken as one without entries.
  const std::vector<std::string> entries = ListFolder(foldername).value_or(std::vector<std::string>{});
  if (!entries.empty()) {
    ResetVars();
    orbitIndex_.reset();
    LocationFile.clear();
    LocationFileName.clear();
    view_.ClearFileList();
    view_.ClearReport();
    DisplayWorkingDir();
    for (const std::string& name : entries) {
      if (IsLocationFileName(name)) {
        // Anything but a readable regular file is passed over silently.
        if (std::optional<std::string> bytes = ReadRegularFile(foldername + name)) {
          LocationFile.push_back(DecodeFileBytes(std::move(*bytes)));
          LocationFileName.push_back(name);
          const std::string_view title = FirstQuotedText(LocationFile.back());
          view_.AddFileRow(title.empty() ? std::string_view("Untitled") : title);
        }
      }
      Yield();
    }
  }
  loaded = true;
}

}  // namespace zelvor
