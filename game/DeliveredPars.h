// The fewest moves of each prepared stage the game is delivered with, known from the solutions
// that prove them.
#pragma once

#include <optional>

#include "core/Position.h"

namespace kelvora {

// The par of the stage that starts at start, when it is one of the delivered stages; nullopt for
// any other, such as a stage the player wrote into the stage file.
std::optional<int> DeliveredPar(const Position& start);

}  // namespace kelvora
