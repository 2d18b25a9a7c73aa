// The fewest moves of each prepared stage the game is delivered with, known from the solutions
// that prove them.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/Position.h"

namespace kelvora {

// The par of the stage that starts at start, when it is one of the delivered stages; nullopt for
// any other, such as a stage the player wrote into the stage file.
std::optional<int> DeliveredPar(const Position& start);

struct DeliveredSolution {
  Position start;
  // The game's move letters of a shortest solution.
  std::string letters;
};
// A shortest solution of every delivered stage, in the stage file's order.
const std::vector<DeliveredSolution>& DeliveredSolutions();

}  // namespace kelvora
