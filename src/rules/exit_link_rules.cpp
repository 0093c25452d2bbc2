// TestLinks: every exit of a location leads to a location of the same map.
#include <array>
#include <string>

#include "core/checker.h"
#include "rules/exit_targets.h"

namespace zelvor {
namespace {

// Each direction's message tail, in direction order; the article differs.
constexpr std::array<std::string_view, kDirectionCount> kLinkTails = {
    " has a 'north' link to a non-existent location",
    " has a 'northeast' link to a non-existent location",
    " has an 'east' link to a non-existent location",
    " has a 'southeast' link to a non-existent location",
    " has a 'south' link to a non-existent location",
    " has a 'southwest' link to a non-existent location",
    " has a 'west' link to a non-existent location",
    " has a 'northwest' link to a non-existent location",
    " has an 'up' link to a non-existent location",
    " has a 'down' link to a non-existent location",
    " has an 'in' link to a non-existent location",
    " has an 'out' link to a non-existent location",
};

}  // namespace

void Checker::TestLinks(std::string_view room) {
  const std::size_t entry = RoomExits.Lookup(room);
  if (entry == RoomTable::kNone) return;
  PlaceFindingsAtExits(room);
  if (RoomExits.ValueAt(entry).empty()) return;
  const ExitTargets& targets = exitIndex_->At(RoomExits, entry);
  for (std::size_t d = 0; d < kDirectionCount; ++d) {
    if (!LocationExists(targets[d])) {
      std::string message = "Location ";
      message.append(room).append(kLinkTails[d]);
      IssueError(message);
    }
  }
}

}  // namespace zelvor
