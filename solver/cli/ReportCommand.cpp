// The records table: every prepared stage and archived random stage with the player's result,
// its par and their ratio, then totals.
#include "solver/cli/ReportCommand.h"

#include <cstdio>
#include <optional>
#include <string>

#include "records/DiskFileStore.h"
#include "records/RecordFiles.h"
#include "solver/PackedPosition.h"
#include "solver/cli/OptionReader.h"
#include "solver/cli/RecordsFolderArgument.h"
#include "solver/cli/SolverSession.h"
#include "text/ToolText.h"

namespace kelvora::stages {

namespace {

std::string Ratio(long long moves, long long par) {
  if (par <= 0) return moves == 0 ? "1.00" : text::stages::kNoFigure;
  char figure[32];
  std::snprintf(figure, sizeof figure, "%.2f",
                static_cast<double>(moves) / static_cast<double>(par));
  return figure;
}

// Sums of results and pars over the stages that have a result.
struct Totals {
  int withResult = 0;
  long long moves = 0;
  long long par = 0;
};

}  // namespace

std::string ReportCommand::Summary() const {
  return text::stages::kReportSummary;
}

std::string ReportCommand::Help() const {
  return text::stages::kReportHelp;
}

int ReportCommand::Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  OptionReader options(args, {"tables"});
  std::string problem = options.Problem();
  if (problem.empty() && options.Plain().size() > 1) problem = text::stages::kOneFolder;
  const auto tables = TableSizeNamed(options.Value("tables").value_or("full"));
  if (problem.empty() && !tables) problem = text::stages::kTablesFullOrSmall;
  if (!problem.empty()) {
    err << text::stages::ToolSays(Name(), problem);
    return kExitUsage;
  }
  DiskFileStore store;
  const RecordFiles files(store, RecordsFolderArgument(options.Plain(), Name(), err));
  const Result<Records> loaded = files.Load();
  if (!loaded) {
    err << text::stages::ToolSays(Name(), loaded.status().English());
    return kExitFailed;
  }
  const Records& records = *loaded;
  SolverSession session(*tables, err);
  const auto par = [&](const Position& stage) {
    return static_cast<long long>(session.Get().Solve(solver::PackedPosition::From(stage)).size());
  };

  Totals prepared;
  const int preparedCount = static_cast<int>(records.prepared.size());
  out << text::stages::kPreparedHeading;
  out << (preparedCount == 0 ? text::stages::kNoPreparedStages : text::stages::PreparedColumns());
  for (int s = 0; s < preparedCount; ++s) {
    const PreparedStage& stage = records.prepared[s];
    const long long stagePar = par(stage.start);
    const long long best = stage.bestMoves;
    // A stored 0 is no record, unless the stage starts solved.
    const bool hasResult = best > 0 || stagePar == 0;
    out << text::stages::ReportRow(
        std::to_string(s + 1), hasResult ? std::to_string(best) : text::stages::kNoFigure,
        std::to_string(stagePar), hasResult ? Ratio(best, stagePar) : text::stages::kNoFigure);
    if (hasResult) {
      ++prepared.withResult;
      prepared.moves += best;
      prepared.par += stagePar;
    }
  }

  Totals random;
  out << text::stages::kArchiveHeading;
  out << (records.archive.empty() ? text::stages::kEmptyArchive : text::stages::ArchiveColumns());
  for (std::size_t i = 0; i < records.archive.size(); ++i) {
    const ArchivedStage& stage = records.archive[i];
    const long long stagePar = par(stage.start);
    const long long moves = stage.moves;
    out << text::stages::ReportRow(std::to_string(i + 1), std::to_string(moves),
                                   std::to_string(stagePar), Ratio(moves, stagePar));
    ++random.withResult;
    random.moves += moves;
    random.par += stagePar;
  }

  out << text::stages::kTotalsHeading;
  if (prepared.withResult == 0) {
    out << text::stages::kNoPreparedBest;
  } else {
    out << text::stages::PreparedTotals(prepared.withResult, preparedCount, prepared.moves,
                                        prepared.par, Ratio(prepared.moves, prepared.par));
  }
  if (random.withResult == 0) {
    out << text::stages::kNothingArchived;
  } else {
    const std::optional<long long> best = records.randomBest != kNoRandomBest
                                              ? std::optional<long long>(records.randomBest)
                                              : std::nullopt;
    out << text::stages::ArchiveTotals(random.withResult, random.moves, random.par,
                                       Ratio(random.moves, random.par), best);
  }
  return kExitOk;
}

}  // namespace kelvora::stages
