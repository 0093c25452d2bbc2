// The exit targets of the locations of the file under test, each exits text
// read once: the link and one-way rules ask for a location's twelve targets,
// and for a target's way back, many times over.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>
#include <vector>

namespace zelvor {

class RoomTable;

// The exit directions, in the order the link rule tests them.
enum Direction : std::size_t {
  kNorth, kNortheast, kEast, kSoutheast, kSouth, kSouthwest,
  kWest, kNorthwest, kUp, kDown, kIn, kOut, kDirectionCount
};

// Each direction's key in an exits text.
inline constexpr std::array<std::string_view, kDirectionCount> kExitKeys = {
    "n=", "ne=", "e=", "se=", "s=", "sw=", "w=", "nw=", "up=", "down=", "in=", "out="};

// The target of each direction: what GetTextFromElement reads from the exits
// text under the direction's key (empty when the key is not there).
using ExitTargets = std::array<std::string_view, kDirectionCount>;

// All twelve targets of an exits text in one walk over its fields.
ExitTargets ReadExitTargets(std::string_view exits);

class ExitIndex {
 public:
  // The targets of the exits text of entry (RoomTable::Lookup) in exits;
  // read on first use. The views point into the table's values: valid while
  // the table is unchanged.
  const ExitTargets& At(const RoomTable& exits, std::size_t entry);
  // Forgets every location; the table is about to change.
  void Clear();

 private:
  std::vector<ExitTargets> targets_;  // by the table's entry index
  std::vector<bool> read_;
};

}  // namespace zelvor
