// The breadth-first table build, layer by layer from the goal, on several threads.
#include "solver/PatternTableBuilder.h"

#include <algorithm>
#include <bit>
#include <chrono>
#include <cstddef>
#include <limits>
#include <new>
#include <numeric>
#include <system_error>
#include <thread>
#include <unordered_map>

#include "solver/MoveRules.h"
#include "solver/PatternTable.h"

// The table keeps distances modulo 3, and a bitmap of the entries already expanded tells the last
// layer (its residue, not yet expanded) from the layers three, six... before it. Entries that
// differ only in the blank's place form a run, decoded once; moves work on the index's digits
// through lookup tables, never through a whole layout. Neighbours are gathered a batch at a time
// and their table words asked for early: the table is far larger than the caches. Threads take
// chunks of whole bitmap words, so only claims on the table need atomic operations.

namespace kelvora::solver {

namespace {

// Entries a thread takes at a time: a multiple of 64, so each thread owns whole words of the
// expanded bitmap and the table words of its gathers.
constexpr std::uint64_t kChunk = std::uint64_t{1} << 16;
constexpr std::uint64_t kLowBits = 0x5555555555555555ULL;
constexpr auto kProgressInterval = std::chrono::milliseconds(100);
// Neighbours asked for before the first of them is read.
constexpr int kBatch = 192;
constexpr std::uint64_t kNotYet = ~std::uint64_t{0};

// The compilers' atomic built-ins, as std::atomic_ref would do them: the libc++ of the browser's
// build has no atomic_ref yet.
std::uint64_t Load(const std::uint64_t& word) {
  return __atomic_load_n(&word, __ATOMIC_RELAXED);
}

// A word's place in a table, from its 64-bit number: the table is in memory, so any place in it
// fits a size_t (32 bits in the browser).
std::size_t Place(std::uint64_t word) {
  return static_cast<std::size_t>(word);
}

// A table's length in words, refused as memory is when its bytes would not fit a size_t.
std::size_t Words(std::uint64_t count) {
  if (count > std::numeric_limits<std::size_t>::max() / sizeof(std::uint64_t)) {
    throw std::bad_alloc();
  }
  return static_cast<std::size_t>(count);
}

int EntryAt(const std::vector<std::uint64_t>& table, std::uint64_t index) {
  return static_cast<int>((Load(table[Place(index / 32)]) >> (2 * (index % 32))) & 3);
}

// Turns an unreached entry (both bits set) into residue; reports whether this call did it.
bool Claim(std::vector<std::uint64_t>& table, std::uint64_t index, int residue) {
  const int shift = static_cast<int>(2 * (index % 32));
  const std::uint64_t clear = std::uint64_t(kUnreached & ~residue) << shift;
  const std::uint64_t before =
      __atomic_fetch_and(&table[Place(index / 32)], ~clear, __ATOMIC_RELAXED);
  return ((before >> shift) & 3) == kUnreached;
}

// Bit n set where entry n of a table word equals residue (0 to 2); 0 when none does.
std::uint64_t EntriesEqual(std::uint64_t word, int residue) {
  const std::uint64_t differ = word ^ (kLowBits * static_cast<std::uint64_t>(residue));
  std::uint64_t m = ~(differ | (differ >> 1)) & kLowBits;
  if (m == 0) return 0;
  m = (m | (m >> 1)) & 0x3333333333333333ULL;
  m = (m | (m >> 2)) & 0x0F0F0F0F0F0F0F0FULL;
  m = (m | (m >> 4)) & 0x00FF00FF00FF00FFULL;
  m = (m | (m >> 8)) & 0x0000FFFF0000FFFFULL;
  return (m | (m >> 16)) & 0xFFFFFFFFULL;
}

// The cells a turn moves.
std::uint32_t RowCells(MoveIndex turn) {
  return std::uint32_t{0x1111} << TurnedRowIndex(turn);
}

// cells after the turn: those in the turned row move one column along, the end one wrapping round.
std::uint32_t TurnCells(std::uint32_t cells, MoveIndex turn) {
  const std::uint32_t row = cells & RowCells(turn);
  const std::uint32_t turned = TurnsRight(turn)
                                   ? (row << kBoardSize) | (row >> (kCellCount - kBoardSize))
                                   : (row >> kBoardSize) | (row << (kCellCount - kBoardSize));
  return (cells ^ row) | (turned & 0xFFFF);
}

}  // namespace

// The run of entries a thread is in: its digits, and the runs the four turns lead to, found when
// first needed.
struct PatternTableBuilder::Run {
  std::uint64_t first = kNotYet;
  std::uint32_t labelling = 0;
  std::uint32_t tiles = 0;
  const std::uint16_t* reorderings = nullptr;
  std::array<std::uint64_t, 4> turnedFirst{};
  std::array<std::uint32_t, 4> turnedTiles{};
};

struct PatternTableBuilder::Layer {
  int depth = 0;
  bool expand = true;
  std::uint64_t reachedBefore = 0;
  std::atomic<std::uint64_t> found{0};
};

// The chunks of a layer, split into one share a thread: each thread works through its own share
// first and then helps with the others'. Threads working side by side would touch the same
// parts of the table, and their claims would pull its lines from one processor to the other.
class PatternTableBuilder::Shares {
 public:
  Shares(std::uint64_t chunks, int threads) : next_(static_cast<std::size_t>(threads)) {
    for (int t = 0; t < threads; ++t) {
      next_[t].next = chunks * static_cast<std::uint64_t>(t) / static_cast<std::uint64_t>(threads);
      next_[t].end =
          chunks * static_cast<std::uint64_t>(t + 1) / static_cast<std::uint64_t>(threads);
    }
  }
  // The next chunk for thread, or nullopt when every share is done.
  std::optional<std::uint64_t> Take(int thread) {
    for (std::size_t s = 0; s < next_.size(); ++s) {
      Share& share = next_[(static_cast<std::size_t>(thread) + s) % next_.size()];
      if (share.next.load(std::memory_order_relaxed) >= share.end) continue;
      const std::uint64_t chunk = share.next++;
      if (chunk < share.end) return chunk;
    }
    return std::nullopt;
  }

