// Memory of the positions a search has expanded and the fewest moves it took to reach them.
#pragma once

#include <cstdint>
#include <vector>

// The moves reach many positions by several routes (slides and rotations of the other row
// commute), and expanding one again from no nearer to the start can find nothing new.

namespace kelvora::solver {

class TranspositionTable {
 public:
  // 2^log2Entries entries (at least 4) of 16 bytes; when full, stale and deeper entries give way.
  explicit TranspositionTable(int log2Entries);

  // Forgets everything, in constant time: for each new depth limit.
  void NewSearch() { ++generation_; }

  // True when key was recorded this search at g or fewer moves; otherwise records it at g.
  bool SeenNoLater(std::uint64_t key, int g);
  // Asks for key's bucket ahead of the SeenNoLater that will need it.
  void Prefetch(std::uint64_t key) const { __builtin_prefetch(&entries_[Bucket(key)]); }

 private:
  std::size_t Bucket(std::uint64_t key) const {
    return static_cast<std::size_t>((key * 0x9E3779B97F4A7C15ULL) >> shift_) * 2;
  }

  struct Entry {
    std::uint64_t key = 0;
    std::uint32_t generation = 0;
    std::int32_t g = 0;
  };

  std::vector<Entry> entries_;
  int shift_;
  std::uint32_t generation_ = 0;
};

}  // namespace kelvora::solver
