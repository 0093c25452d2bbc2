// TestLaunchOrbit: the launch location lies in the map, and the orbit
// reference names a space map and a location in it among the loaded files.
#include "core/checker.h"
#include "core/text.h"
#include "rules/orbit_index.h"

namespace zelvor {

bool Checker::LocationExists(std::string_view number) const {
  return number.empty() || RoomName.HasKey(number);
}

bool Checker::IsUpper(std::string_view text) {
  const char32_t code = Asc(text);
  return code >= 65 && code <= 90;
}

bool Checker::IsAscii(std::string_view text) {
  // Blank and the unit separator (31), digits and letters; any byte of a
  // multi-byte character is 0x80 or more and so not accepted either.
  for (const char ch : text) {
    const auto c = static_cast<unsigned char>(ch);
    const bool accepted = c == 31 || c == 32 || (c >= '0' && c <= '9') ||
                          (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
    if (!accepted) return false;
  }
  return true;
}

void Checker::TestLaunchOrbit() {
  PlaceFindingsAtHeader();
  if (IsSpaceMapFile()) {
    if (!LandingPad.empty() || !Orbit.empty()) {
      IssueError(" Launch and orbit locs should be empty for space map");
    }
    return;
  }

  SystemName = NthField(Orbit, '.', 1);
  SpaceMapName = NthField(Orbit, '.', 2);
  OrbitNum = NthField(Orbit, '.', 3);

  if (LandingPad.empty() || Orbit.empty()) {
    IssueError(" Launch and orbit locs must be completd for non-space maps");
  } else if (Val(LandingPad) < 1) {
    IssueError(" Launch location should be just a number for non-space maps");
  } else if (!LocationExists(LandingPad)) {
    IssueError(" Launch location does not exist!");
  } else if (!IsAscii(SystemName) || !IsAscii(SpaceMapName) || !IsAscii(OrbitNum)) {
    IssueError("Orbit location system name must comprise of letters and number characters only");
  } else if (!IsUpper(Left(SystemName, 1)) || !IsUpper(Left(SpaceMapName, 1))) {
    IssueError("Orbit location system name must start with an uppercase letter");
  } else if (Right(SpaceMapName, 5) != "Space" ||
             Left(SpaceMapName, static_cast<long long>(Len(SystemName))) != SystemName) {
    IssueError(
        "Orbit Location map title must be in the form 'Systemname Space' - for instance "
        "'Sol.Sol Space.42'");
  }

  // The orbit map and location, searched for across all loaded files.
  if (!orbitIndex_) orbitIndex_ = std::make_unique<OrbitIndex>(LocationFile);
  if (!orbitIndex_->HasMap(SpaceMapName)) {
    IssueError("Orbit map cannot be found!");
  } else if (!orbitIndex_->HasLocation(SpaceMapName, OrbitNum)) {
    IssueError("Orbit location cannot be found!");
  }
}

}  // namespace zelvor
