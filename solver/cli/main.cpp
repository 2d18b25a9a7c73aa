// kelvora-stages: the command-line companion for prepared stages.
#include <iostream>
#include <string>
#include <vector>

#include "solver/cli/CommandLine.h"
#include "text/ToolText.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  try {
    return kelvora::stages::MakeStagesTool().Run(args, std::cout, std::cerr);
  } catch (const std::exception& error) {
    std::cerr << kelvora::text::stages::ToolSays("", error.what());
    return kelvora::stages::kExitFailed;
  }
}
