// Plain ASCII decimals with CR LF endings, the line format the game's stage reader expects.
#include "solver/cli/StageFile.h"

namespace kelvora::stages {

std::string StageFileText(const std::vector<solver::Position>& stages) {
  std::string text = std::to_string(stages.size()) + "\r\n";
  for (const solver::Position& stage : stages) {
    for (int cell = 0; cell < solver::kCellCount; ++cell) {
      text += std::to_string(stage.Code(cell)) + "\r\n";
    }
  }
  return text;
}

}  // namespace kelvora::stages
