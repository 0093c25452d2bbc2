#include "core/room_table.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace zelvor {

namespace {
constexpr std::size_t kFirstSlots = 16;
}  // namespace

RoomTable::RoomTable(RoomTable&& other) noexcept
    : entries_(std::move(other.entries_)),
      size_(std::exchange(other.size_, 0)),
      slots_(std::move(other.slots_)),
      shift_(std::exchange(other.shift_, 64)) {
  other.entries_.clear();
  other.slots_.clear();
}

RoomTable& RoomTable::operator=(RoomTable&& other) noexcept {
  if (this != &other) {
    entries_ = std::move(other.entries_);
    size_ = std::exchange(other.size_, 0);
    slots_ = std::move(other.slots_);
    shift_ = std::exchange(other.shift_, 64);
    other.entries_.clear();
    other.slots_.clear();
  }
  return *this;
}

std::uint32_t RoomTable::Find(std::string_view key) const {
  if (size_ == 0) return 0;
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t s = HomeSlot(key);; s = (s + 1) & mask) {
    const std::uint32_t slot = slots_[s];
    if (slot == 0) return 0;
    if (entries_[slot - 1].first == key) return slot;
  }
}

std::size_t RoomTable::IndexOf(std::string_view key) const {
  const std::uint32_t slot = Find(key);
  if (slot == 0) throw std::out_of_range("RoomTable::IndexOf: key not stored");
  return slot - 1;
}

void RoomTable::Insert(std::uint32_t i) {
  const std::size_t mask = slots_.size() - 1;
  std::size_t s = HomeSlot(entries_[i].first);
  while (slots_[s] != 0) s = (s + 1) & mask;
  slots_[s] = i + 1;
}

void RoomTable::Grow() {
  const std::size_t capacity = slots_.empty() ? kFirstSlots : slots_.size() * 2;
  slots_.assign(capacity, 0);
  unsigned bits = 0;
  while ((std::size_t{1} << bits) < capacity) ++bits;
  shift_ = 64 - bits;
  for (std::size_t i = 0; i < size_; ++i) Insert(static_cast<std::uint32_t>(i));
}

std::size_t RoomTable::Store(std::string_view key, std::string_view value) {
  if (const std::uint32_t slot = Find(key); slot != 0) {
    entries_[slot - 1].second.assign(value);
    return slot - 1;
  }
  // Keep at least half the slots empty so probe runs stay short.
  if ((size_ + 1) * 2 > slots_.size()) Grow();
  if (size_ < entries_.size()) {
    entries_[size_].first.assign(key);
    entries_[size_].second.assign(value);
  } else {
    entries_.push_back(Entry{std::string(key), std::string(value)});
  }
  const auto index = static_cast<std::uint32_t>(size_);
  ++size_;
  Insert(index);
  return index;
}

void RoomTable::Clear() {
  if (size_ * 8 >= slots_.size()) {
    std::fill(slots_.begin(), slots_.end(), 0);
  } else {
    // A big index holding few keys: empty just their slots. The walk goes on
    // past slots already emptied, since entry i's slot lies somewhere in the
    // run that followed its home slot when it was inserted.
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = 0; i < size_; ++i) {
      std::size_t s = HomeSlot(entries_[i].first);
      while (slots_[s] != i + 1) s = (s + 1) & mask;
      slots_[s] = 0;
    }
  }
  size_ = 0;
}

}  // namespace zelvor
