// Two-way buckets: a key may sit in either slot, and a new key takes the stale or deeper one.
#include "solver/TranspositionTable.h"

#include <algorithm>

namespace kelvora::solver {

TranspositionTable::TranspositionTable(int log2Entries)
    : entries_(std::size_t{1} << std::max(log2Entries, 2)),
      shift_(64 - std::max(log2Entries, 2) + 1) {}

bool TranspositionTable::SeenNoLater(std::uint64_t key, int g) {
  const std::size_t bucket = Bucket(key);
  Entry* slots[2] = {&entries_[bucket], &entries_[bucket + 1]};
  for (Entry* slot : slots) {
    if (slot->generation == generation_ && slot->key == key) {
      if (slot->g <= g) return true;
      slot->g = g;
      return false;
    }
  }
  // Shallow entries cut off the largest subtrees, so they are the ones worth keeping.
  Entry* victim = slots[0];
  if (slots[0]->generation == generation_ &&
      (slots[1]->generation != generation_ || slots[1]->g > slots[0]->g)) {
    victim = slots[1];
  }
  *victim = Entry{key, generation_, g};
  return false;
}

}  // namespace kelvora::solver
