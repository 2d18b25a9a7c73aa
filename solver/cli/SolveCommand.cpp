// Everything about the position is checked before any table is loaded, so a typo costs nothing.
#include "solver/cli/SolveCommand.h"

#include "solver/cli/CodesArgument.h"
#include "solver/cli/OptionReader.h"
#include "solver/cli/SolverSession.h"
#include "text/ToolText.h"

namespace kelvora::stages {

std::string SolveCommand::Summary() const {
  return text::stages::kSolveSummary;
}

std::string SolveCommand::Help() const {
  return text::stages::kSolveHelp;
}

int SolveCommand::Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  OptionReader options(args, {"tables"});
  std::string problem = options.Problem();
  if (problem.empty() && options.Plain().size() != 1) {
    problem = text::stages::OneCodesArgument(static_cast<long long>(options.Plain().size()));
  }
  const auto tables = TableSizeNamed(options.Value("tables").value_or("full"));
  if (problem.empty() && !tables) problem = text::stages::kTablesFullOrSmall;
  if (!problem.empty()) {
    err << text::stages::ToolSays(Name(), problem);
    return kExitUsage;
  }
  const Result<solver::PackedPosition> position = ReadCodes(options.Plain()[0]);
  if (!position) {
    err << text::stages::ToolSays(Name(), position.status().English());
    return kExitUsage;
  }
  SolverSession session(*tables, err);
  const std::string letters = session.Get().Solve(*position);
  out << letters.size() << "\n" << letters << "\n";
  return kExitOk;
}

}  // namespace kelvora::stages
