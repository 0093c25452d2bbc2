// A room table: location number (as text) to one text value.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zelvor {

// Keys are given back in the order they were first stored; storing again under
// a present key replaces the value and keeps the key's place. Keys are compared
// exactly, so "7" and "07" are two locations.
//
// The table is emptied and refilled once per map file, so Clear keeps the
// entries' strings (and their capacity) for the next file to assign into, and
// empties only the index slots that were in use.
class RoomTable {
 public:
  RoomTable() = default;
  // A table owns many strings; copies are never wanted, moves are cheap.
  RoomTable(const RoomTable&) = delete;
  RoomTable& operator=(const RoomTable&) = delete;
  RoomTable(RoomTable&& other) noexcept;
  RoomTable& operator=(RoomTable&& other) noexcept;
  ~RoomTable() = default;

  // Gives back the index of key (see Key).
  std::size_t Store(std::string_view key, std::string_view value);
  bool HasKey(std::string_view key) const { return Find(key) != 0; }
  // The index of key, or kNone when the table does not hold it: one lookup
  // where HasKey followed by Value or IndexOf would take two.
  static constexpr std::size_t kNone = static_cast<std::size_t>(-1);
  std::size_t Lookup(std::string_view key) const { return std::size_t{Find(key)} - 1; }
  // The value under key; callers ask only after HasKey said yes.
  const std::string& Value(std::string_view key) const { return entries_[IndexOf(key)].second; }
  // The index of key; callers ask only after HasKey said yes (throws
  // std::out_of_range otherwise).
  std::size_t IndexOf(std::string_view key) const;
  // Number of keys.
  std::size_t Count() const { return size_; }
  // Key i, 0 <= i < Count().
  const std::string& Key(std::size_t i) const { return entries_[i].first; }
  // The value of key i.
  const std::string& ValueAt(std::size_t i) const { return entries_[i].second; }
  void Clear();

 private:
  struct Entry {
    std::string first;   // the key
    std::string second;  // the value
  };

  // FNV-1a over the key bytes, then a multiplicative mix so the top bits
  // (which pick the slot) depend on every byte.
  static std::uint64_t Hash(std::string_view key) {
    std::uint64_t h = 14695981039346656037ull;
    for (char c : key) {
      h ^= static_cast<unsigned char>(c);
      h *= 1099511628211ull;
    }
    return h * 0x9E3779B97F4A7C15ull;
  }
  std::size_t HomeSlot(std::string_view key) const {
    return static_cast<std::size_t>(Hash(key) >> shift_);
  }
  // The slot content for key (entry index + 1), or 0 when key is absent.
  std::uint32_t Find(std::string_view key) const;
  // Puts entry index i (whose key is not in the index) into its slot.
  void Insert(std::uint32_t i);
  // Doubles the slot array (or makes the first one) and re-inserts the live keys.
  void Grow();

  // entries_[0, size_) are the live entries in first-store order; those past
  // size_ are left over from before a Clear and only keep their capacity.
  std::vector<Entry> entries_;
  std::size_t size_ = 0;
  // Open addressing with linear probing: entry index + 1, 0 = empty. The
  // capacity is a power of two, at least twice size_.
  std::vector<std::uint32_t> slots_;
  unsigned shift_ = 64;  // 64 - log2(slots_.size())
};

}  // namespace zelvor
