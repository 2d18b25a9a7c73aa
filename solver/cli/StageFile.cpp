// Stage files in the game's layout, through the records library's own writer.
#include "solver/cli/StageFile.h"

#include "records/DataFileWriter.h"

namespace kelvora::stages {

std::string StageFileText(const std::vector<Position>& stages) {
  DataFileWriter writer;
  writer.WriteNumber(static_cast<int>(stages.size()));
  for (const Position& stage : stages) {
    for (int code : stage.Codes()) writer.WriteNumber(code);
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
