// The swaps of a shuffle, and the two ways of drawing their cells.
#include "core/Shuffle.h"

#include <algorithm>
#include <cmath>

namespace kelvora {

Position Shuffle(const Position& from, const CellDraw& draw, int swaps) {
  Position position = from;
  for (int swap = 0; swap < swaps; ++swap) {
    const int first = draw();
    const int second = draw();
    position.Swap(CellAt(first), CellAt(second));
  }
  return position;
}

CellDraw CellDrawFrom(RandomSource& random) {
  return [&random] {
    const double draw = std::floor(random.NextUnit() * kShuffledCells);
    // A generator that strays outside [0, 1) must still not reach the last cell or leave the
    // board.
    return std::clamp(static_cast<int>(draw), 0, kShuffledCells - 1);
  };
}

CellDraw CellDrawFrom(std::mt19937_64& engine) {
  return
      [&engine] { return static_cast<int>(engine() % static_cast<std::uint64_t>(kShuffledCells)); };
}

}  // namespace kelvora
