// Tests that the solver's moves are exactly the core game's clicks.
#include <gtest/gtest.h>

#include <random>

#include "core/Game.h"
#include "core/NullScreen.h"
#include "solver/MoveRules.h"
#include "support/ScriptedRandom.h"

// The solver's moves are the game's: from thousands of positions, every one of the twenty clicks
// is accepted by the core exactly when the solver calls it legal, and leaves the same board.

namespace kelvora::testing {
namespace {

using solver::Move;
using solver::Position;

// The board after clicking letter in the core game on position; nullopt when the game refuses.
std::optional<StageGrid> CoreClick(Position position, char letter) {
  NullScreen screen;
  ScriptedRandom random;
  Game game(screen, random);
  game.Form_Load();
  game.State().board.SetField(position.ToGrid());
  game.State().gameActive = 1;
  if (letter <= 'P') {
    game.Image1_Click(static_cast<std::int16_t>(letter - 'A'));
  } else {
    game.Label2_Click(static_cast<std::int16_t>(letter - 'Q'));
  }
  // A move that completes the stage resets the count and ends the game.
  if (game.State().moveCount == 0 && game.State().gameActive == 1) return std::nullopt;
  return game.State().board.Field();
}

bool IsLegal(Position position, Move move) {
  const solver::MoveList moves = solver::LegalMoves(position.BlankCell());
  for (int m = 0; m < moves.count; ++m) {
    if (moves.moves[m] == move) return true;
  }
  return false;
}

TEST(MoveRules, EveryClickMatchesTheCoreGame) {
  std::mt19937_64 engine(11);
  Position position = Position::Goal();
  for (int step = 0; step < 400; ++step) {
    const int blank = position.BlankCell();
    for (Move move = 0; move < solver::kMoveKinds; ++move) {
      const auto core = CoreClick(position, solver::Letter(move));
      ASSERT_EQ(core.has_value(), IsLegal(position, move))
          << "move " << solver::Letter(move) << " with the blank at " << blank;
      if (!core) continue;
      const Position after = solver::Apply(position, move, blank);
      ASSERT_EQ(after.ToGrid(), *core) << solver::Letter(move);
      EXPECT_EQ(solver::BlankAfter(move, blank), after.BlankCell()) << solver::Letter(move);
      const Move undo = solver::Inverse(move, blank);
      EXPECT_EQ(solver::Apply(after, undo, after.BlankCell()), position) << solver::Letter(move);
    }
    const solver::MoveList moves = solver::LegalMoves(blank);
    position = solver::Apply(position, moves.moves[engine() % moves.count], blank);
  }
}

TEST(MoveRules, LettersRoundTripAndOnlyAToTAreMoves) {
  for (Move move = 0; move < solver::kMoveKinds; ++move) {
    EXPECT_EQ(solver::MoveFromLetter(solver::Letter(move)), move);
  }
  EXPECT_FALSE(solver::MoveFromLetter('U').has_value());
  EXPECT_FALSE(solver::MoveFromLetter('a').has_value());
  EXPECT_FALSE(solver::MoveFromLetter('@').has_value());
}

TEST(MoveRules, ARowRotatedFourTimesIsBackWhereItStarted) {
  Position position = Position::Goal();
  for (Move rotation : {solver::kRow1Right, solver::kRow4Left}) {
    Position turned = position;
    for (int i = 0; i < 3; ++i) {
      turned = solver::Apply(turned, rotation, turned.BlankCell());
      EXPECT_NE(turned, position);
    }
    EXPECT_EQ(solver::Apply(turned, rotation, turned.BlankCell()), position);
  }
}

}  // namespace
}  // namespace kelvora::testing
