// The texts generate writes: the prepared-stage file, and the list of each stage's par and moves.
#pragma once

#include <string>
#include <vector>

#include "core/Position.h"

namespace kelvora::stages {

// The number of stages, then each stage's 16 codes in stage-file order, written by the game's
// own data-file writer.
std::string StageFileText(const std::vector<Position>& stages);

// One line a stage: its par, a blank, and an optimal solution in move letters.
std::string SolutionsText(const std::vector<std::string>& solutions);

}  // namespace kelvora::stages
