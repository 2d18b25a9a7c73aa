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

SolverSession::SolverSession(solver::TableSize size, std::ostream& err)
    : tables_(solver::TableCache::DefaultFolder(), size) {
  solver::ProgressBar bar(err);
  bool announced = false;
  const std::atomic<bool> never{false};
  tables_.Load(
      [&](const std::string& table, double done, double) {
        // Said once, before the first bar: otherwise a newcomer waits without knowing why.
        if (!announced) {
          err << text::stages::ToolSays("", text::stages::BuildingTablesIn(tables_.Folder()));
          announced = true;
        }
        bar.Show(table, done);
      },
      never,
      [&](const solver::PatternSpace& space, const solver::LoadedTable& loaded) {
        if (loaded.built && loaded.reason != solver::TableCache::kNotCachedYet) {
          err << text::stages::ToolSays("",
                                        text::stages::BuiltTableAnew(space.Name(), loaded.reason));
        }
      });
  solver_ =
      std::make_unique<solver::Solver>(tables_.Tables(), solver::Solver::kDefaultMemoryLog2, 0);
}

}  // namespace kelvora::stages
