// Dispatch by the first argument, parsed by CLI11; the list of commands lives in MakeStagesTool
// only.
#include "solver/cli/CommandLine.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <utility>

#include "solver/cli/CheckCommand.h"
#include "solver/cli/GenerateCommand.h"
#include "solver/cli/ReportCommand.h"
#include "solver/cli/SolveCommand.h"
#include "text/ToolText.h"

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
  std::string help = text::stages::kToolHelpHead;
  std::size_t width = 0;
  for (const auto& command : commands_) width = std::max(width, command->Name().size());
  for (const auto& command : commands_) {
    help += "  " + command->Name() + std::string(width - command->Name().size() + 2, ' ') +
            command->Summary() + "\n";
  }
  return help + text::stages::kToolHelpTail;
}

int CommandLine::Run(const std::vector<std::string>& args, std::ostream& out,
                     std::ostream& err) const {
  if (args.empty()) {
    err << Help();
    return kExitUsage;
  }
  // The tool's words for help and errors, CLI11 for the parse: a command takes everything after
  // its name as its own arguments.
  CLI::App tool;
  tool.set_help_flag();
  bool help = false;
  tool.add_flag("-h,--help", help);
  tool.require_subcommand(0, 1);
  std::vector<std::pair<CLI::App*, Command*>> named;
  for (const auto& command : commands_) {
    named.emplace_back(tool.add_subcommand(command->Name())->prefix_command(), command.get());
  }
  CLI::App* helpCommand = tool.add_subcommand("help")->prefix_command();
  std::vector<std::string> reversed(args.rbegin(), args.rend());
  try {
    tool.parse(reversed);
  } catch (const CLI::ParseError& error) {
    Command* first = Find(args[0]);
    err << (first != nullptr ? text::stages::ToolSays(first->Name(), error.what())
                             : text::stages::ToolSays("", text::stages::UnknownCommand(args[0])));
    return kExitUsage;
  }
  Command* chosen = nullptr;
  std::vector<std::string> rest;
  for (const auto& [subcommand, command] : named) {
    if (subcommand->parsed()) {
      chosen = command;
      rest = subcommand->remaining();
    }
  }
  if (help || helpCommand->parsed()) {
    if (chosen == nullptr && !helpCommand->remaining().empty()) {
      chosen = Find(helpCommand->remaining().front());
    }
    out << (chosen != nullptr ? chosen->Help() : Help());
    return kExitOk;
  }
  if (chosen == nullptr) {
    err << Help();
    return kExitUsage;
  }
  if (std::find(rest.begin(), rest.end(), "--help") != rest.end()) {
    out << chosen->Help();
    return kExitOk;
  }
  return chosen->Run(rest, out, err);
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
