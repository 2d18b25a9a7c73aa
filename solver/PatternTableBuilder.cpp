// The breadth-first table build, layer by layer from the goal, on several threads.
#include "solver/PatternTableBuilder.h"

#include <algorithm>
#include <atomic>
#include <bit>
#include <chrono>
#include <thread>

#include "solver/MoveRules.h"
#include "solver/PatternTable.h"

// The table itself keeps distances modulo 3 only, so a bitmap marks the last layer and another
// collects the next one. Threads share the table through atomic word operations: two threads may
// reach the same entry, and every entry shares its word with others.

namespace kelvora::solver {

namespace {

// Entries a thread takes at a time: a multiple of 64, so no two threads write the same word of
// a bitmap while gathering.
constexpr std::uint64_t kChunk = std::uint64_t{1} << 16;
constexpr std::uint64_t kLowBits = 0x5555555555555555ULL;
constexpr auto kProgressInterval = std::chrono::milliseconds(100);

std::uint64_t Load(const std::uint64_t& word) {
  return std::atomic_ref<const std::uint64_t>(word).load(std::memory_order_relaxed);
}

int EntryAt(const std::vector<std::uint64_t>& table, std::uint64_t index) {
  return static_cast<int>((Load(table[index / 32]) >> (2 * (index % 32))) & 3);
}

// Turns an unreached entry (both bits set) into residue; reports whether this call did it.
bool Claim(std::vector<std::uint64_t>& table, std::uint64_t index, int residue) {
  const int shift = static_cast<int>(2 * (index % 32));
  const std::uint64_t clear = std::uint64_t(kUnreached & ~residue) << shift;
  const std::uint64_t before = std::atomic_ref<std::uint64_t>(table[index / 32])
                                   .fetch_and(~clear, std::memory_order_relaxed);
  return ((before >> shift) & 3) == kUnreached;
}

// The cells a rotation moves; rotating a row that holds nothing followed changes nothing.
std::uint32_t RowCells(MoveIndex move) {
  return std::uint32_t{0x1111} << TurnedRowIndex(move);
}

void Mark(std::vector<std::uint64_t>& bitmap, std::uint64_t index) {
  std::atomic_ref<std::uint64_t>(bitmap[index / 64])
      .fetch_or(std::uint64_t{1} << (index % 64), std::memory_order_relaxed);
}

}  // namespace

template <typename Visit>
bool PatternTableBuilder::ForEachNeighbour(std::uint64_t index, Visit visit) const {
  const Layout here = space_.LayoutAt(index);
  const int blank = space_.BlankCell(here);
  const std::uint32_t tiles = space_.TileCells(here);
  const MoveList moves = LegalMoves(blank);
  for (int m = 0; m < moves.count; ++m) {
    const MoveIndex move = moves.moves[m];
    std::uint64_t neighbour;
    if (move < kCellCount && (tiles >> move & 1) == 0) {
      // The blank swaps with a tile no one follows: only its own digit, the lowest, changes, and
      // by one, since the two cells are neighbours in cell order.
      neighbour = move > blank ? index + 1 : index - 1;
    } else if (move >= kCellCount && ((tiles | 1u << blank) & RowCells(move)) == 0) {
      continue;
    } else {
      neighbour = space_.Index(here.After(move, blank));
    }
    if (visit(neighbour)) return true;
  }
  return false;
}

struct PatternTableBuilder::Layer {
  int depth = 0;
  bool expand = true;
  std::uint64_t reachedBefore = 0;
  std::atomic<std::uint64_t> nextChunk{0};
  std::atomic<std::uint64_t> found{0};
};

PatternTableBuilder::PatternTableBuilder(PatternSpace space, int threads, Progress progress)
    : space_(std::move(space)), threads_(std::max(1, threads)), progress_(std::move(progress)) {}

std::vector<std::uint64_t> PatternTableBuilder::Build() {
  const std::uint64_t size = space_.Size();
  table_.assign((size + 31) / 32, ~std::uint64_t{0});
  // Entries past the end read as reached, so no layer ever looks at them.
  if (size % 32 != 0) table_.back() &= (std::uint64_t{1} << (2 * (size % 32))) - 1;
  frontier_.assign((size + 63) / 64, 0);
  next_.assign(frontier_.size(), 0);

  Claim(table_, space_.GoalIndex(), 0);
  Mark(frontier_, space_.GoalIndex());
  std::uint64_t reached = 1;
  std::uint64_t layerSize = 1;
  for (int depth = 0; layerSize > 0; ++depth) {
    Layer layer;
    layer.depth = depth;
    layer.expand = layerSize <= size - reached;
    layer.reachedBefore = reached;
    std::fill(next_.begin(), next_.end(), 0);
    RunLayer(layer);
    layerSize = layer.found.load();
    reached += layerSize;
    std::swap(frontier_, next_);
  }
  if (progress_) progress_(1.0);
  frontier_ = {};
  next_ = {};
  return std::move(table_);
}

void PatternTableBuilder::RunLayer(Layer& layer) {
  const std::uint64_t size = space_.Size();
  const std::uint64_t chunks = (size + kChunk - 1) / kChunk;
  auto work = [&](bool reports) {
    auto lastReport = std::chrono::steady_clock::now();
    for (std::uint64_t chunk = layer.nextChunk++; chunk < chunks; chunk = layer.nextChunk++) {
      const std::uint64_t first = chunk * kChunk;
      const std::uint64_t end = std::min(size, first + kChunk);
      layer.found += layer.expand ? ExpandLayer(layer, first, end) : GatherLayer(layer, first, end);
      if (reports && progress_ &&
          std::chrono::steady_clock::now() - lastReport > kProgressInterval) {
        lastReport = std::chrono::steady_clock::now();
        progress_(static_cast<double>(layer.reachedBefore + layer.found.load()) /
                  static_cast<double>(size));
      }
    }
  };
  std::vector<std::thread> helpers;
  for (int t = 1; t < threads_; ++t) helpers.emplace_back(work, false);
  work(true);
  for (std::thread& helper : helpers) helper.join();
}

std::uint64_t PatternTableBuilder::ExpandLayer(Layer& layer, std::uint64_t first,
                                               std::uint64_t end) {
  const int residue = (layer.depth + 1) % 3;
  std::uint64_t found = 0;
  for (std::uint64_t word = first / 64; word < (end + 63) / 64; ++word) {
    for (std::uint64_t bits = frontier_[word]; bits != 0; bits &= bits - 1) {
      ForEachNeighbour(word * 64 + std::countr_zero(bits), [&](std::uint64_t index) {
        if (EntryAt(table_, index) == kUnreached && Claim(table_, index, residue)) {
          Mark(next_, index);
          ++found;
        }
        return false;
      });
    }
  }
  return found;
}

std::uint64_t PatternTableBuilder::GatherLayer(Layer& layer, std::uint64_t first,
                                               std::uint64_t end) {
  const int lastResidue = layer.depth % 3;
  const int residue = (layer.depth + 1) % 3;
  std::uint64_t found = 0;
  for (std::uint64_t word = first / 32; word < (end + 31) / 32; ++word) {
    const std::uint64_t value = Load(table_[word]);
    for (std::uint64_t open = value & (value >> 1) & kLowBits; open != 0; open &= open - 1) {
      const std::uint64_t index = word * 32 + std::countr_zero(open) / 2;
      // A neighbour with the last layer's residue is in the last layer: one from an older layer
      // would have brought this position in already.
      const bool touches = ForEachNeighbour(index, [&](std::uint64_t neighbour) {
        return EntryAt(table_, neighbour) == lastResidue;
      });
      if (touches) {
        Claim(table_, index, residue);
        Mark(next_, index);
        ++found;
      }
    }
  }
  return found;
}

}  // namespace kelvora::solver
