// The pattern tables of one size, taken from the cache or built into it: what the game's hints
// and kelvora-stages both solve with.
#pragma once

#include <atomic>
#include <functional>
#include <string>
#include <vector>

#include "solver/PatternSets.h"
#include "solver/PatternTable.h"
#include "solver/TableCache.h"

namespace kelvora::solver {

class TableSet {
 public:
  // Called from the loading thread while a table is built: its name, the share of it built, and
  // the share of all the set's entries ready, each 0 to 1.
  using Progress = std::function<void(const std::string& table, double tableDone, double allDone)>;
  // Called as each table becomes ready, with how it was loaded.
  using Ready = std::function<void(const PatternSpace& space, const LoadedTable& loaded)>;

  // folder: the cache (TableCache::DefaultFolder() for the game and the tool); threads: for
  // building, 0 for every processor; holding: how the cached tables are held.
  TableSet(std::string folder, TableSize size, int threads = 0, Holding holding = Holding::kMapped);

  const std::string& Folder() const { return folder_; }
  // Every table is in the cache under a header that fits it; cheap, nothing is built or read
  // beyond the headers, and so no promise that Load builds nothing.
  bool Cached() const;
  // Takes each table not loaded yet from the cache, or builds it. False when cancel became true
  // first: the tables finished before it stay loaded (and cached), nothing of the others is kept.
  // A load that built a table clears the folder of the tables earlier versions left
  // (TableCache::RemoveAllBut).
  bool Load(const Progress& progress, const std::atomic<bool>& cancel, const Ready& ready = {});
  bool Loaded() const { return tables_.size() == spaces_.size(); }
  // The loaded tables, for a Solver; they live as long as the set.
  std::vector<const PatternTable*> Tables() const;

 private:
  std::string folder_;
  int threads_;
  Holding holding_;
  std::vector<PatternSpace> spaces_;
  std::vector<PatternTable> tables_;
};

}  // namespace kelvora::solver
