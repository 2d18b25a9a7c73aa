// The list generate writes beside the stage file: each stage's par and moves.
#pragma once

#include <string>
#include <vector>

namespace kelvora::stages {

// One line a stage: its par, a blank, and an optimal solution in move letters.
std::string SolutionsText(const std::vector<std::string>& solutions);

}  // namespace kelvora::stages
