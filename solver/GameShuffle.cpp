// Plain modulo on the engine's output keeps a seed's stages the same on every standard library.
#include "solver/GameShuffle.h"

namespace kelvora::solver {

Position ShuffleLikeTheGame(std::mt19937_64& engine, int swaps) {
  Position position = Position::Goal();
  for (int swap = 0; swap < swaps; ++swap) {
    const int first = static_cast<int>(engine() % 15);
    const int second = static_cast<int>(engine() % 15);
    const int code = position.Code(first);
    position.SetCode(first, position.Code(second));
    position.SetCode(second, code);
  }
  return position;
}

}  // namespace kelvora::solver
