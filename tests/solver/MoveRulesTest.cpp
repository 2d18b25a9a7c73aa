// Tests that the solver's packed moves are exactly the core's rules.
#include <gtest/gtest.h>

#include <random>
#include <set>

#include "core/Rules.h"
#include "solver/MoveRules.h"

// The solver's moves are the game's: from two thousand positions, each of the twenty moves is
// allowed by the core's Apply exactly when the solver calls it legal, and leaves the same board.

namespace kelvora::testing {
namespace {

using solver::MoveIndex;
using solver::PackedPosition;

bool IsLegal(int blankCell, MoveIndex move) {
  const solver::MoveList moves = solver::LegalMoves(blankCell);
  for (int m = 0; m < moves.count; ++m) {
    if (moves.moves[m] == move) return true;
  }
  return false;
}

TEST(MoveRules, EveryMoveMatchesTheCoreRules) {
  std::mt19937_64 engine(11);
  PackedPosition position = PackedPosition::Goal();
  std::set<int> blankCells;
  for (int step = 0; step < 2000; ++step) {
    const int blank = position.BlankCell();
    blankCells.insert(blank);
    for (int index = 0; index < Move::kKinds; ++index) {
      const auto move = static_cast<MoveIndex>(index);
      const char letter = Move::FromIndex(index).Letter();
      const std::optional<Position> core = Apply(position.ToPosition(), Move::FromIndex(index));
      ASSERT_EQ(core.has_value(), IsLegal(blank, move))
          << "move " << letter << " with the blank at " << blank;
      if (!core) continue;
      const PackedPosition after = solver::Apply(position, move, blank);
      ASSERT_EQ(after.ToPosition(), *core) << letter;
      EXPECT_EQ(solver::BlankAfter(move, blank), after.BlankCell()) << letter;
      const MoveIndex undo = solver::Inverse(move, blank);
      EXPECT_EQ(solver::Apply(after, undo, after.BlankCell()), position) << letter;
    }
    const solver::MoveList moves = solver::LegalMoves(blank);
    position = solver::Apply(position, moves.moves[engine() % moves.count], blank);
  }
  // The walk must have tried the moves with the blank in every cell, edges and corners too.
  EXPECT_EQ(blankCells.size(), static_cast<std::size_t>(kCellCount));
}

TEST(MoveRules, ARowRotatedFourTimesIsBackWhereItStarted) {
  const PackedPosition position = PackedPosition::Goal();
  for (MoveIndex rotation : {solver::kRow1Right, solver::kRow4Left}) {
    PackedPosition turned = position;
    for (int i = 0; i < 3; ++i) {
      turned = solver::Apply(turned, rotation, turned.BlankCell());
      EXPECT_NE(turned, position);
    }
    EXPECT_EQ(solver::Apply(turned, rotation, turned.BlankCell()), position);
  }
}

}  // namespace
}  // namespace kelvora::testing
