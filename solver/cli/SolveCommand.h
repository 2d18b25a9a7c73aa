// `kelvora-stages solve CODES`: the optimal number of moves for a position, and the moves.
#pragma once

#include "solver/cli/Command.h"

namespace kelvora::stages {

class SolveCommand final : public Command {
 public:
  std::string Name() const override { return "solve"; }
  std::string Summary() const override;
  std::string Help() const override;
  int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) override;
};

}  // namespace kelvora::stages
