// Loading a size's tables in order, with one share of progress over all of them.
#include "solver/TableSet.h"

#include <algorithm>

namespace kelvora::solver {

TableSet::TableSet(std::string folder, TableSize size, int threads, Holding holding)
    : folder_(std::move(folder)), threads_(threads), holding_(holding), spaces_(PatternsFor(size)) {
  tables_.reserve(spaces_.size());
}

bool TableSet::Cached() const {
  const TableCache cache(folder_, threads_);
  return std::all_of(spaces_.begin(), spaces_.end(),
                     [&](const PatternSpace& space) { return cache.Holds(space); });
}

bool TableSet::Load(const Progress& progress, const std::atomic<bool>& cancel, const Ready& ready) {
  double total = 0;
  for (const PatternSpace& space : spaces_) total += static_cast<double>(space.Size());
  bool built = false;
  double before = 0;
  for (std::size_t t = 0; t < tables_.size(); ++t) before += static_cast<double>(spaces_[t].Size());
  while (!Loaded()) {
    const PatternSpace& space = spaces_[tables_.size()];
    const auto size = static_cast<double>(space.Size());
    const TableCache cache(
        folder_, threads_,
        [&](const std::string& table, double done) {
          if (progress) progress(table, done, (before + done * size) / total);
        },
        platform::System::Default(), holding_);
    std::optional<LoadedTable> loaded = cache.Load(space, cancel);
    if (!loaded) return false;
    built = built || loaded->built;
    if (ready) ready(space, *loaded);
    tables_.push_back(std::move(loaded->table));
    before += size;
  }
  // A build means a new set of tables; those of the other sizes share the folder and stay.
  if (built) {
    std::vector<PatternSpace> current;
    for (TableSize size : {TableSize::Full, TableSize::Medium, TableSize::Small}) {
      for (PatternSpace& space : PatternsFor(size)) current.push_back(std::move(space));
    }
    TableCache(folder_, threads_).RemoveAllBut(current);
  }
  return true;
}

std::vector<const PatternTable*> TableSet::Tables() const {
  std::vector<const PatternTable*> tables;
  for (const PatternTable& table : tables_) tables.push_back(&table);
  return tables;
}

}  // namespace kelvora::solver
