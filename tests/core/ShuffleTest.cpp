// The shuffle the game and the tools share: the swaps drawn in order, the last cell kept, and a
// seed that makes its stages again.
#include <gtest/gtest.h>

#include <array>
#include <random>
#include <set>
#include <utility>
#include <vector>

#include "core/Shuffle.h"
#include "tests/support/Positions.h"

namespace kelvora::testing {
namespace {

// Cell numbers handed out in this order.
CellDraw Draws(std::vector<int> cells) {
  return [cells = std::move(cells), next = std::size_t{0}]() mutable { return cells.at(next++); };
}

TEST(Shuffle, SwapsTheDrawnCellsInTheOrderDrawn) {
  // Cells 0, 4, 8 and 12 are row 1: swapped with 12 in turn, they turn the row right.
  EXPECT_EQ(Shuffle(Position::Goal(), Draws({0, 12, 4, 12, 8, 12}), 3), StageSolvedByS());
  // The same swaps in the other order turn it left.
  EXPECT_NE(Shuffle(Position::Goal(), Draws({8, 12, 4, 12, 0, 12}), 3), StageSolvedByS());
  // A cell swapped with itself stays.
  EXPECT_EQ(Shuffle(StageSolvedByM(), Draws({5, 5}), 1), StageSolvedByM());
}

TEST(Shuffle, ASeededEngineMovesEveryCellButTheLastAndMakesItsStagesAgain) {
  std::mt19937_64 engine(1);
  std::mt19937_64 again(1);
  std::mt19937_64 other(2);
  std::set<std::array<int, kCellCount>> seen;
  bool otherDiffers = false;
  std::array<bool, kShuffledCells> moved{};
  for (int i = 0; i < 200; ++i) {
    const Position stage = Shuffle(Position::Goal(), CellDrawFrom(engine));
    EXPECT_TRUE(stage.HoldsTheGoalsTiles());
    EXPECT_EQ(stage.At({4, 4}), Position::Goal().At({4, 4}));
    EXPECT_EQ(Shuffle(Position::Goal(), CellDrawFrom(again)), stage);
    otherDiffers = otherDiffers || Shuffle(Position::Goal(), CellDrawFrom(other)) != stage;
    seen.insert(stage.Codes());
    for (int cell = 0; cell < kShuffledCells; ++cell) {
      moved[cell] = moved[cell] || stage.At(CellAt(cell)) != Position::Goal().At(CellAt(cell));
    }
  }
  for (int cell = 0; cell < kShuffledCells; ++cell) EXPECT_TRUE(moved[cell]) << "cell " << cell;
  EXPECT_GT(seen.size(), 190u);
  EXPECT_TRUE(otherDiffers);
}

}  // namespace
}  // namespace kelvora::testing
