// Dispatch by the first argument; the list of commands lives in MakeStagesTool only.
#include "solver/cli/CommandLine.h"

#include <algorithm>

#include "solver/cli/CheckCommand.h"
#include "solver/cli/GenerateCommand.h"
#include "solver/cli/ReportCommand.h"
#include "solver/cli/SolveCommand.h"

namespace kelvora::stages {

void CommandLine::Add(std::unique_ptr<Command> command) {
  commands_.push_back(std::move(command));
}

Command* CommandLine::Find(const std::string& name) const {
  for (const auto& command : commands_) {
    if (command->Name() == name) return command.get();
  }
  return nullptr;
}

std::string CommandLine::Help() const {
  std::string text =
      "Usage: kelvora-stages COMMAND [ARGUMENTS]\n"
      "Prepared stages and their optimal solutions.\n\nCommands:\n";
  std::size_t width = 0;
  for (const auto& command : commands_) width = std::max(width, command->Name().size());
  for (const auto& command : commands_) {
    text += "  " + command->Name() + std::string(width - command->Name().size() + 2, ' ') +
            command->Summary() + "\n";
  }
  text +=
      "\n'kelvora-stages COMMAND --help' describes a command.\n"
      "Solver tables are cached in $KELVORA_CACHE_DIR, else $XDG_CACHE_HOME/kelvora, else\n"
      "~/.cache/kelvora. The first run builds them: about 260 MB, in about a minute and a half\n"
      "on two cores or three on one (longer while other programs keep the processor busy).\n"
      "For a quick try, --tables small builds small tables in a moment.\n";
  return text;
}

int CommandLine::Run(const std::vector<std::string>& args, std::ostream& out,
                     std::ostream& err) const {
  if (args.empty()) {
    err << Help();
    return kExitUsage;
  }
  if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
    Command* command = args.size() > 1 ? Find(args[1]) : nullptr;
    out << (command != nullptr ? command->Help() : Help());
    return kExitOk;
  }
  Command* command = Find(args[0]);
  if (command == nullptr) {
    err << "kelvora-stages: unknown command '" << args[0] << "' (see kelvora-stages --help)\n";
    return kExitUsage;
  }
  const std::vector<std::string> rest(args.begin() + 1, args.end());
  if (std::find(rest.begin(), rest.end(), "--help") != rest.end()) {
    out << command->Help();
    return kExitOk;
  }
  return command->Run(rest, out, err);
}

CommandLine MakeStagesTool() {
  CommandLine tool;
  tool.Add(std::make_unique<SolveCommand>());
  tool.Add(std::make_unique<GenerateCommand>());
  tool.Add(std::make_unique<CheckCommand>());
  tool.Add(std::make_unique<ReportCommand>());
  return tool;
}

}  // namespace kelvora::stages
