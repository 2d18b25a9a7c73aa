// The records table: every prepared stage and archived random stage with the player's result,
// its par and their ratio, then totals; the rows are the records window's, with the solver's pars.
#include "solver/cli/ReportCommand.h"

#include <cstdio>
#include <optional>
#include <string>

#include "game/RecordsReport.h"
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
  SolverSession session(*tables, err);
  const RecordsReport report = ReportRecords(*loaded, [&](const Position& stage) {
    return std::optional<int>(
        static_cast<int>(session.Get().Solve(solver::PackedPosition::From(stage)).size()));
  });
  const auto figure = [](const std::optional<int>& value) {
    return value ? std::to_string(*value) : std::string(text::stages::kNoFigure);
  };

  out << text::stages::kPreparedHeading;
  out << (report.prepared.empty() ? text::stages::kNoPreparedStages
                                  : text::stages::PreparedColumns());
  for (const PreparedRow& row : report.prepared) {
    out << text::stages::ReportRow(
        std::to_string(row.stage), figure(row.best), figure(row.par),
        row.best && row.par ? Ratio(*row.best, *row.par) : text::stages::kNoFigure);
  }

  out << text::stages::kArchiveHeading;
  out << (report.archive.empty() ? text::stages::kEmptyArchive : text::stages::ArchiveColumns());
  for (const ArchiveRow& row : report.archive) {
    out << text::stages::ReportRow(std::to_string(row.entry), std::to_string(row.moves),
                                   figure(row.par),
                                   row.par ? Ratio(row.moves, *row.par) : text::stages::kNoFigure);
  }

  const ReportTotals& prepared = report.preparedTotals;
  out << text::stages::kTotalsHeading;
  if (prepared.withResult == 0) {
    out << text::stages::kNoPreparedBest;
  } else {
    out << text::stages::PreparedTotals(prepared.withResult, prepared.stages, prepared.moves,
                                        prepared.par, Ratio(prepared.moves, prepared.par));
  }
  const ReportTotals& random = report.archiveTotals;
  if (random.withResult == 0) {
    out << text::stages::kNothingArchived;
  } else {
    const std::optional<long long> best =
        report.randomBest ? std::optional<long long>(*report.randomBest) : std::nullopt;
    out << text::stages::ArchiveTotals(random.withResult, random.moves, random.par,
                                       Ratio(random.moves, random.par), best);
  }
  return kExitOk;
}

}  // namespace kelvora::stages