 private:
  struct alignas(64) Share {
    std::atomic<std::uint64_t> next{0};
    std::uint64_t end = 0;
  };
  std::vector<Share> next_;
};

PatternTableBuilder::PatternTableBuilder(PatternSpace space, int threads, Progress progress)
    : space_(std::move(space)), threads_(std::max(1, threads)), progress_(std::move(progress)) {}

void PatternTableBuilder::MakeTurnTables() {
  const std::uint32_t cellSets = space_.CellSetCount();
  std::unordered_map<std::uint32_t, std::uint16_t> numbers;
  std::vector<std::uint32_t> reorderings;
  reorderingOf_.assign(std::size_t{4} * cellSets, 0);
  for (int turn = 0; turn < 4; ++turn) {
    const auto move = static_cast<MoveIndex>(kRow1Right + turn);
    for (std::uint32_t cellSet = 0; cellSet < cellSets; ++cellSet) {
      const std::uint32_t tiles = space_.CellSetAt(cellSet);
      const std::uint32_t turned = TurnCells(tiles, move);
      // Nibble n: where the tile in slot n goes.
      std::uint32_t reordering = 0;
      int slot = 0;
      for (std::uint32_t left = tiles; left != 0; left &= left - 1, ++slot) {
        const int cell = BlankAfter(move, std::countr_zero(left));
        reordering |= static_cast<std::uint32_t>(std::popcount(turned & ((1u << cell) - 1)))
                      << (4 * slot);
      }
      const auto [at, added] =
          numbers.emplace(reordering, static_cast<std::uint16_t>(reorderings.size()));
      if (added) reorderings.push_back(reordering);
      reorderingOf_[std::size_t{cellSet} * 4 + turn] = at->second;
    }
  }
  reorderingCount_ = static_cast<std::uint32_t>(reorderings.size());
  const std::uint32_t labellings = space_.LabellingCount();
  turnedLabellings_.assign(std::size_t{labellings} * reorderingCount_, 0);
  for (std::uint32_t p = 0; p < reorderingCount_; ++p) {
    KeepReporting(0.0);
    for (std::uint32_t rank = 0; rank < labellings; ++rank) {
      const std::uint32_t labelling = space_.LabellingAt(rank);
      std::uint32_t turned = 0;
      for (int slot = 0; slot < space_.TileCount(); ++slot) {
        turned |= ((labelling >> (4 * slot)) & 0xF) << (4 * ((reorderings[p] >> (4 * slot)) & 0xF));
      }
      turnedLabellings_[std::size_t{p} * labellings + rank] =
          static_cast<std::uint16_t>(space_.RankOfLabelling(turned));
    }
  }
}

void PatternTableBuilder::Decode(Run& run, std::uint64_t index) const {
  // Dividing 32-bit numbers takes the processor a fraction of the time, and the game's tables
  // have fewer entries than that.
  const std::uint64_t rest = index <= UINT32_MAX
                                 ? static_cast<std::uint32_t>(index) / space_.BlankRadix()
                                 : index / space_.BlankRadix();
  const std::uint64_t cellSet = rest <= UINT32_MAX
                                    ? static_cast<std::uint32_t>(rest) / space_.LabellingCount()
                                    : rest / space_.LabellingCount();
  run.first = rest * space_.BlankRadix();
  run.labelling = static_cast<std::uint32_t>(rest - cellSet * space_.LabellingCount());
  run.tiles = space_.CellSetAt(static_cast<std::uint32_t>(cellSet));
  run.reorderings = &reorderingOf_[static_cast<std::size_t>(cellSet) * 4];
  run.turnedFirst.fill(kNotYet);
}

template <typename Visit>
bool PatternTableBuilder::ForEachNeighbour(Run& run, std::uint64_t index, Visit visit) const {
  if (index < run.first || index - run.first >= space_.BlankRadix()) Decode(run, index);
  const auto blankRank = static_cast<std::uint32_t>(index - run.first);
  const int blank = PatternSpace::BlankCellAt(run.tiles, blankRank);
  const MoveList moves = LegalMoves(blank);
  for (int m = 0; m < moves.count; ++m) {
    const MoveIndex move = moves.moves[m];
    const int cost = space_.CostOf(move, run.tiles);
    std::uint64_t neighbour;
    if (move < kCellCount) {
      if ((run.tiles >> move & 1) == 0) {
        // Another free cell next in cell order: the blank's rank moves by one.
        neighbour = move > blank ? index + 1 : index - 1;
      } else {
        // The tile passes no cell, so the labelling and the blank's rank stay.
        const std::uint32_t tiles = run.tiles ^ (1u << move) ^ (1u << blank);
        neighbour = space_.IndexOf(space_.RankOfCellSet(tiles), run.labelling, blankRank);
      }
    } else {
      const int turn = move - kRow1Right;
      // Turning a row that holds nothing followed changes nothing.
      if (((run.tiles | 1u << blank) & RowCells(move)) == 0) continue;
      if (run.turnedFirst[turn] == kNotYet) {
        run.turnedTiles[turn] = TurnCells(run.tiles, move);
        const std::uint16_t labelling =
            turnedLabellings_[std::size_t{run.reorderings[turn]} * space_.LabellingCount() +
                              run.labelling];
        run.turnedFirst[turn] =
            space_.IndexOf(space_.RankOfCellSet(run.turnedTiles[turn]), labelling, 0);
      }
      neighbour = run.turnedFirst[turn] +
                  PatternSpace::BlankRank(run.turnedTiles[turn], BlankAfter(move, blank));
    }
    if (visit(neighbour, cost)) return true;
  }
  return false;
}

void PatternTableBuilder::KeepReporting(double done) {
  if (progress_ && std::chrono::steady_clock::now() - lastReport_ > kProgressInterval) {
    lastReport_ = std::chrono::steady_clock::now();
    progress_(done);
  }
}

std::vector<std::uint64_t> PatternTableBuilder::Build() {
  const std::atomic<bool> never{false};
  return *Build(never);
}

std::optional<std::vector<std::uint64_t>> PatternTableBuilder::Build(
    const std::atomic<bool>& cancel) {
  if (progress_) progress_(0.0);
  lastReport_ = std::chrono::steady_clock::now();
  MakeTurnTables();
  const std::uint64_t size = space_.Size();

  // Whole pairs of words while building, one pair for each word of the expanded bitmap.
  table_.assign(Words((size + 63) / 64 * 2), ~std::uint64_t{0});
  KeepReporting(0.0);
  expanded_.assign(Words((size + 63) / 64), 0);
  // Entries past the end read as reached and expanded, so no layer ever looks at them.
  for (std::uint64_t index = size; index < std::uint64_t{table_.size()} * 32; ++index) {
    table_[Place(index / 32)] &= ~(std::uint64_t{3} << (2 * (index % 32)));
    expanded_[Place(index / 64)] |= std::uint64_t{1} << (index % 64);
  }

  // Moves that cost nothing keep a position in the layer it was reached from: the chunks they
  // brought positions into after the pass went by are expanded again.
  const bool freeMoves = space_.SharesCost();
  if (freeMoves) rescan_.assign(static_cast<std::size_t>((size + kChunk - 1) / kChunk), 0);

  Claim(table_, space_.GoalIndex(), 0);
  std::uint64_t reached = 1;
  std::uint64_t layerSize = 1;
  bool expanding = true;
  for (int depth = 0; layerSize > 0; ++depth) {
    Layer layer;
    layer.depth = depth;
    // Once gathering, the expanded bitmap is no longer kept, so gathering goes on to the end.
    // Gathering asks only whether a neighbour is in the last layer, which a free move can leave
    // out: tables with free moves expand every layer.
    layer.expand = expanding && (freeMoves || layerSize <= size - reached);
    expanding = layer.expand;
    layer.reachedBefore = reached;
    RunLayer(layer, cancel);
    if (cancel.load()) {
      table_ = {};
      expanded_ = {};
      return std::nullopt;
    }
    layerSize = layer.found.load();
    reached += layerSize;
  }
  if (progress_) progress_(1.0);
  expanded_ = {};
  rescan_ = {};
  reorderingOf_ = {};
  turnedLabellings_ = {};
  table_.resize(Words((size + 31) / 32));
  return std::move(table_);
}

void PatternTableBuilder::RunLayer(Layer& layer, const std::atomic<bool>& cancel) {
  std::vector<std::uint64_t> chunks(
      static_cast<std::size_t>((space_.Size() + kChunk - 1) / kChunk));
  std::iota(chunks.begin(), chunks.end(), std::uint64_t{0});
  while (!chunks.empty() && !cancel.load()) {
    RunPass(layer, chunks, cancel);
    chunks.clear();
    for (std::size_t c = 0; c < rescan_.size(); ++c) {
      if (rescan_[c] != 0) chunks.push_back(c);
      rescan_[c] = 0;
    }
  }
}

void PatternTableBuilder::RunPass(Layer& layer, const std::vector<std::uint64_t>& chunks,
                                  const std::atomic<bool>& cancel) {
  const std::uint64_t size = space_.Size();
  Shares shares(chunks.size(), threads_);
  auto work = [&](int thread) {
    const bool reports = thread == 0;
    for (std::optional<std::uint64_t> taken = shares.Take(thread); taken;
         taken = shares.Take(thread)) {
      if (cancel.load(std::memory_order_relaxed)) return;
      const std::uint64_t first = chunks[Place(*taken)] * kChunk;
      const std::uint64_t end = std::min(size, first + kChunk);
      layer.found += layer.expand ? ExpandLayer(layer, first, end) : GatherLayer(layer, first, end);
      if (reports) {
        KeepReporting(static_cast<double>(layer.reachedBefore + layer.found.load()) /
                      static_cast<double>(size));
      }
    }
  };
  std::vector<std::thread> helpers;
  helpers.reserve(static_cast<std::size_t>(threads_ - 1));
  for (int t = 1; t < threads_; ++t) {
    // A helper the system will not start leaves its share to the threads that did start, which
    // take what is left of every share: the layer is only slower.
    try {
      helpers.emplace_back(work, t);
    } catch (const std::system_error&) {
      break;
    }
  }
  work(0);
  for (std::thread& helper : helpers) helper.join();
}

std::uint64_t PatternTableBuilder::TakeLayerEntries(std::uint64_t word, int residue) {
  const std::uint64_t expanded = Load(expanded_[Place(word)]);
  const std::uint64_t entries = (EntriesEqual(Load(table_[Place(2 * word)]), residue) |
                                 EntriesEqual(Load(table_[Place(2 * word + 1)]), residue) << 32) &
                                ~expanded;
  // Only this thread writes the word; others read it to see whether an entry is still to be
  // expanded.
  if (entries != 0) __atomic_store_n(&expanded_[Place(word)], expanded | entries, __ATOMIC_RELAXED);
  return entries;
}

std::uint64_t PatternTableBuilder::ExpandLayer(const Layer& layer, std::uint64_t first,
                                               std::uint64_t end) {
  const int residue = layer.depth % 3;
  const int nextResidue = (layer.depth + 1) % 3;
  const bool freeMoves = space_.SharesCost();
  std::uint64_t found = 0;
  Run run;
  // A neighbour a move that costs nothing leads to is marked by the top bit.
  constexpr std::uint64_t kFree = std::uint64_t{1} << 63;
  std::array<std::uint64_t, kBatch> batch;
  int batched = 0;
  // Entries of this chunk that free moves brought into the layer, expanded before the chunk is
  // left: most free moves only move the blank past a tile nobody follows, within the run.
  std::vector<std::uint64_t> joined;
  const auto settle = [&] {
    for (int b = 0; b < batched; ++b) {
      if ((batch[b] & kFree) != 0) {
        const std::uint64_t index = batch[b] & ~kFree;
        const Joined join = JoinLayer(index, residue, nextResidue);
        if (join == Joined::kNo) continue;
        if (join == Joined::kNewlyReached) ++found;
        if (index >= first && index < end) {
          joined.push_back(index);
        } else {
          __atomic_store_n(&rescan_[Place(index / kChunk)], std::uint8_t{1}, __ATOMIC_RELAXED);
        }
      } else if (EntryAt(table_, batch[b]) == kUnreached &&
                 (freeMoves ? ClaimUnlessJoined(batch[b], nextResidue)
                            : Claim(table_, batch[b], nextResidue))) {
        ++found;
      }
    }
    batched = 0;
  };
  const auto expand = [&](std::uint64_t entry) {
    ForEachNeighbour(run, entry, [&](std::uint64_t index, int cost) {
      __builtin_prefetch(&table_[Place(index / 32)]);
      batch[batched++] = cost == 0 ? index | kFree : index;
      return false;
    });
    if (batched > kBatch - 6) settle();
  };
  for (std::uint64_t word = first / 64; word < (end + 63) / 64; ++word) {
    for (std::uint64_t bits = TakeLayerEntries(word, residue); bits != 0; bits &= bits - 1) {
      expand(word * 64 + std::countr_zero(bits));
    }
  }
  settle();
  while (!joined.empty()) {
    const std::uint64_t entry = joined.back();
    joined.pop_back();
    // This thread owns the chunk's words of the bitmap.
    std::uint64_t& word = expanded_[Place(entry / 64)];
    const std::uint64_t bit = std::uint64_t{1} << (entry % 64);
    if ((Load(word) & bit) == 0) {
      __atomic_store_n(&word, Load(word) | bit, __ATOMIC_RELAXED);
      expand(entry);
    }
    if (joined.empty()) settle();
  }
  return found;
}

bool PatternTableBuilder::ClaimUnlessJoined(std::uint64_t index, int residue) {
  // Claim clears bits, which would spoil an entry another thread has just put in this layer.
  std::uint64_t& word = table_[Place(index / 32)];
  const int shift = static_cast<int>(2 * (index % 32));
  std::uint64_t before = Load(word);
  while (((before >> shift) & 3) == kUnreached) {
    const std::uint64_t after =
        (before & ~(std::uint64_t{3} << shift)) | (std::uint64_t(residue) << shift);
    if (__atomic_compare_exchange_n(&word, &before, after, true, __ATOMIC_RELAXED,
                                    __ATOMIC_RELAXED)) {
      return true;
    }
  }
  return false;
}

PatternTableBuilder::Joined PatternTableBuilder::JoinLayer(std::uint64_t index, int residue,
                                                           int nextResidue) {
  std::uint64_t& word = table_[Place(index / 32)];
  const int shift = static_cast<int>(2 * (index % 32));
  std::uint64_t before = Load(word);
  for (;;) {
    const int entry = static_cast<int>((before >> shift) & 3);
    // Unreached, or put in the next layer by a move that costs one: the next layer is not
    // expanded yet, while every earlier layer with its residue is.
    if (entry != kUnreached &&
        (entry != nextResidue || ((Load(expanded_[Place(index / 64)]) >> (index % 64)) & 1) != 0)) {
      return Joined::kNo;
    }
    const std::uint64_t after =
        (before & ~(std::uint64_t{3} << shift)) | (std::uint64_t(residue) << shift);
    if (__atomic_compare_exchange_n(&word, &before, after, true, __ATOMIC_RELAXED,
                                    __ATOMIC_RELAXED)) {
      return entry == kUnreached ? Joined::kNewlyReached : Joined::kFromNextLayer;
    }
  }
}

std::uint64_t PatternTableBuilder::GatherLayer(const Layer& layer, std::uint64_t first,
                                               std::uint64_t end) {
  const int lastResidue = layer.depth % 3;
  const int residue = (layer.depth + 1) % 3;
  std::uint64_t found = 0;
  Run run;
  for (std::uint64_t word = first / 32; word < (end + 31) / 32; ++word) {
    const std::uint64_t value = Load(table_[Place(word)]);
    for (std::uint64_t open = value & (value >> 1) & kLowBits; open != 0; open &= open - 1) {
      const std::uint64_t index = word * 32 + std::countr_zero(open) / 2;
      // A neighbour with the last layer's residue is in the last layer: one from an older layer
      // would have brought this position in already.
      const bool touches = ForEachNeighbour(run, index, [&](std::uint64_t neighbour, int) {
        return EntryAt(table_, neighbour) == lastResidue;
      });
      if (touches) {
        Claim(table_, index, residue);
        ++found;
      }
    }
  }
  return found;
}

}  // namespace kelvora::solver
