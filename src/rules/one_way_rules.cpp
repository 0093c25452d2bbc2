// TestMovements: warn about exits with no way back.
#include <array>
#include <string>

#include "core/checker.h"

namespace zelvor {
namespace {

struct MovementRow {
  std::string_view key;
  std::string_view opposite;
  std::string_view name;
};

// In and out are not walked: they need no way back.
constexpr std::array<MovementRow, 10> kMovementRows = {{
    {"n=", "s=", "north"},
    {"ne=", "sw=", "northeast"},
    {"e=", "w=", "east"},
    {"se=", "nw=", "southeast"},
    {"s=", "n=", "south"},
    {"sw=", "ne=", "southwest"},
    {"w=", "e=", "west"},
    {"nw=", "se=", "northwest"},
    {"up=", "down=", "up"},
    {"down=", "up=", "down"},
}};

}  // namespace

void Checker::TestMovements(std::string_view room) {
  if (!RoomExits.HasKey(room)) return;
  PlaceFindingsAtExits(room);
  const std::string& exits = RoomExits.Value(room);
  for (const MovementRow& row : kMovementRows) {
    const std::string_view target = GetTextFromElement(exits, row.key);
    if (target.empty()) continue;
    bool oneWay = false;
    if (RoomExits.HasKey(target)) {
      oneWay = GetTextFromElement(RoomExits.Value(target), row.opposite) != room;
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
