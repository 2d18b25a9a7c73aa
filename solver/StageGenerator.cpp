// A random walk from the goal that never undoes its last move. A move changes the distance to the
// goal by at most one, so once the walk is par moves long, checking the distance after every
// further move is bound to meet par exactly before it could pass it.
#include "solver/StageGenerator.h"

#include <stdexcept>
#include <string>

#include "solver/MoveRules.h"

namespace kelvora::solver {

namespace {
// A walk that wanders this long without reaching par is abandoned and another one started.
constexpr int kWalkLimit = 4000;
}  // namespace

StageGenerator::StageGenerator(Solver& solver, std::uint64_t seed)
    : solver_(solver), engine_(seed) {}

Position StageGenerator::Make(int par) {
  if (par < 1 || par > kMaxPar) {
    throw std::invalid_argument("a par must be 1 to " + std::to_string(kMaxPar));
  }
  for (;;) {
    Position position = Position::Goal();
    int blank = position.BlankCell();
    int undo = -1;
    for (int step = 1; step <= kWalkLimit; ++step) {
      const MoveList moves = LegalMoves(blank);
      Move move;
      do {
        // Plain modulo keeps the walk the same on every standard library.
        move = moves.moves[engine_() % static_cast<std::uint64_t>(moves.count)];
      } while (move == undo);
      undo = Inverse(move, blank);
      position = Apply(position, move, blank);
      blank = BlankAfter(move, blank);
      if (step < par) continue;
      // The distance cannot be above par here, so a lower bound of par settles it at once.
      const bool atPar = solver_.LowerBound(position) == par ||
                         static_cast<int>(solver_.Solve(position).size()) == par;
      if (atPar) {
        if (made_.insert(position.Packed()).second) return position;
        break;
      }
    }
  }
}

}  // namespace kelvora::solver
