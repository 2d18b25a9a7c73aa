// Each record replayed by the game's own rules, so a history edited by hand is caught here and
// not halfway through showing it.
#include "game/RecordsReport.h"

#include <string>

#include "core/HistoryReplay.h"
#include "game/Bests.h"

namespace kelvora {

namespace {

bool Holds(const Position& start, int moves, const std::string& history) {
  if (moves == 0) return history.empty() && start.IsGoal();
  const ReplayResult replay = ReplayHistory(start, history);
  return replay.solved && replay.movesPlayed == moves;
}

void Count(ReportTotals& totals, int result, const std::optional<int>& par) {
  ++totals.withResult;
  if (!par) return;
  ++totals.compared;
  totals.moves += result;
  totals.par += *par;
  if (result == *par) ++totals.atPar;
}

}  // namespace

RecordsReport ReportRecords(const Records& records, const ParSource& par) {
  RecordsReport report;
  report.preparedTotals.stages = static_cast<int>(records.prepared.size());
  for (std::size_t s = 0; s < records.prepared.size(); ++s) {
    const PreparedStage& stage = records.prepared[s];
    PreparedRow row;
    row.stage = static_cast<int>(s) + 1;
    row.best = PreparedBest(stage);
    // The file keeps no figure for a stage that starts solved; its result is the empty solve.
    if (!row.best && stage.start.IsGoal()) row.best = 0;
    row.par = par(stage.start);
    if (row.best) {
      row.atPar = row.par && *row.best == *row.par;
      row.holds = Holds(stage.start, *row.best, stage.bestHistory);
      Count(report.preparedTotals, *row.best, row.par);
    }
    report.prepared.push_back(row);
  }
  report.archiveTotals.stages = static_cast<int>(records.archive.size());
  for (std::size_t i = 0; i < records.archive.size(); ++i) {
    const ArchivedStage& stage = records.archive[i];
    ArchiveRow row;
    row.entry = static_cast<int>(i) + 1;
    row.moves = stage.moves;
    row.par = par(stage.start);
    row.holds = Holds(stage.start, stage.moves, stage.history);
    Count(report.archiveTotals, stage.moves, row.par);
    report.archive.push_back(row);
  }
  report.randomBest = RandomBest(records);
  return report;
}

}  // namespace kelvora
