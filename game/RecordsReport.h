// The player's records set out as a table: each prepared stage with its best, its par where it is
// known and whether the best is at par, each archived random stage, and the sums over them. The
// records window and `kelvora-stages report` both draw from here, so the two never disagree.
#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "core/Position.h"
#include "records/Records.h"

namespace kelvora {

// The fewest moves that solve the stage starting at start, where the caller knows it: the game
// knows the delivered stages' by heart and others only once the solver has worked them out.
using ParSource = std::function<std::optional<int>(const Position& start)>;

struct PreparedRow {
  // Counted from 1, as the caption "第 N面" counts.
  int stage = 0;
  // None before the first solve; 0 for a stage that starts solved.
  std::optional<int> best;
  std::optional<int> par;
  bool atPar = false;
  // The stored moves replay from the stage's start to the goal in exactly the best's count
  // (true where there is no best to replay).
  bool holds = true;
};

struct ArchiveRow {
  // Counted from 1, in the order of the archive.
  int entry = 0;
  int moves = 0;
  std::optional<int> par;
  bool holds = true;
};

// Sums over the stages with a result; moves and par only over those whose par is known.
struct ReportTotals {
  int stages = 0;
  int withResult = 0;
  int atPar = 0;
  int compared = 0;
  long long moves = 0;
  long long par = 0;
};

struct RecordsReport {
  std::vector<PreparedRow> prepared;
  ReportTotals preparedTotals;
  std::vector<ArchiveRow> archive;
  ReportTotals archiveTotals;
  // The fewest moves among the archived stages.
  std::optional<int> randomBest;
  // The archive takes no stage beyond this.
  int archiveCapacity = kMostStagesInAFile;
};

// par is asked once for each stage, prepared stages first.
RecordsReport ReportRecords(const Records& records, const ParSource& par);

}  // namespace kelvora
