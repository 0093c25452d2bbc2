// TestLinks: every exit of a location leads to a location of the same map.
#include <array>
#include <string>

#include "core/checker.h"

namespace zelvor {
namespace {

struct LinkRow {
  std::string_view key;
  std::string_view tail;
};

constexpr std::array<LinkRow, 12> kLinkRows = {{
    {"n=", " has a 'north' link to a non-existent location"},
    {"ne=", " has a 'northeast' link to a non-existent location"},
    {"e=", " has an 'east' link to a non-existent location"},
    {"se=", " has a 'southeast' link to a non-existent location"},
    {"s=", " has a 'south' link to a non-existent location"},
    {"sw=", " has a 'southwest' link to a non-existent location"},
    {"w=", " has a 'west' link to a non-existent location"},
    {"nw=", " has a 'northwest' link to a non-existent location"},
    {"up=", " has an 'up' link to a non-existent location"},
    {"down=", " has a 'down' link to a non-existent location"},
    {"in=", " has an 'in' link to a non-existent location"},
    {"out=", " has an 'out' link to a non-existent location"},
}};

}  // namespace

void Checker::TestLinks(std::string_view room) {
  if (!RoomExits.HasKey(room)) return;
  PlaceFindingsAtExits(room);
  const std::string& exits = RoomExits.Value(room);
  if (exits.empty()) return;
  for (const LinkRow& row : kLinkRows) {
    if (!LocationExists(GetTextFromElement(exits, row.key))) {
      std::string message = "Location ";
      message.append(room).append(row.tail);
      IssueError(message);
    }
  }
}

}  // namespace zelvor
