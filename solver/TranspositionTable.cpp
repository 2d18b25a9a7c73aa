// Two-way buckets: a key may sit in either slot, and a new key takes the older or deeper one.
#include "solver/TranspositionTable.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace kelvora::solver {

TranspositionTable::TranspositionTable(int log2Entries)
    : count_(std::size_t{1} << std::max(log2Entries, 2)),
      // Entry is an aggregate, so the zeroed bytes are entries of the first solve already.
      entries_(static_cast<Entry*>(std::calloc(count_, sizeof(Entry)))),
      shift_(64 - std::max(log2Entries, 2) + 1) {
  if (entries_ == nullptr) throw std::bad_alloc();
}

void TranspositionTable::NewSolve() {
  if (solve_ == UINT16_MAX) {
    std::memset(static_cast<void*>(entries_.get()), 0, count_ * sizeof(Entry));
    solve_ = 0;
  }
  ++solve_;
  round_ = 0;
}

const TranspositionTable::Entry* TranspositionTable::Find(std::uint64_t key,
                                                          std::uint8_t state) const {
  const std::size_t bucket = Bucket(key, state);
  for (std::size_t slot = bucket; slot < bucket + 2; ++slot) {
    const Entry& entry = entries_[slot];
    if (entry.solve == solve_ && entry.key == key && entry.state == state) return &entry;
  }
  return nullptr;
}

TranspositionTable::Entry& TranspositionTable::Claim(std::uint64_t key, std::uint8_t state) {
  const std::size_t bucket = Bucket(key, state);
  Entry* slots[2] = {&entries_[bucket], &entries_[bucket + 1]};
  for (Entry* slot : slots) {
    if (slot->solve == solve_ && slot->key == key && slot->state == state) return *slot;
  }
  // Entries from this round near the start cut off the largest subtrees: keep those.
  const auto worth = [&](const Entry& entry) {
    if (entry.solve != solve_) return 0;
    return entry.round == round_ ? 512 - entry.g : 256 - entry.g;
  };
  Entry& victim = worth(*slots[0]) <= worth(*slots[1]) ? *slots[0] : *slots[1];
  victim = Entry{key, solve_, 0, 0, 0, state};
  return victim;
}

void TranspositionTable::Expand(std::uint64_t key, int g, std::uint8_t state) {
  Entry& entry = Claim(key, state);
  entry.round = round_;
  entry.g = static_cast<std::uint8_t>(std::min(g, 255));
}

void TranspositionTable::Learn(std::uint64_t key, int bound, std::uint8_t state) {
  Entry& entry = Claim(key, state);
  entry.bound = static_cast<std::uint8_t>(std::clamp(bound, static_cast<int>(entry.bound), 255));
}

}  // namespace kelvora::solver
