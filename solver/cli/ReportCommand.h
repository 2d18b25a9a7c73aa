// `kelvora-stages report FOLDER`: the player's records set against the optimal solutions.
#pragma once

#include "solver/cli/Command.h"

namespace kelvora::stages {

class ReportCommand final : public Command {
 public:
  std::string Name() const override { return "report"; }
  std::string Summary() const override;
  std::string Help() const override;
  int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) override;
};

}  // namespace kelvora::stages
