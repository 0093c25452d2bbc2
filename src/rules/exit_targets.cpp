#include "rules/exit_targets.h"

#include "core/room_table.h"
#include "core/text.h"

namespace zelvor {

ExitTargets ReadExitTargets(std::string_view exits) {
  // The first field (at apostrophes) whose trimmed text is a key gives that
  // key's target, the field after it; later fields with the same key do not
  // count, even when the first one's target is empty.
  ExitTargets targets{};
  std::array<bool, kDirectionCount> found{};
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = exits.find('\'', start);
    const std::string_view field = Trim(
        exits.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
    // Every key is two to five characters ending in "=": most fields (the
    // targets among them) are passed over at once.
    const bool mayBeKey = field.size() >= 2 && field.size() <= 5 && field.back() == '=';
    for (std::size_t d = 0; mayBeKey && d < kDirectionCount; ++d) {
      if (!found[d] && field == kExitKeys[d]) {
        found[d] = true;
        if (end != std::string_view::npos) targets[d] = NthField(exits.substr(end + 1), '\'', 1);
        break;
      }
    }
    if (end == std::string_view::npos) return targets;
    start = end + 1;
  }
}

const ExitTargets& ExitIndex::At(const RoomTable& exits, std::size_t entry) {
  if (entry >= targets_.size()) {
    targets_.resize(exits.Count());
    read_.resize(exits.Count());
  }
  if (!read_[entry]) {
    targets_[entry] = ReadExitTargets(exits.ValueAt(entry));
    read_[entry] = true;
  }
  return targets_[entry];
}

void ExitIndex::Clear() {
  targets_.clear();
  read_.clear();
}

}  // namespace zelvor
