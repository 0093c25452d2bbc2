#include "core/room_table.h"

namespace zelvor {

std::size_t RoomTable::Store(std::string_view key, std::string_view value) {
  if (auto it = index_.find(key); it != index_.end()) {
    entries_[it->second].second.assign(value);
    return it->second;
  }
  const auto& entry = entries_.emplace_back(std::string(key), std::string(value));
  index_.emplace(entry.first, entries_.size() - 1);
  return entries_.size() - 1;
}

bool RoomTable::HasKey(std::string_view key) const { return index_.count(key) != 0; }

const std::string& RoomTable::Value(std::string_view key) const {
  return entries_[index_.at(key)].second;
}

void RoomTable::Clear() {
  entries_.clear();
  index_.clear();
}

}  // namespace zelvor
