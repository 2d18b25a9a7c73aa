// After each move: the count shown, the letter appended, the cells in place counted.
#include <gtest/gtest.h>

#include <utility>

#include "core/TileCodes.h"
#include "core/TileIndex.h"
#include "support/CoreFixture.h"

namespace kelvora::testing {
namespace {

using BookkeepingTest = CoreFixture;

// The goal with row 4 turned once to the right: 12 cells in place, and no single slide from
// it can reach the goal.
StageGrid GoalWithBottomRowTurned() {
  return RowsToGrid({1, 4, 7, 13, 2, 5, 8, 10, 2, 5, 8, 11, 12, 3, 6, 9});
}

TEST_F(BookkeepingTest, EachTileIsLetteredByItsIndex) {
  for (std::int16_t index = 0; index < kTileBoxCount; ++index) {
    StageGrid grid = GoalWithBottomRowTurned();
    // Bring the blank next to the tile, below it where there is room.
    const int column = ColumnOf(index);
    const int blankRow = RowOf(index) < 4 ? RowOf(index) + 1 : RowOf(index) - 1;
    std::swap(grid[4][1], grid[column][blankRow]);
    Play(grid);
    const int before = state().moveCount;
    game.Image1_Click(index);
    ASSERT_EQ(state().moveCount, before + 1) << "tile " << index;
    EXPECT_EQ(state().moveHistory.back(), static_cast<char>('A' + index)) << "tile " << index;
  }
  EXPECT_EQ(state().moveHistory, "ABCDEFGHIJKLMNOP");
}

TEST_F(BookkeepingTest, SlideOfCellTwoThreeAddsGAndRowFourLeftAddsT) {
  // Blank at (2, 4), below cell (2, 3), tile index 6.
  Play(RowsToGrid({1, 4, 7, 6, 2, 5, 8, 10, 2, 5, 8, 11, 3, 13, 9, 12}));
  game.Image1_Click(6);
  game.Label2_Click(3);
  EXPECT_EQ(state().moveHistory, "GT");
}

TEST_F(BookkeepingTest, CountsAreShownAsPlainDecimals) {
  Play(GoalWithBottomRowTurned());
  state().moveCount = 9;
  game.Label2_Click(0);
  EXPECT_EQ(screen.Caption(ScreenLabel::Label6), "10");
  EXPECT_TRUE(screen.Shown(ScreenLabel::Label6));
  // Row 1 turned right and row 4 still turned: only the 8 cells of rows 2 and 3 match.
  EXPECT_EQ(state().matchCount, 8);
  EXPECT_EQ(screen.Caption(ScreenLabel::Label4), "8");
  EXPECT_TRUE(screen.Shown(ScreenLabel::Label4));
}

TEST_F(BookkeepingTest, DuplicateTilesMatchEitherOfTheirGoalCells) {
  // Swap a 2 with a 5: the 2 left in column 1 still matches its cell, wherever it came from.
  StageGrid grid = GoalPattern();
  std::swap(grid[1][2], grid[2][3]);
  Play(grid);
  game.Books().CheckMatches();
  EXPECT_EQ(state().matchCount, 14);
  // Swapping the two copies of a code leaves every cell matching.
  grid = GoalPattern();
  std::swap(grid[3][2], grid[3][3]);
  std::swap(grid[4][1], grid[4][2]);
  Play(grid);
  game.Image1_Click(12);  // the 10 slides down: every code in place again
  EXPECT_EQ(state().matchCount, 16);
  EXPECT_EQ(screen.Caption(ScreenLabel::Label11), "Congratulations!");
}

TEST_F(BookkeepingTest, NoLetterWithoutAMoveKind) {
  state().lastMoveKind = 0;
  state().clickIndex = 3;
  game.Books().RecordMoveLetter();
  EXPECT_TRUE(state().moveHistory.empty());
}

}  // namespace
}  // namespace kelvora::testing
