// The board's border ring and the numbering that ties cells to tile boxes.
#include <gtest/gtest.h>

#include <stdexcept>

#include "core/Board.h"
#include "core/Goal.h"
#include "core/TileCodes.h"
#include "core/TileIndex.h"

namespace kelvora {
namespace {

TEST(BoardRing, EveryRingCellReadsEmptyAndRefusesWrites) {
  Board board;
  board.SetField(GoalPattern());
  for (int i = 0; i < Board::kSize; ++i) {
    for (auto [column, row] : {std::pair{i, 0}, {i, 5}, {0, i}, {5, i}}) {
      EXPECT_EQ(board.At(column, row), kEmptyCell) << column << "," << row;
      EXPECT_NE(board.At(column, row), kBlank);
      EXPECT_THROW(board.Set(column, row, kBlank), std::out_of_range) << column << "," << row;
    }
  }
}

TEST(BoardRing, CellsOutsideTheBoardDoNotExist) {
  Board board;
  EXPECT_THROW(board.At(-1, 2), std::out_of_range);
  EXPECT_THROW(board.At(2, 6), std::out_of_range);
}

TEST(BoardField, FieldRoundTripsThroughAStageGrid) {
  Board board;
  StageGrid grid{};
  for (int column = 1; column <= 4; ++column) {
    for (int row = 1; row <= 4; ++row) grid[column][row] = column * 4 + row - 4;
  }
  board.SetField(grid);
  EXPECT_EQ(board.Field(), grid);
  EXPECT_EQ(board.At(3, 2), grid[3][2]);
}

TEST(TileIndex, RunsDownColumnOneFirst) {
  EXPECT_EQ(ColumnOf(12), 4);
  EXPECT_EQ(RowOf(12), 1);
  EXPECT_EQ(ColumnOf(3), 1);
  EXPECT_EQ(RowOf(3), 4);
  EXPECT_EQ(TileIndexOf(2, 3), 6);
  for (int index = 0; index < kTileBoxCount; ++index) {
    EXPECT_EQ(TileIndexOf(ColumnOf(index), RowOf(index)), index);
  }
}

}  // namespace
}  // namespace kelvora
