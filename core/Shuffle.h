// How a random stage is made, for the game and for the tools alike: swaps of two cells, both
// drawn from every cell but the last, so the cell at column 4, row 4 never moves.
#pragma once

#include <functional>
#include <random>

#include "core/Position.h"
#include "core/RandomSource.h"

namespace kelvora {

constexpr int kShuffleSwaps = 100;
// Cells are drawn by number in tile-index order, 0 up to this (excluded).
constexpr int kShuffledCells = kCellCount - 1;

// Hands out cell numbers 0..kShuffledCells - 1, one a call.
using CellDraw = std::function<int()>;

// from with swaps swaps of two drawn cells (a cell may be swapped with itself), the first cell
// of each swap drawn before the second.
Position Shuffle(const Position& from, const CellDraw& draw, int swaps = kShuffleSwaps);

// The game's draw: the generator's value in [0, 1) scaled to a cell number.
CellDraw CellDrawFrom(RandomSource& random);
// The tools' draw: plain modulo on a seeded engine's output, so that a seed makes the same
// stages on every standard library.
CellDraw CellDrawFrom(std::mt19937_64& engine);

}  // namespace kelvora
