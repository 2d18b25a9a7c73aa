// The tool's entry: picks the command named first, and answers --help for itself and each command.
#pragma once

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "solver/cli/Command.h"

namespace kelvora::stages {

class CommandLine {
 public:
  void Add(std::unique_ptr<Command> command);
  // args excludes the tool's name.
  int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) const;
  std::string Help() const;

 private:
  Command* Find(const std::string& name) const;

  std::vector<std::unique_ptr<Command>> commands_;
};

// The tool with all its commands.
CommandLine MakeStagesTool();

}  // namespace kelvora::stages
