// Two-way buckets: a key may sit in either slot, and a new key takes the older or deeper one.
#include "solver/TranspositionTable.h"

#include <algorithm>

namespace kelvora::solver {

TranspositionTable::TranspositionTable(int log2Entries)
    : entries_(std::size_t{1} << std::max(log2Entries, 2)),
      shift_(64 - std::max(log2Entries, 2) + 1) {}

const TranspositionTable::Entry* TranspositionTable::Find(std::uint64_t key) const {
  const std::size_t bucket = Bucket(key);
  for (std::size_t slot = bucket; slot < bucket + 2; ++slot) {
    const Entry& entry = entries_[slot];
    if (entry.solve == solve_ && entry.key == key) return &entry;
  }
  return nullptr;
}

TranspositionTable::Entry& TranspositionTable::Claim(std::uint64_t key) {
  const std::size_t bucket = Bucket(key);
  Entry* slots[2] = {&entries_[bucket], &entries_[bucket + 1]};
  for (Entry* slot : slots) {
    if (slot->solve == solve_ && slot->key == key) return *slot;
  }
  // Entries from this round near the start cut off the largest subtrees: keep those.
  const auto worth = [&](const Entry& entry) {
    if (entry.solve != solve_) return 0;
    return entry.round == round_ ? 512 - entry.g : 256 - entry.g;
  };
  Entry& victim = worth(*slots[0]) <= worth(*slots[1]) ? *slots[0] : *slots[1];
  victim = Entry{key, solve_, 0, 0, 0};
  return victim;
}

void TranspositionTable::Expand(std::uint64_t key, int g) {
  Entry& entry = Claim(key);
  entry.round = round_;
  entry.g = static_cast<std::uint8_t>(std::min(g, 255));
}

void TranspositionTable::Learn(std::uint64_t key, int bound) {
  Entry& entry = Claim(key);
  entry.bound = static_cast<std::uint8_t>(std::clamp(bound, static_cast<int>(entry.bound), 255));
}

}  // namespace kelvora::solver
