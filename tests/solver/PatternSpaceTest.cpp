// Tests of abstract-position indexing and of moves on layouts.
#include <gtest/gtest.h>

#include <random>
#include <set>

#include "SolverSupport.h"
#include "solver/PatternSpace.h"

// Indexing abstract positions: a bijection onto 0..Size-1 that ignores the tiles a pattern does
// not follow, and moves on layouts that agree with moves on whole positions.

namespace kelvora::testing {
namespace {

using solver::PackedPosition;
using solver::PatternSpace;

TEST(PatternSpace, SizesCountTheAbstractPositions) {
  const auto full = solver::PatternsFor(solver::TableSize::Full);
  // 16 cells for the blank, then the tiles among the other 15: columns 1-2 hold four single tiles
  // and two pairs, columns 3-4 five and a pair.
  EXPECT_EQ(full[1].Size(), 16ULL * 15 * 14 * 13 * 12 * (11 * 10 / 2) * (9 * 8 / 2));
  EXPECT_EQ(full[0].Size(), 16ULL * 15 * 14 * 13 * 12 * 11 * (10 * 9 / 2));
  EXPECT_EQ(full[2].Size(), full[0].Size());
  EXPECT_EQ(PatternSpace("one", {15}).Size(), 16u * 15u);
}

TEST(PatternSpace, EveryIndexOfASmallSpaceRoundTripsToADistinctLayout) {
  const PatternSpace space("pairs", {1, 2, 5, 6});
  std::set<std::pair<std::uint32_t, std::uint32_t>> seen;
  for (std::uint64_t index = 0; index < space.Size(); ++index) {
    const solver::Layout layout = space.LayoutAt(index);
    ASSERT_EQ(space.Index(layout), index);
    ASSERT_EQ(space.Index(space.At(index)), index);
    // Groups never overlap: the two pairs and the blank cover five cells.
    ASSERT_EQ(std::popcount(layout.Cells(0) | layout.Cells(1) | layout.Cells(2)), 5);
    seen.insert({layout.Cells(0) | layout.Cells(1) << 16, layout.Cells(2)});
  }
  EXPECT_EQ(seen.size(), space.Size());
}

TEST(PatternSpace, FullSpacesRoundTripAtRandomIndices) {
  std::mt19937_64 engine(3);
  for (const PatternSpace& space : solver::PatternsFor(solver::TableSize::Full)) {
    for (std::uint64_t index : {std::uint64_t{0}, space.Size() - 1, space.GoalIndex()}) {
      EXPECT_EQ(space.Index(space.LayoutAt(index)), index) << space.Name();
    }
    for (int i = 0; i < 20000; ++i) {
      const std::uint64_t index = engine() % space.Size();
      ASSERT_EQ(space.Index(space.LayoutAt(index)), index) << space.Name();
    }
  }
}

TEST(PatternSpace, IndexIgnoresTilesThePatternDoesNotFollow) {
  const PatternSpace space("column 4", {13, 14, 15});
  PackedPosition goal = PackedPosition::Goal();
  PackedPosition swapped = goal;
  swapped.SetCode(0, goal.Code(1));  // 1 and 2 change places: neither is followed
  swapped.SetCode(1, goal.Code(0));
  EXPECT_EQ(space.Index(swapped), space.Index(goal));
  EXPECT_EQ(space.Index(goal), space.GoalIndex());
  PackedPosition moved = goal;
  moved.SetCode(15, goal.Code(14));  // 11 and 12 change places: both are followed
  moved.SetCode(14, goal.Code(15));
  EXPECT_NE(space.Index(moved), space.GoalIndex());
}

TEST(PatternSpace, LayoutMovesAgreeWithPositionMoves) {
  std::mt19937_64 engine(5);
  for (const PatternSpace& space : solver::PatternsFor(solver::TableSize::Full)) {
    PackedPosition position = PackedPosition::Goal();
    solver::Layout layout = space.LayoutOf(position);
    for (int step = 0; step < 3000; ++step) {
      const int blank = position.BlankCell();
      ASSERT_EQ(space.BlankCell(layout), blank);
      const solver::MoveList moves = solver::LegalMoves(blank);
      const solver::MoveIndex move = moves.moves[engine() % moves.count];
      position = solver::Apply(position, move, blank);
      layout = layout.After(move, blank);
      ASSERT_EQ(layout, space.LayoutOf(position)) << space.Name() << " step " << step;
    }
  }
}

TEST(PatternSpace, RefusesPatternsItCannotIndex) {
  EXPECT_THROW(PatternSpace("blank", {12}), std::invalid_argument);
  EXPECT_THROW(PatternSpace("off board", {16}), std::invalid_argument);
  // One of the two 5s alone would make the two tiles tell apart.
  EXPECT_THROW(PatternSpace("half pair", {5}), std::invalid_argument);
  EXPECT_THROW(PatternSpace("too many kinds", {0, 1, 2, 3, 4, 7, 8, 11, 15}),
               std::invalid_argument);
}

}  // namespace
}  // namespace kelvora::testing
