// Makes prepared stages by walking away from the goal with the game's own moves, so every stage
// comes with a solution: the walk taken back.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/StageGrid.h"

namespace kelvora {

struct ScrambledStage {
  StageGrid position{};
  // Move letters that solve the stage: the scramble undone, last move first.
  std::string solution;
};

// One stage per entry of walkLengths, each a walk of that many moves from the goal that never
// visits a position twice. The same seed always gives the same stages.
std::vector<ScrambledStage> ScrambleStages(std::uint32_t seed, const std::vector<int>& walkLengths);

// The walk lengths of the stage set first delivered: 30 stages from 1 move to several dozen.
std::vector<int> DeliveredWalkLengths();
constexpr std::uint32_t kDeliveredSeed = 20261207;

}  // namespace kelvora
