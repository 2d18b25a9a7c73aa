// Two-way buckets: a key may sit in either slot, and a new key takes the older or deeper one.
#include "solver/TranspositionTable.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace kelvora::solver {

namespace {

// Spreads a key over all 64 bits, so that a slot read half from one write and half from another
// passes the check only by a one-in-2^64 chance, whatever the two keys.
std::uint64_t Mixed(std::uint64_t key) {
  key ^= key >> 31;
  key *= 0x7FB5D329728EA185ULL;
  return key ^ (key >> 27);
}

// The compilers' atomic built-ins, as std::atomic_ref would do them: the libc++ of the browser's
// build has no atomic_ref yet. Relaxed is enough, since the check catches a mixed pair.
std::uint64_t Load(const std::uint64_t& word) {
  return __atomic_load_n(&word, __ATOMIC_RELAXED);
}
void Store(std::uint64_t& word, std::uint64_t value) {
  __atomic_store_n(&word, value, __ATOMIC_RELAXED);
}

}  // namespace

TranspositionTable::TranspositionTable(int log2Entries)
    : count_(std::size_t{1} << std::max(log2Entries, 2)),
      // A zeroed slot fails the check for every key but one that mixes to 0, and no position does
      // (a position holds tiles, and the mix is a bijection that keeps 0 at 0).
      slots_(static_cast<Slot*>(std::calloc(count_, sizeof(Slot)))),
      shift_(64 - std::max(log2Entries, 2) + 1) {
  if (slots_ == nullptr) throw std::bad_alloc();
}

void TranspositionTable::NewSolve() {
  if (solve_ == UINT16_MAX) {
    std::memset(static_cast<void*>(slots_.get()), 0, count_ * sizeof(Slot));
    solve_ = 0;
  }
  ++solve_;
  round_ = 0;
}

std::optional<TranspositionTable::Stored> TranspositionTable::Read(const Slot& slot,
                                                                   std::uint64_t key) {
  const std::uint64_t data = Load(slot.data);
  if ((Load(slot.check) ^ data) != Mixed(key)) return std::nullopt;
  Stored stored;
  stored.solve = static_cast<std::uint16_t>(data);
  stored.entry.round = static_cast<std::uint16_t>(data >> 16);
  stored.entry.g = static_cast<std::uint8_t>(data >> 32);
  stored.entry.bound = static_cast<std::uint8_t>(data >> 40);
  stored.entry.moves = static_cast<std::uint8_t>(data >> 48);
  return stored;
}

void TranspositionTable::Write(Slot& slot, std::uint64_t key, const Stored& stored) {
  const std::uint64_t data =
      stored.solve | std::uint64_t{stored.entry.round} << 16 | std::uint64_t{stored.entry.g} << 32 |
      std::uint64_t{stored.entry.bound} << 40 | std::uint64_t{stored.entry.moves} << 48;
  Store(slot.data, data);
  Store(slot.check, Mixed(key) ^ data);
}

std::optional<TranspositionTable::Entry> TranspositionTable::Find(std::uint64_t key) const {
  const std::size_t bucket = Bucket(key);
  for (std::size_t slot = bucket; slot < bucket + 2; ++slot) {
    const std::optional<Stored> stored = Read(slots_[slot], key);
    if (stored && stored->solve == solve_) return stored->entry;
  }
  return std::nullopt;
}

TranspositionTable::Slot& TranspositionTable::Claim(std::uint64_t key, Stored& stored) {
  const std::size_t bucket = Bucket(key);
  Slot* candidates[2] = {&slots_[bucket], &slots_[bucket + 1]};
  // Entries from this round near the start cut off the largest subtrees: keep those. A slot
  // being written is worth nothing to keep.
  int worth[2] = {0, 0};
  for (int s = 0; s < 2; ++s) {
    const std::uint64_t data = Load(candidates[s]->data);
    if (const std::optional<Stored> held = Read(*candidates[s], key);
        held && held->solve == solve_) {
      stored = *held;
      return *candidates[s];
    }
    if (static_cast<std::uint16_t>(data) != solve_) continue;
    const auto g = static_cast<int>(static_cast<std::uint8_t>(data >> 32));
    worth[s] = static_cast<std::uint16_t>(data >> 16) == round_ ? 512 - g : 256 - g;
  }
  stored = Stored{solve_, Entry{}};
  return worth[0] <= worth[1] ? *candidates[0] : *candidates[1];
}

void TranspositionTable::Expand(std::uint64_t key, int g, Moves moves) {
  Stored stored;
  Slot& slot = Claim(key, stored);
  stored.entry.bound = static_cast<std::uint8_t>(BoundFor(stored.entry, moves));
  stored.entry.round = round_;
  stored.entry.g = static_cast<std::uint8_t>(std::min(g, 255));
  stored.entry.moves = moves;
  Write(slot, key, stored);
}

void TranspositionTable::Learn(std::uint64_t key, int bound, Moves moves) {
  Stored stored;
  Slot& slot = Claim(key, stored);
  if (stored.entry.moves != moves) {
    // Another visit took the entry meanwhile: what it marked was for other moves.
    if (Covers(stored.entry, moves)) bound = std::max(bound, static_cast<int>(stored.entry.bound));
    stored.entry = Entry{0, 0, 0, moves};
  }
  stored.entry.bound =
      static_cast<std::uint8_t>(std::clamp(bound, static_cast<int>(stored.entry.bound), 255));
  Write(slot, key, stored);
}

}  // namespace kelvora::solver
