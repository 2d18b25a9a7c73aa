// `kelvora-stages check FOLDER`: is every data file sound, and does every stored record hold?
#pragma once

#include "solver/cli/Command.h"

namespace kelvora::stages {

class CheckCommand final : public Command {
 public:
  std::string Name() const override { return "check"; }
  std::string Summary() const override;
  std::string Help() const override;
  int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) override;
};

}  // namespace kelvora::stages
