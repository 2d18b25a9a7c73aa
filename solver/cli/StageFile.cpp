// Stage files in the game's layout, through the game's own writer.
#include "solver/cli/StageFile.h"

#include "modes/DataFileWriter.h"

namespace kelvora::stages {

std::string StageFileText(const std::vector<solver::Position>& stages) {
  DataFileWriter writer;
  writer.WriteNumber(static_cast<std::int32_t>(stages.size()));
  for (const solver::Position& stage : stages) {
    for (int cell = 0; cell < solver::kCellCount; ++cell) writer.WriteNumber(stage.Code(cell));
  }
  return writer.Text();
}

std::string SolutionsText(const std::vector<std::string>& solutions) {
  std::string text;
  for (const std::string& solution : solutions) {
    text += std::to_string(solution.size()) + " " + solution + "\n";
  }
  return text;
}

}  // namespace kelvora::stages
