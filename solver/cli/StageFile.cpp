// The list of pars and solutions that generate writes.
#include "solver/cli/StageFile.h"

namespace kelvora::stages {

std::string SolutionsText(const std::vector<std::string>& solutions) {
  std::string text;
  for (const std::string& solution : solutions) {
    text += std::to_string(solution.size()) + " " + solution + "\n";
  }
  return text;
}

}  // namespace kelvora::stages
