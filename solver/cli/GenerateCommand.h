// `kelvora-stages generate`: a prepared-stage set whose stages have the optimal lengths asked for.
#pragma once

#include <optional>
#include <vector>

#include "solver/cli/Command.h"
#include "solver/cli/OptionReader.h"

namespace kelvora::stages {

class GenerateCommand final : public Command {
 public:
  static constexpr int kMaxCount = 1000;

  std::string Name() const override { return "generate"; }
  std::string Summary() const override;
  std::string Help() const override;
  int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) override;

  // The pars the options ask for, in stage order; nullopt (and the reader's or problem's
  // complaint) when they make no sense.
  static std::optional<std::vector<int>> Pars(OptionReader& options, std::string& problem);
};

}  // namespace kelvora::stages
