// The records table: every prepared stage and archived random stage with the player's result,
// its par and their ratio, then totals.
#include "solver/cli/ReportCommand.h"

#include <cstdio>
#include <string>

#include "modes/DataFileError.h"
#include "modes/DataFiles.h"
#include "modes/DataTables.h"
#include "modes/DiskFileStore.h"
#include "solver/cli/OptionReader.h"
#include "solver/cli/SolverSession.h"

namespace kelvora::stages {

namespace {

std::string Ratio(long long moves, long long par) {
  if (par <= 0) return moves == 0 ? "1.00" : "-";
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", static_cast<double>(moves) / static_cast<double>(par));
  return text;
}

std::string Row(const std::string& first, const std::string& result, const std::string& par,
                const std::string& ratio) {
  char line[128];
  std::snprintf(line, sizeof line, "  %7s  %7s  %5s  %8s\n", first.c_str(), result.c_str(),
                par.c_str(), ratio.c_str());
  return line;
}

// "1 move", "3 moves": the reader should never have to forgive the grammar.
std::string Count(long long n, const std::string& noun) {
  return std::to_string(n) + " " + noun + (n == 1 ? "" : "s");
}

// Sums of results and pars over the stages that have a result.
struct Totals {
  int withResult = 0;
  long long moves = 0;
  long long par = 0;
};

}  // namespace

std::string ReportCommand::Summary() const {
  return "list the records of a game folder against the optimal solutions";
}

std::string ReportCommand::Help() const {
  return "Usage: kelvora-stages report FOLDER [--tables full|small]\n"
         "\n"
         "Loads the data files in FOLDER as the game does and prints a table: each prepared\n"
         "stage with the player's best (- when it has none), its par (the optimal number of\n"
         "moves) and best/par; each archived random stage with its result, par and ratio; then\n"
         "totals over the stages that have a result, and the best of the random results.\n"
         "\n"
         "  --tables full|small  as for solve\n"
         "\n"
         "Exit status: 0 printed, 1 a data file is damaged (see check), 2 bad arguments.\n";
}

int ReportCommand::Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  OptionReader options(args, {"tables"});
  std::string problem = options.Problem();
  if (problem.empty() && options.Plain().size() != 1) problem = "expected one argument, FOLDER";
  const auto tables = TableSizeNamed(options.Value("tables").value_or("full"));
  if (problem.empty() && !tables) problem = "--tables must be full or small";
  if (!problem.empty()) {
    err << "kelvora-stages report: " << problem << "\n";
    return kExitUsage;
  }
  DiskFileStore store;
  DataTables records;
  DataFiles files(records, store, options.Plain()[0]);
  try {
    files.LoadDataFiles();
  } catch (const DataFileError& damage) {
    err << "kelvora-stages report: " << damage.what() << "\n";
    return kExitFailed;
  }
  SolverSession session(*tables, err);
  const auto par = [&](const StageGrid& stage) {
    return static_cast<long long>(session.Get().Solve(solver::Position::FromGrid(stage)).size());
  };

  Totals prepared;
  out << "Prepared stages\n";
  if (records.preparedStageCount == 0) {
    out << "  none\n";
  } else {
    out << Row("stage", "best", "par", "best/par");
  }
  for (int s = 1; s <= records.preparedStageCount; ++s) {
    const long long stagePar = par(records.preparedStages[s]);
    const long long best = records.bestMoves[s];
    // A stored 0 is no record, unless the stage starts solved.
    const bool hasResult = best > 0 || stagePar == 0;
    out << Row(std::to_string(s), hasResult ? std::to_string(best) : "-", std::to_string(stagePar),
               hasResult ? Ratio(best, stagePar) : "-");
    if (hasResult) {
      ++prepared.withResult;
      prepared.moves += best;
      prepared.par += stagePar;
    }
  }

  Totals random;
  out << "\nArchived random stages\n";
  if (records.randomStageCount == 0) {
    out << "  none yet\n";
  } else {
    out << Row("entry", "moves", "par", "moves/par");
  }
  for (int i = 1; i <= records.randomStageCount; ++i) {
    const long long stagePar = par(records.randomStages[i]);
    const long long moves = records.randomRecordMoves[i];
    out << Row(std::to_string(i), std::to_string(moves), std::to_string(stagePar),
               Ratio(moves, stagePar));
    ++random.withResult;
    random.moves += moves;
    random.par += stagePar;
  }

  const auto against = [](const Totals& totals) {
    return Count(totals.moves, "move") + " against a par of " + std::to_string(totals.par) + " (" +
           Ratio(totals.moves, totals.par) + ")";
  };
  out << "\nTotals\n";
  if (prepared.withResult == 0) {
    out << "  no prepared stage has a best yet\n";
  } else {
    out << "  " << prepared.withResult << " of "
        << Count(records.preparedStageCount, "prepared stage")
        << (prepared.withResult == 1 ? " has" : " have") << " a best: " << against(prepared)
        << "\n";
  }
  if (random.withResult == 0) {
    out << "  no random stage archived yet\n";
  } else {
    out << "  " << Count(random.withResult, "archived random stage") << ": " << against(random);
    if (records.randomBest != kNoRandomBest) {
      out << "; your best: " << Count(records.randomBest, "move");
    }
    out << "\n";
  }
  return kExitOk;
}

}  // namespace kelvora::stages
