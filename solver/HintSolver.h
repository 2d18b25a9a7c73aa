// The game's hint: the first move of a shortest solution from the board in play, and its length.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "core/Position.h"
#include "solver/HintSource.h"
#include "solver/MoveRules.h"
#include "solver/PatternSets.h"

namespace kelvora::solver {

class Solver;
class TableSet;

// Every shortest solution found is remembered position by position, so a player who follows the
// hints, or undoes moves back onto a hinted path, is answered at once; a position one move off a
// remembered path is searched only for a solution shorter than the way back onto it, keeping what
// the searches before it learnt about distances.
class HintSolver final : public HintSource {
 public:
  // folder: the table cache (TableCache::DefaultFolder() in the game, the one kelvora-stages
  // uses); size: TableSize::Full for the game, Small for quick tests.
  HintSolver(std::string folder, TableSize size);
  ~HintSolver() override;
  HintSolver(const HintSolver&) = delete;
  HintSolver& operator=(const HintSolver&) = delete;

  // True when every table is in the cache already under a header that fits it: nothing is built
  // or read beyond the headers. A sound header does not promise sound data (Prepare checks the
  // checksum and may still build), so whoever shows a build waits for Prepare's progress.
  bool TablesCached() const override;
  // Reads the tables into memory of the solver's own (Holding::kReadIn: a whole session's hints
  // search them), building any missing or damaged ones first (into the cache); a table just built
  // serves as it is. progress(done, 0 to 1) is called from the calling thread at least every half
  // second while building, and only then. Returns false as soon as cancel becomes true, leaving no
  // partial or temporary table in the cache, and true once every table is ready (at once if they
  // were already). Not to be called twice at once.
  bool Prepare(const std::function<void(double)>& progress,
               const std::atomic<bool>& cancel) override;
  // The first move of a shortest solution from position and the length of that solution; nullopt
  // at the goal. Only after Prepare returned true, from one thread at a time. position must be
  // an arrangement of the goal's tiles (std::invalid_argument otherwise). A search cancelled
  // midway (SearchCancelled) leaves what was remembered before it as it was.
  std::optional<Hint> Next(const Position& position, const std::atomic<bool>& cancel) override;
  // The same, never cancelled.
  std::optional<Hint> Next(const Position& position);
  // Takes letters (the game's move letters) as a shortest solution from start, known beforehand,
  // so that a hint anywhere along it answers without a search: only for solutions proven
  // shortest, since nothing checks that. Letters that do not solve from start are ignored.
  void Learn(const Position& start, std::string_view letters);

 private:
  // Records the answer for every position along path from start.
  void Remember(PackedPosition start, const std::vector<MoveIndex>& path);
  // The remembered shortest solution from a remembered position.
  std::vector<MoveIndex> PathFrom(PackedPosition position) const;

  std::unique_ptr<TableSet> tables_;
  std::unique_ptr<Solver> solver_;
  std::unordered_map<std::uint64_t, Hint> known_;
};

}  // namespace kelvora::solver
