// Stage making: random walks for near pars, random arrangements for far ones.
#include "solver/StageGenerator.h"

#include <cstddef>
#include <stdexcept>
#include <string>

#include "solver/MoveRules.h"

// Near pars come from random walks from the goal that never undo their last move. A move changes
// the distance to the goal by at most one, so once a walk is par moves long, checking the distance
// after every further move is bound to meet par exactly before it could pass it. Walks drift
// outwards slowly, though, so far pars come from random arrangements of the tiles instead, which
// mostly lie 45 to 55 moves out.

namespace kelvora::solver {

namespace {
// A walk that wanders this long without reaching par is abandoned and another one started.
constexpr int kWalkLimit = 4000;
}  // namespace

StageGenerator::StageGenerator(Solver& solver, std::uint64_t seed)
    : solver_(solver), engine_(seed) {}

PackedPosition StageGenerator::Make(int par) {
  if (par < 1 || par > kMaxPar) {
    throw std::invalid_argument("a par must be 1 to " + std::to_string(kMaxPar));
  }
  for (;;) {
    const PackedPosition stage = par >= kArrangementsFrom ? FromArrangements(par) : FromWalks(par);
    if (made_.insert(stage.Packed()).second) return stage;
  }
}

PackedPosition StageGenerator::FromWalks(int par) {
  for (;;) {
    PackedPosition position = PackedPosition::Goal();
    int blank = position.BlankCell();
    int undo = -1;
    for (int step = 1; step <= kWalkLimit; ++step) {
      const MoveList moves = LegalMoves(blank);
      MoveIndex move;
      do {
        // Plain modulo keeps the walk the same on every standard library.
        move = moves.moves[static_cast<std::size_t>(engine_() %
                                                    static_cast<std::uint64_t>(moves.count))];
      } while (move == undo);
      undo = Inverse(move, blank);
      position = Apply(position, move, blank);
      blank = BlankAfter(move, blank);
      if (step < par) continue;
      // The distance cannot be above par here, so a lower bound of par settles it at once.
      if (solver_.LowerBound(position) == par ||
          static_cast<int>(solver_.Solve(position).size()) == par) {
        return position;
      }
    }
  }
}

PackedPosition StageGenerator::FromArrangements(int par) {
  for (;;) {
    // Fisher-Yates over the goal's tiles: every arrangement is a position the game can solve.
    std::array<int, kCellCount> codes = Position::Goal().Codes();
    for (int cell = kCellCount - 1; cell > 0; --cell) {
      std::swap(codes[cell],
                codes[static_cast<std::size_t>(engine_() % static_cast<std::uint64_t>(cell + 1))]);
    }
    const PackedPosition position = PackedPosition::From(Position::FromCodes(codes));
    // A bound above par rules a position out without a search.
    if (solver_.LowerBound(position) <= par &&
        static_cast<int>(solver_.Solve(position).size()) == par) {
      return position;
    }
  }
}

}  // namespace kelvora::solver
