// Fills a pattern database by breadth-first search from the goal, on several threads.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "solver/PatternSpace.h"

namespace kelvora::solver {

class PatternTableBuilder {
 public:
  // Called now and then from the thread that called Build with the share of entries done, 0 to 1.
  using Progress = std::function<void(double)>;

  PatternTableBuilder(PatternSpace space, int threads, Progress progress = {});

  // Two bits an entry, 32 entries a word, entry i in word i / 32 at bit 2 * (i % 32).
  std::vector<std::uint64_t> Build();
  // nullopt once cancel has become true; every thread stops within a few milliseconds of it.
  std::optional<std::vector<std::uint64_t>> Build(const std::atomic<bool>& cancel);

 private:
  struct Layer;
  struct Run;
  class Shares;

  // The labellings the four turns make of each labelling: tiles turned with a row can pass
  // others in cell order. The reordering depends only on the cell set and the turn, a few hundred
  // reorderings in all, and the results of one lie together as the entries of a cell set do.
  void MakeTurnTables();
  // Expands the positions of the last layer (cheap while that layer is small) or asks every
  // position not reached yet whether it touches the last layer (cheap once few are left).
  std::uint64_t ExpandLayer(const Layer& layer, std::uint64_t first, std::uint64_t end);
  std::uint64_t GatherLayer(const Layer& layer, std::uint64_t first, std::uint64_t end);
  // Expands a layer in passes over the chunks, until no free move brings in more.
  void RunLayer(Layer& layer, const std::atomic<bool>& cancel);
  void RunPass(Layer& layer, const std::vector<std::uint64_t>& chunks,
               const std::atomic<bool>& cancel);
  // Puts an entry a free move reaches into the layer being expanded (residue), unless an earlier
  // layer holds it already.
  enum class Joined { kNo, kNewlyReached, kFromNextLayer };
  Joined JoinLayer(std::uint64_t index, int residue, int nextResidue);
  // Claims an unreached entry for the next layer in a table with free moves, where Claim could
  // spoil an entry another thread has just put in this layer.
  bool ClaimUnlessJoined(std::uint64_t index, int residue);
  // Reports done if the last report is a while ago; only from the thread that called Build.
  void KeepReporting(double done);
  // The last layer's entries among those of expanded word `word`, which the call marks expanded:
  // entry 64 * word + n is in the layer when bit n is set.
  std::uint64_t TakeLayerEntries(std::uint64_t word, int residue);
  void Decode(Run& run, std::uint64_t index) const;
  // Calls visit with the index of each position one move away and the move's cost, until visit
  // returns true; returns whether it did.
  template <typename Visit>
  bool ForEachNeighbour(Run& run, std::uint64_t index, Visit visit) const;

  const PatternSpace space_;
  int threads_;
  Progress progress_;
  // When progress was last reported, by the thread that called Build.
  std::chrono::steady_clock::time_point lastReport_;
  // The reordering a turn makes by cell set and turn, and the turned labellings by reordering
  // and labelling.
  std::vector<std::uint16_t> reorderingOf_;
  std::vector<std::uint16_t> turnedLabellings_;
  std::uint32_t reorderingCount_ = 0;
  std::vector<std::uint64_t> table_;
  // One bit an entry: set once the entry's layer has been expanded.
  std::vector<std::uint64_t> expanded_;
  // One byte a chunk, for tables with free moves: set where a free move brought an entry into
  // the layer being expanded, so the chunk is expanded again.
  std::vector<std::uint8_t> rescan_;
};

}  // namespace kelvora::solver
