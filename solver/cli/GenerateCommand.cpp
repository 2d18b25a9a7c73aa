// The generate command: options, stage making, verification and the stage file.
#include "solver/cli/GenerateCommand.h"

#include <cmath>
#include <fstream>
#include <limits>

#include "core/HistoryReplay.h"
#include "solver/StageGenerator.h"
#include "solver/cli/SolverSession.h"
#include "solver/cli/StageFile.h"

// Each stage is solved again and replayed through the game's own moves before it is written:
// a stage file never holds a par that has not been proven.

namespace kelvora::stages {

namespace {

std::optional<std::vector<int>> ParList(const std::string& text, std::string& problem) {
  std::vector<int> pars;
  std::size_t start = 0;
  for (;;) {
    const std::size_t comma = text.find(',', start);
    const std::string value = text.substr(start, comma - start);
    int par = 0;
    std::size_t used = 0;
    try {
      par = std::stoi(value, &used);
    } catch (const std::exception&) {
      used = 0;
    }
    if (value.empty() || used != value.size() || par < 1 || par > solver::StageGenerator::kMaxPar) {
      problem = "--pars: '" + value + "' is not a par from 1 to " +
                std::to_string(solver::StageGenerator::kMaxPar);
      return std::nullopt;
    }
    pars.push_back(par);
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  if (pars.size() > static_cast<std::size_t>(GenerateCommand::kMaxCount)) {
    problem = "--pars: at most " + std::to_string(GenerateCommand::kMaxCount) + " stages";
    return std::nullopt;
  }
  return pars;
}

bool WriteFile(const std::string& path, const std::string& text) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file << text;
  return static_cast<bool>(file.flush());
}

}  // namespace

std::string GenerateCommand::Summary() const {
  return "make a prepared-stage set with chosen optimal lengths";
}

std::string GenerateCommand::Help() const {
  return "Usage: kelvora-stages generate (--pars LIST | --count N --max-par M [--min-par K])\n"
         "                              [--seed S] [--out FILE] [--tables full|small]\n"
         "\n"
         "Makes one stage for each par asked for, in that order, each verified to need exactly\n"
         "its par in moves. The same options and seed always make the same stages.\n"
         "\n"
         "  --pars LIST       comma-separated pars, each 1 to 60, e.g. 1,2,3,10,20; with the\n"
         "                    full tables a par up to 50 takes a second or two, 55 a few\n"
         "                    seconds, 58 and over a minute or more (such positions are rare)\n"
         "  --count N         N stages (1 to 1000) with pars spread evenly from K to M,\n"
         "  --max-par M       lowest first\n"
         "  --min-par K       default 1\n"
         "  --seed S          a whole number, default 1\n"
         "  --out FILE        write the stage file there instead of to standard output\n"
         "  --solutions FILE  also write each stage's par and an optimal solution, a line each\n"
         "  --tables full|small  as for solve; small is only quick for pars up to about 15\n"
         "\n"
         "The stage file: the number of stages on the first line, then each stage's 16 codes\n"
         "in stage-file order, one a line; lines end CR LF.\n"
         "\n"
         "Exit status: 0 written, 1 the file could not be written, 2 bad arguments.\n";
}

std::optional<std::vector<int>> GenerateCommand::Pars(OptionReader& options, std::string& problem) {
  const int maxPar = solver::StageGenerator::kMaxPar;
  const auto list = options.Value("pars");
  const auto count = options.Number("count", 1, kMaxCount);
  const auto top = options.Number("max-par", 1, maxPar);
  const auto bottom = options.Number("min-par", 1, maxPar);
  if (!options.Problem().empty()) {
    problem = options.Problem();
    return std::nullopt;
  }
  if (list) {
    if (count || top || bottom) {
      problem = "--pars cannot be combined with --count, --max-par or --min-par";
      return std::nullopt;
    }
    return ParList(*list, problem);
  }
  if (!count || !top) {
    problem = "give --pars, or --count and --max-par";
    return std::nullopt;
  }
  const long long low = bottom.value_or(1);
  if (low > *top) {
    problem = "--min-par is above --max-par";
    return std::nullopt;
  }
  std::vector<int> pars;
  for (long long i = 0; i < *count; ++i) {
    const double share =
        *count == 1 ? 1.0 : static_cast<double>(i) / static_cast<double>(*count - 1);
    pars.push_back(static_cast<int>(
        std::lround(static_cast<double>(low) + share * static_cast<double>(*top - low))));
  }
  return pars;
}

int GenerateCommand::Run(const std::vector<std::string>& args, std::ostream& out,
                         std::ostream& err) {
  OptionReader options(
      args, {"pars", "count", "max-par", "min-par", "seed", "out", "solutions", "tables"});
  std::string problem = options.Problem();
  std::optional<std::vector<int>> pars;
  if (problem.empty()) pars = Pars(options, problem);
  const auto seed = options.Number("seed", 0, std::numeric_limits<long long>::max());
  if (problem.empty()) problem = options.Problem();
  const auto tables = TableSizeNamed(options.Value("tables").value_or("full"));
  if (problem.empty() && !tables) problem = "--tables must be full or small";
  if (problem.empty() && !options.Plain().empty()) {
    problem = "unexpected argument '" + options.Plain()[0] + "'";
  }
  if (!problem.empty()) {
    err << "kelvora-stages generate: " << problem << "\n";
    return kExitUsage;
  }

  SolverSession session(*tables, err);
  solver::StageGenerator generator(session.Get(), static_cast<std::uint64_t>(seed.value_or(1)));
  std::vector<solver::Position> stages;
  std::vector<std::string> solutions;
  for (int par : *pars) {
    const solver::Position stage = generator.Make(par);
    const std::string solution = session.Get().Solve(stage);
    const ReplayResult replay = ReplayHistory(stage.ToGrid(), solution);
    if (static_cast<int>(solution.size()) != par || !replay.solved) {
      err << "kelvora-stages generate: a stage for par " << par << " did not verify: "
          << (replay.solved ? "its optimal length is " + std::to_string(solution.size())
                            : replay.problem)
          << "\n";
      return kExitFailed;
    }
    stages.push_back(stage);
    solutions.push_back(solution);
  }

  const std::string text = StageFileText(stages);
  if (const auto path = options.Value("solutions")) {
    if (!WriteFile(*path, SolutionsText(solutions))) {
      err << "kelvora-stages generate: cannot write " << *path << "\n";
      return kExitFailed;
    }
  }
  if (const auto path = options.Value("out")) {
    if (!WriteFile(*path, text)) {
      err << "kelvora-stages generate: cannot write " << *path << "\n";
      return kExitFailed;
    }
  } else {
    out << text;
  }
  return kExitOk;
}

}  // namespace kelvora::stages
