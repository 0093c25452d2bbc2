// TestMovements: warn about exits with no way back.
#include <array>
#include <string>

#include "core/checker.h"
#include "rules/exit_targets.h"

namespace zelvor {
namespace {

struct MovementRow {
  Direction way;
  Direction back;
  std::string_view name;
};

// In and out are not walked: they need no way back.
constexpr std::array<MovementRow, 10> kMovementRows = {{
    {kNorth, kSouth, "north"},
    {kNortheast, kSouthwest, "northeast"},
    {kEast, kWest, "east"},
    {kSoutheast, kNorthwest, "southeast"},
    {kSouth, kNorth, "south"},
    {kSouthwest, kNortheast, "southwest"},
    {kWest, kEast, "west"},
    {kNorthwest, kSoutheast, "northwest"},
    {kUp, kDown, "up"},
    {kDown, kUp, "down"},
}};

}  // namespace

void Checker::TestMovements(std::string_view room) {
  const std::size_t entry = RoomExits.Lookup(room);
  if (entry == RoomTable::kNone) return;
  PlaceFindingsAtExits(room);
  const ExitTargets& targets = exitIndex_->At(RoomExits, entry);
  for (const MovementRow& row : kMovementRows) {
    const std::string_view target = targets[row.way];
    if (target.empty()) continue;
    bool oneWay = false;
    if (const std::size_t back = RoomExits.Lookup(target); back != RoomTable::kNone) {
      oneWay = exitIndex_->At(RoomExits, back)[row.back] != room;
    } else {
      // A location without exits has no way back; a target that is no
      // location at all is reported by TestLinks instead.
      oneWay = RoomName.HasKey(target);
    }
    if (oneWay) {
      std::string message = "Location ";
      message.append(room).append(" '").append(row.name).append("' link is one way only");
      IssueWarning(message);
    }
    Yield();
  }
}

}  // namespace zelvor
