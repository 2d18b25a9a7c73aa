// One command of kelvora-stages: its name, its help, and what it does with its arguments.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace kelvora::stages {

// 0 done, 1 it could not be done (a file could not be written), 2 the arguments are wrong.
constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

class Command {
 public:
  virtual ~Command() = default;
  virtual std::string Name() const = 0;
  // One line for the tool's own help.
  virtual std::string Summary() const = 0;
  // The command's usage and options, for `kelvora-stages COMMAND --help`.
  virtual std::string Help() const = 0;
  // args excludes the tool's and the command's names.
  virtual int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) = 0;
};

}  // namespace kelvora::stages
