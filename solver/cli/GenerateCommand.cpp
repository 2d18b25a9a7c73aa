// The generate command: options, stage making, verification and the stage file.
#include "solver/cli/GenerateCommand.h"

#include <cmath>
#include <fstream>
#include <limits>

#include "core/HistoryReplay.h"
#include "core/SolutionList.h"
#include "records/RecordFiles.h"
#include "solver/StageGenerator.h"
#include "solver/cli/SolverSession.h"
#include "text/ToolText.h"

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
      problem = text::stages::NotAPar(value, solver::StageGenerator::kMaxPar);
      return std::nullopt;
    }
    pars.push_back(par);
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  if (pars.size() > static_cast<std::size_t>(GenerateCommand::kMaxCount)) {
    problem = text::stages::TooManyPars(GenerateCommand::kMaxCount);
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
  return text::stages::kGenerateSummary;
}

std::string GenerateCommand::Help() const {
  return text::stages::kGenerateHelp;
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
      problem = text::stages::kParsAlone;
      return std::nullopt;
    }
    return ParList(*list, problem);
  }
  if (!count || !top) {
    problem = text::stages::kParsOrCount;
    return std::nullopt;
  }
  const long long low = bottom.value_or(1);
  if (low > *top) {
    problem = text::stages::kMinParAboveMax;
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
  if (problem.empty() && !tables) problem = text::stages::kTablesFullOrSmall;
  if (problem.empty() && !options.Plain().empty()) {
    problem = text::stages::UnexpectedArgument(options.Plain()[0]);
  }
  if (!problem.empty()) {
    err << text::stages::ToolSays(Name(), problem);
    return kExitUsage;
  }

  SolverSession session(*tables, err);
  solver::StageGenerator generator(session.Get(), static_cast<std::uint64_t>(seed.value_or(1)));
  std::vector<Position> stages;
  std::vector<std::string> solutions;
  for (int par : *pars) {
    const solver::PackedPosition stage = generator.Make(par);
    const std::string solution = session.Get().Solve(stage);
    const ReplayResult replay = ReplayHistory(stage.ToPosition(), solution);
    if (static_cast<int>(solution.size()) != par || !replay.solved) {
      const std::string why =
          replay.solved ? text::stages::OptimalLengthIs(static_cast<long long>(solution.size()))
                        : replay.status.English();
      err << text::stages::ToolSays(Name(), text::stages::ParDidNotVerify(par, why));
      return kExitFailed;
    }
    stages.push_back(stage.ToPosition());
    solutions.push_back(solution);
  }

  const std::string stageFile = RecordFiles::StageFileText(stages);
  if (const auto path = options.Value("solutions")) {
    if (!WriteFile(*path, SolutionListText(solutions))) {
      err << text::stages::ToolSays(Name(), text::stages::CannotWrite(*path));
      return kExitFailed;
    }
  }
  if (const auto path = options.Value("out")) {
    if (!WriteFile(*path, stageFile)) {
      err << text::stages::ToolSays(Name(), text::stages::CannotWrite(*path));
      return kExitFailed;
    }
  } else {
    out << stageFile;
  }
  return kExitOk;
}

}  // namespace kelvora::stages
