// A table rebuilt for any reason but a first run is worth a line: the cache was damaged or stale.
#include "solver/cli/SolverSession.h"

#include "solver/ProgressBar.h"
#include "solver/TableCache.h"
#include "text/ToolText.h"

namespace kelvora::stages {

std::optional<solver::TableSize> TableSizeNamed(const std::string& name) {
  for (solver::TableSize size : {solver::TableSize::Full, solver::TableSize::Small}) {
    if (solver::NameOf(size) == name) return size;
  }
  return std::nullopt;
}

SolverSession::SolverSession(solver::TableSize size, std::ostream& err) {
  solver::ProgressBar bar(err);
  const std::string folder = solver::TableCache::DefaultFolder();
  bool announced = false;
  const solver::TableCache cache(folder, 0, [&](const std::string& table, double done) {
    // Said once, before the first bar: otherwise a newcomer waits without knowing why.
    if (!announced) {
      err << text::stages::ToolSays("", text::stages::BuildingTablesIn(folder));
      announced = true;
    }
    bar.Show(table, done);
  });
  for (const solver::PatternSpace& space : solver::PatternsFor(size)) {
    solver::LoadedTable loaded = cache.Load(space);
    if (loaded.built && loaded.reason != solver::TableCache::kNotCachedYet) {
      err << text::stages::ToolSays("", text::stages::BuiltTableAnew(space.Name(), loaded.reason));
    }
    tables_.push_back(std::move(loaded.table));
  }
  std::vector<const solver::PatternTable*> pointers;
  for (const solver::PatternTable& table : tables_) pointers.push_back(&table);
  solver_ = std::make_unique<solver::Solver>(pointers);
}

}  // namespace kelvora::stages
