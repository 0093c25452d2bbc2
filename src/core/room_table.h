// A room table: location number (as text) to one text value.
#pragma once

#include <string>
#include <string_view>
#include <deque>
#include <unordered_map>

namespace zelvor {

// Keys are given back in the order they were first stored; storing again under
// a present key replaces the value and keeps the key's place. Keys are compared
// exactly, so "7" and "07" are two locations.
class RoomTable {
 public:
  RoomTable() = default;
  // The index views the keys it holds: a copy would view another table's.
  RoomTable(const RoomTable&) = delete;
  RoomTable& operator=(const RoomTable&) = delete;
  RoomTable(RoomTable&&) = default;
  RoomTable& operator=(RoomTable&&) = default;

  // Gives back the index of key (see Key).
  std::size_t Store(std::string_view key, std::string_view value);
  bool HasKey(std::string_view key) const;
  // The value under key; callers ask only after HasKey said yes.
  const std::string& Value(std::string_view key) const;
  // The index of key; callers ask only after HasKey said yes.
  std::size_t IndexOf(std::string_view key) const { return index_.at(key); }
  // Number of keys.
  std::size_t Count() const { return entries_.size(); }
  // Key i, 0 <= i < Count().
  const std::string& Key(std::size_t i) const { return entries_[i].first; }
  void Clear();

 private:
  // A deque never moves its elements, so the index can view the keys.
  std::deque<std::pair<std::string, std::string>> entries_;
  std::unordered_map<std::string_view, std::size_t> index_;
};

}  // namespace zelvor
