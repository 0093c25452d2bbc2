// The Test command: parse and check every loaded file, then the verdict.
#include <string>

#include "core/checker.h"
#include "core/text.h"
#include "rules/orbit_index.h"

namespace zelvor {

void Checker::TestCommand() {
  if (!loaded) return;
  errors = false;
  warnings = false;
  // The orbit search reads every loaded file; it is indexed at most once per
  // run, when a map first needs it.
  orbitIndex_.reset();
  for (std::size_t i = 0; i < LocationFile.size(); ++i) {
    filenum = static_cast<int>(i);
    ParseLocationFile();
    TestFile();
    ResetVars();
    Yield();
  }
  orbitIndex_.reset();
  DisplayResults();
}

void Checker::TestFile() {
  view_.TestingFile({FileIndex(), LocationFileName[FileIndex()], MapTitle});
  std::string banner = " Testing ";
  banner.append(MapTitle.empty() ? std::string_view("Untiltled") : std::string_view(MapTitle));
  banner.append(EndOfLine);
  UpdateStatusEditField(banner, kReportPurple);

  TestEndings();
  TestTitle();
  TestLaunchOrbit();
  for (std::size_t k = 0; k < RoomName.Count(); ++k) {
    TestLinks(RoomName.Key(k));
    TestMovements(RoomName.Key(k));
    Yield();
  }

  std::string closing = " Testing completed";
  closing.append(EndOfLine).append(EndOfLine);
  UpdateStatusEditField(closing, kReportPurple);
}

}  // namespace zelvor
