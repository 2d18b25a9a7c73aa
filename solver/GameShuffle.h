// Stages made the way the game makes random ones: swaps of two cells, starting from the goal.
#pragma once

#include <random>

#include "solver/PackedPosition.h"

namespace kelvora::solver {

// Each swap picks both cells uniformly from tile indices 0..14 (a cell may be swapped with
// itself), so the cell at column 4, row 4 never moves.
PackedPosition ShuffleLikeTheGame(std::mt19937_64& engine, int swaps = 100);

}  // namespace kelvora::solver
