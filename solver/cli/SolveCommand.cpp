// Everything about the position is checked before any table is loaded, so a typo costs nothing.
#include "solver/cli/SolveCommand.h"

#include "solver/cli/CodesArgument.h"
#include "solver/cli/OptionReader.h"
#include "solver/cli/SolverSession.h"

namespace kelvora::stages {

std::string SolveCommand::Summary() const {
  return "print the optimal number of moves for a position, and the moves";
}

std::string SolveCommand::Help() const {
  return "Usage: kelvora-stages solve CODES [--tables full|small]\n"
         "\n"
         "CODES: the 16 tile codes of a position, comma-separated, in stage-file order (column 1\n"
         "top to bottom, then columns 2, 3 and 4); 13 is the blank. For example the goal is\n"
         "  1,2,2,3,4,5,5,6,7,8,8,9,13,10,11,12\n"
         "\n"
         "Prints the optimal number of moves on the first line and the moves on the second, as\n"
         "the letters the game records (A..P: the tile at that index slides, Q/S: row 1\n"
         "right/left, R/T: row 4 right/left).\n"
         "\n"
         "  --tables full|small  full (default): fast everywhere, built once and cached (about\n"
         "                       260 MB; 1.5 minutes on two cores, 3 on one, longer on a busy\n"
         "                       machine); small: built in a moment, fast only near the goal\n"
         "\n"
         "Exit status: 0 solved, 2 a bad position or bad arguments.\n";
}

int SolveCommand::Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  OptionReader options(args, {"tables"});
  std::string problem = options.Problem();
  if (problem.empty() && options.Plain().size() != 1) {
    problem =
        "expected one argument, the 16 tile codes, got " + std::to_string(options.Plain().size());
  }
  const auto tables = TableSizeNamed(options.Value("tables").value_or("full"));
  if (problem.empty() && !tables) problem = "--tables must be full or small";
  CodesReading reading;
  if (problem.empty()) {
    reading = ReadCodes(options.Plain()[0]);
    problem = reading.problem;
  }
  if (!problem.empty()) {
    err << "kelvora-stages solve: " << problem << "\n";
    return kExitUsage;
  }
  SolverSession session(*tables, err);
  const std::string letters = session.Get().Solve(*reading.position);
  out << letters.size() << "\n" << letters << "\n";
  return kExitOk;
}

}  // namespace kelvora::stages
