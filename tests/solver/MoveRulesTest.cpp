// Tests that the solver's packed moves are exactly the core's rules, and mirror as they should.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <random>
#include <set>
#include <utility>
#include <vector>

#include "core/Rules.h"
#include "solver/Mirror.h"
#include "solver/MoveOrder.h"
#include "solver/MoveRules.h"

// The solver's moves are the game's: from two thousand positions, each of the twenty moves is
// allowed by the core's Apply exactly when the solver calls it legal, and leaves the same board.
// The mirror the solver looks its tables up in is a symmetry of those moves.

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

// The mirror must be an exact symmetry of the rules, or the bound it gives could overshoot: the
// goal is its own mirror, mirroring twice changes nothing, and a mirrored move made on the mirrored
// board leaves the mirror of what the move leaves, from positions all over the board.
TEST(Mirror, KeepsTheGoalAndMirrorsEveryMove) {
  const PackedPosition goal = PackedPosition::Goal();
  EXPECT_EQ(solver::Mirror(goal), goal);
  std::mt19937_64 engine(5);
  PackedPosition position = goal;
  int changed = 0;
  for (int step = 0; step < 500; ++step) {
    const int blank = position.BlankCell();
    const PackedPosition mirrored = solver::Mirror(position);
    ASSERT_EQ(solver::Mirror(mirrored), position);
    ASSERT_EQ(mirrored.BlankCell(), solver::MirrorCell(blank));
    if (position != goal && mirrored != position) ++changed;
    const solver::MoveList moves = solver::LegalMoves(blank);
    for (int m = 0; m < moves.count; ++m) {
      const MoveIndex move = moves.moves[m];
      ASSERT_TRUE(IsLegal(solver::MirrorCell(blank), solver::MirrorMove(move)));
      ASSERT_EQ(solver::Mirror(solver::Apply(position, move, blank)),
                solver::Apply(mirrored, solver::MirrorMove(move), solver::MirrorCell(blank)))
          << "step " << step << " move " << int(move);
    }
    position = solver::Apply(position, moves.moves[engine() % moves.count], blank);
  }
  // The walk met positions the mirror changes, or the checks above proved little.
  EXPECT_GT(changed, 400);
}

// Breadth first from the goal, through every legal move or only through those the move order
// allows: the distance of each position reached within depth moves.
std::map<std::uint64_t, int> Distances(int depth, bool ordered) {
  using State = solver::MoveOrder::State;
  std::map<std::uint64_t, int> distance{{PackedPosition::Goal().Packed(), 0}};
  std::set<std::pair<std::uint64_t, State>> seen{{PackedPosition::Goal().Packed(), 0}};
  std::vector<std::pair<PackedPosition, State>> layer{{PackedPosition::Goal(), 0}};
  for (int d = 1; d <= depth; ++d) {
    std::vector<std::pair<PackedPosition, State>> next;
    for (const auto& [position, state] : layer) {
      const int blank = position.BlankCell();
      const solver::MoveList moves = solver::LegalMoves(blank);
      for (int m = 0; m < moves.count; ++m) {
        const MoveIndex move = moves.moves[m];
        if (ordered && !solver::MoveOrder::Allows(state, move, blank)) continue;
        const PackedPosition child = solver::Apply(position, move, blank);
        const State after = ordered ? solver::MoveOrder::After(state, move, blank) : State{0};
        if (!seen.insert({child.Packed(), after}).second) continue;
        distance.try_emplace(child.Packed(), d);
        next.emplace_back(child, after);
      }
    }
    layer = std::move(next);
  }
  return distance;
}

// Every position stays reachable at its true distance when only ordered sequences are followed,
// while far fewer sequences are followed.
TEST(MoveOrder, LosesNoShortestPathAndCutsTheSequences) {
  constexpr int kDepth = 8;
  EXPECT_EQ(Distances(kDepth, true), Distances(kDepth, false));

  const auto countSequences = [](bool ordered) {
    std::uint64_t count = 0;
    const std::function<void(PackedPosition, solver::MoveOrder::State, int)> walk =
        [&](PackedPosition position, solver::MoveOrder::State state, int left) {
          ++count;
          if (left == 0) return;
          const int blank = position.BlankCell();
          const solver::MoveList moves = solver::LegalMoves(blank);
          for (int m = 0; m < moves.count; ++m) {
            if (ordered && !solver::MoveOrder::Allows(state, moves.moves[m], blank)) continue;
            walk(solver::Apply(position, moves.moves[m], blank),
                 solver::MoveOrder::After(state, moves.moves[m], blank), left - 1);
          }
        };
    walk(PackedPosition::Goal(), solver::MoveOrder::kStart, 6);
    return count;
  };
  EXPECT_LT(countSequences(true) * 4, countSequences(false));
}

}  // namespace
}  // namespace kelvora::testing
