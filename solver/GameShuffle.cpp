// Plain modulo on the engine's output keeps a seed's stages the same on every standard library.
#include "solver/GameShuffle.h"

namespace kelvora::solver {

namespace {
// The game draws both cells of a swap from every cell but the last.
constexpr std::uint64_t kDrawnCells = kCellCount - 1;
}  // namespace

PackedPosition ShuffleLikeTheGame(std::mt19937_64& engine, int swaps) {
  Position position = Position::Goal();
  for (int swap = 0; swap < swaps; ++swap) {
    const int first = static_cast<int>(engine() % kDrawnCells);
    const int second = static_cast<int>(engine() % kDrawnCells);
    position.Swap(CellAt(first), CellAt(second));
  }
  return PackedPosition::From(position);
}

}  // namespace kelvora::solver
