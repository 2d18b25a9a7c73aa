// Memory of the positions a search has expanded: how near the start, and what was learnt.
#pragma once

#include <cstdint>
#include <vector>

namespace kelvora::solver {

// The moves reach many positions by several routes (slides and rotations of the other row
// commute), and expanding one again from no nearer to the start can find nothing new. A finished
// subtree also proves its root further from the goal than the tables say; remembering that lower
// bound lets the next, deeper round skip what this one already ruled out.
class TranspositionTable {
 public:
  struct Entry {
    std::uint64_t key = 0;
    std::uint32_t solve = 0;
    std::uint16_t round = 0;
    // Moves from the start when expanded in that round.
    std::uint8_t g = 0;
    // A proven lower bound on the distance to the goal.
    std::uint8_t bound = 0;
  };

  // 2^log2Entries entries (at least 4) of 16 bytes; when full, older and deeper entries give way.
  explicit TranspositionTable(int log2Entries);

  // Forgets everything, in constant time.
  void NewSolve() {
    ++solve_;
    round_ = 0;
  }
  // Keeps the bounds, forgets how near the start each position was. Bounds hold whatever the
  // start, so they may outlive a solve; when the round count runs out, everything is forgotten.
  void NewRound() {
    if (round_ == UINT16_MAX) NewSolve();
    ++round_;
  }

  // key's entry from this solve, or nullptr. Valid until the next Claim.
  const Entry* Find(std::uint64_t key) const;
  bool SeenThisRound(const Entry& entry, int g) const {
    return entry.round == round_ && entry.g <= g;
  }
  // Marks key expanded this round at g, keeping any bound it had.
  void Expand(std::uint64_t key, int g);
  // Raises key's bound (a new entry if key has been pushed out meanwhile).
  void Learn(std::uint64_t key, int bound);

  // Asks for key's bucket ahead of the lookup that will need it.
  void Prefetch(std::uint64_t key) const { __builtin_prefetch(&entries_[Bucket(key)]); }

 private:
  std::size_t Bucket(std::uint64_t key) const {
    return static_cast<std::size_t>((key * 0x9E3779B97F4A7C15ULL) >> shift_) * 2;
  }
  Entry& Claim(std::uint64_t key);

  std::vector<Entry> entries_;
  int shift_;
  std::uint32_t solve_ = 0;
  std::uint16_t round_ = 0;
};

}  // namespace kelvora::solver
