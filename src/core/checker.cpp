#include "core/checker.h"

#include <utility>

#include "core/text.h"
#include "rules/exit_targets.h"
#include "rules/orbit_index.h"

namespace zelvor {

Checker::Checker(CheckerView& view, CheckerEnvironment environment)
    : path(std::move(environment.preferencesFolder)),
      view_(view),
      documentsFolder_(std::move(environment.documentsFolder)),
      exitIndex_(std::make_unique<ExitIndex>()) {}

Checker::~Checker() = default;

void Checker::ResetVars() {
  RoomFlags.Clear();
  RoomName.Clear();
  RoomExists.Clear();
  RoomDesc.Clear();
  RoomExits.Clear();
  RoomEvents.Clear();
  Locations.clear();
  locationsOfFile_ = -1;
  exitIndex_->Clear();
  exitsLineIndex_.clear();
  findingPlace_ = {};
}

void Checker::LoadCommand() {
  LoadWorkingDir();
  FolderLoad();
  if (loaded) SaveWorkingDir();
}

void Checker::ClearDisplay() { view_.ClearReport(); }

bool Checker::IsSpaceMapFile() const {
  return Lowercase(LocationFileName[FileIndex()]) == "space.loc";
}

void Checker::SplitLocations() {
  Locations = Split(LocationFile[FileIndex()], kCarriageReturn);
  locationsOfFile_ = filenum;
}

}  // namespace zelvor
