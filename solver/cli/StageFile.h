// The text of a prepared-stage file.
#pragma once

#include <string>
#include <vector>

#include "solver/Position.h"

namespace kelvora::stages {

// The number of stages, then each stage's 16 codes in stage-file order, one value a line, every
// line ending CR LF.
std::string StageFileText(const std::vector<solver::Position>& stages);

}  // namespace kelvora::stages
