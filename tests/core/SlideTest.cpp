// Tile slides: into the blank directly above or below, never sideways, never at a border.
#include <gtest/gtest.h>

#include "core/TileCodes.h"
#include "support/CoreFixture.h"

namespace kelvora::testing {
namespace {

class SlideTest : public CoreFixture {
 protected:
  // Clicks a tile that must be refused, and checks that only the click fields changed.
  void ExpectRefused(std::int16_t index) {
    const Board before = state().board;
    const auto pictures = screen.pictures;
    const int beeps = screen.beeps;
    const int moves = state().moveCount;
    const std::string history = state().moveHistory;
    const auto kind = state().lastMoveKind;
    game.Image1_Click(index);
    EXPECT_EQ(screen.beeps, beeps + 1) << "tile " << index;
    EXPECT_EQ(state().board, before) << "tile " << index;
    EXPECT_EQ(screen.pictures, pictures) << "tile " << index;
    EXPECT_EQ(state().moveCount, moves);
    EXPECT_EQ(state().moveHistory, history);
    EXPECT_EQ(state().lastMoveKind, kind);
    EXPECT_EQ(state().clickIndex, index);
    EXPECT_EQ(state().clickedColumn, index / 4 + 1);
    EXPECT_EQ(state().clickedRow, index % 4 + 1);
  }
};

TEST_F(SlideTest, TileBelowTheBlankSlidesUp) {
  Play(GoalPattern());
  game.Image1_Click(13);  // cell (4, 2), just below the blank
  EXPECT_EQ(state().board.At(4, 1), 10);
  EXPECT_EQ(state().board.At(4, 2), kBlank);
  EXPECT_EQ(screen.pictures[12], 10);
  EXPECT_EQ(screen.pictures[13], kBlank);
  EXPECT_EQ(state().moveCount, 1);
  EXPECT_EQ(state().moveHistory, "N");
  EXPECT_EQ(state().moveArg, -1);
  EXPECT_EQ(state().lastMoveKind, kTileSlide);
  EXPECT_EQ(state().heldTile, 10);
}

TEST_F(SlideTest, TileAboveTheBlankSlidesDownToTheBottomRow) {
  Play(RowsToGrid({1, 4, 7, 10, 2, 5, 8, 11, 2, 5, 8, 12, 3, 6, 9, 13}));
  game.Image1_Click(14);  // cell (4, 3), the blank is in (4, 4)
  EXPECT_EQ(state().board.At(4, 4), 12);
  EXPECT_EQ(state().board.At(4, 3), kBlank);
  EXPECT_EQ(state().moveArg, +1);
  EXPECT_TRUE(screen.ShowsBoard(state().board));
  EXPECT_EQ(state().moveHistory, "O");
}

TEST_F(SlideTest, RefusesSidewaysBlankAndEdgeClicksWithOneBeep) {
  Play(GoalPattern());
  ExpectRefused(8);   // left of the blank in row 1
  ExpectRefused(12);  // the blank itself
  ExpectRefused(0);   // row 1: the cell below holds a tile, above is the border
  ExpectRefused(3);   // row 4: the cell above holds a tile, below is the border
  ExpectRefused(15);  // row 4 of the blank's column, two cells away
}

TEST_F(SlideTest, BorderBelowTheBottomRowIsNeverTakenForTheBlank) {
  // Blank at the bottom of column 1; the tile above it may move, the tile beside it may not.
  Play(RowsToGrid({1, 4, 7, 10, 2, 5, 8, 11, 2, 5, 8, 12, 13, 6, 9, 3}));
  ExpectRefused(7);  // (2, 4), right of the blank
  game.Image1_Click(2);
  EXPECT_EQ(state().board.At(1, 4), 2);
  EXPECT_EQ(state().board.At(1, 3), kBlank);
}

TEST_F(SlideTest, TheCellBelowIsTestedFirst) {
  // Only damaged data could put a blank on both sides; the slide goes down all the same.
  Play(RowsToGrid({1, 4, 7, 10, 2, 5, 13, 11, 2, 5, 8, 12, 3, 6, 13, 9}));
  game.Image1_Click(10);  // (3, 3) between two blanks
  EXPECT_EQ(state().moveArg, +1);
  EXPECT_EQ(state().board.At(3, 4), 8);
  EXPECT_EQ(state().board.At(3, 3), kBlank);
  EXPECT_EQ(state().board.At(3, 2), kBlank);
}

TEST_F(SlideTest, ClicksOnAnInertBoardChangeNothingAndAreSilent) {
  Play(GoalPattern());
  state().gameActive = 0;
  screen.log.clear();
  game.Image1_Click(13);
  game.Image1_Click(8);
  EXPECT_TRUE(screen.log.empty());
  EXPECT_EQ(state().board.Field(), GoalPattern());
  EXPECT_EQ(state().clickIndex, 0);
}

TEST_F(SlideTest, IndicesOutsideTheBoardAreIgnored) {
  Play(GoalPattern());
  screen.log.clear();
  game.Image1_Click(16);
  game.Image1_Click(-1);
  EXPECT_TRUE(screen.log.empty());
  EXPECT_EQ(state().moveCount, 0);
}

}  // namespace
}  // namespace kelvora::testing
