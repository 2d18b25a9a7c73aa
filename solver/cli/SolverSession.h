// The solver a command works with, its tables loaded for as long as the command runs.
#pragma once

#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "solver/PatternSets.h"
#include "solver/Solver.h"
#include "solver/TableSet.h"

namespace kelvora::stages {

// "full" or "small", as the --tables option spells them.
std::optional<solver::TableSize> TableSizeNamed(const std::string& name);

// The solver a command works with: its tables loaded from the cache the game's hints use (or
// built, with a progress bar on the error stream) and kept for as long as the command runs.
class SolverSession {
 public:
  SolverSession(solver::TableSize size, std::ostream& err);
  solver::Solver& Get() { return *solver_; }

 private:
  solver::TableSet tables_;
  std::unique_ptr<solver::Solver> solver_;
};

}  // namespace kelvora::stages
