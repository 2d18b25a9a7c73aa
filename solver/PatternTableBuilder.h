// Fills a pattern database by breadth-first search from the goal, on several threads.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "solver/PatternSpace.h"

namespace kelvora::solver {

class PatternTableBuilder {
 public:
  // Called now and then from one of the building threads with the share of entries done, 0 to 1.
  using Progress = std::function<void(double)>;

  PatternTableBuilder(PatternSpace space, int threads, Progress progress = {});

  // Two bits an entry, 32 entries a word, entry i in word i / 32 at bit 2 * (i % 32).
  std::vector<std::uint64_t> Build();

 private:
  struct Layer;

  // Expands the positions of the last layer (cheap while that layer is small) or asks every
  // position not reached yet whether it touches the last layer (cheap once few are left).
  std::uint64_t ExpandLayer(Layer& layer, std::uint64_t first, std::uint64_t end);
  std::uint64_t GatherLayer(Layer& layer, std::uint64_t first, std::uint64_t end);
  void RunLayer(Layer& layer);
  // Calls visit with the index of each position one move away, until visit returns true;
  // returns whether it did.
  template <typename Visit>
  bool ForEachNeighbour(std::uint64_t index, Visit visit) const;

  const PatternSpace space_;
  int threads_;
  Progress progress_;
  std::vector<std::uint64_t> table_;
  std::vector<std::uint64_t> frontier_;
  std::vector<std::uint64_t> next_;
};

}  // namespace kelvora::solver
