// Slides and turns as pure rules: which are allowed, what they leave, and what they repaint.
#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <vector>

#include "core/Rules.h"
#include "core/Tiles.h"
#include "tests/support/Positions.h"

namespace kelvora::testing {
namespace {

std::optional<Position> After(const Position& position, char letter) {
  return Apply(position, *Move::FromLetter(letter));
}

TEST(Slides, TheTileBelowTheBlankSlidesUpAndTheTileAboveSlidesDown) {
  // N: the 10 under the blank at the top of column 4 goes up.
  EXPECT_EQ(After(Position::Goal(), 'N'), StageSolvedByM());
  EXPECT_EQ(BlankBesides(Position::Goal(), {4, 2}), (Cell{4, 1}));
  // M: the same 10 comes back down; O: the 12 above the bottom right blank goes down.
  EXPECT_EQ(After(StageSolvedByM(), 'M'), Position::Goal());
  EXPECT_EQ(After(BlankAtBottomRight(), 'O'),
            FromRows({1, 4, 7, 10, 2, 5, 8, 11, 2, 5, 8, 13, 3, 6, 9, 12}));
}

TEST(Slides, AreRefusedBesideTheBlankFromTheBlankItselfAndFromFarther) {
  const Position goal = Position::Goal();
  // I: left of the blank; M: the blank; A: row 1, a tile below; D: row 4, a tile above;
  // P: two cells below the blank.
  for (char letter : {'I', 'M', 'A', 'D', 'P'}) {
    EXPECT_FALSE(After(goal, letter).has_value()) << letter;
    EXPECT_TRUE(RepaintOrder(goal, *Move::FromLetter(letter)).empty()) << letter;
  }
}

TEST(Slides, NeverReachAcrossTheTopOrBottomEdgeIntoTheNextColumn) {
  // The cell after (1, 4) in tile-index order is (2, 1): a blank there is not below D.
  Position blankTopOfColumnTwo = Position::Goal();
  blankTopOfColumnTwo.Swap({4, 1}, {2, 1});
  EXPECT_FALSE(After(blankTopOfColumnTwo, 'D').has_value());
  EXPECT_FALSE(BlankBesides(blankTopOfColumnTwo, {1, 4}).has_value());
  EXPECT_TRUE(After(blankTopOfColumnTwo, 'F').has_value());

  // Nor is a blank in (1, 4) above E, the top of column 2; nor beside H in row 4.
  Position blankBottomOfColumnOne = Position::Goal();
  blankBottomOfColumnOne.Swap({4, 1}, {1, 4});
  EXPECT_FALSE(After(blankBottomOfColumnOne, 'E').has_value());
  EXPECT_FALSE(After(blankBottomOfColumnOne, 'H').has_value());
  const std::optional<Position> down = After(blankBottomOfColumnOne, 'C');
  ASSERT_TRUE(down.has_value());
  EXPECT_EQ(down->At({1, 4}), 2);
  EXPECT_EQ(down->At({1, 3}), kBlank);
}

TEST(Slides, EveryTileBoxSlidesItsOwnCellsTile) {
  for (int index = 0; index < kCellCount; ++index) {
    const Cell cell = CellAt(index);
    // The blank brought below the tile, or above it in row 4.
    const Cell blank =
        cell.row < kBoardSize ? Cell{cell.column, cell.row + 1} : Cell{cell.column, cell.row - 1};
    Position before = StageSolvedByT();
    before.Swap(*before.Blank(), blank);
    const std::optional<Position> after = Apply(before, Move::TileClick(index));
    ASSERT_TRUE(after.has_value()) << "tile " << index;
    EXPECT_EQ(after->At(blank), before.At(cell)) << "tile " << index;
    EXPECT_EQ(after->At(cell), kBlank) << "tile " << index;
    EXPECT_EQ(RepaintOrder(before, Move::TileClick(index)), (std::vector<Cell>{blank, cell}))
        << "tile " << index;
  }
}

TEST(Slides, LookBelowFirstWhenOnlyDamagedDataPutABlankOnBothSides) {
  const Position twoBlanks = FromRows({1, 4, 7, 10, 2, 5, 13, 11, 2, 5, 8, 12, 3, 6, 13, 9});
  EXPECT_EQ(BlankBesides(twoBlanks, {3, 3}), (Cell{3, 4}));
  EXPECT_EQ(After(twoBlanks, 'K'), FromRows({1, 4, 7, 10, 2, 5, 13, 11, 2, 5, 13, 12, 3, 6, 8, 9}));
  EXPECT_EQ(RepaintOrder(twoBlanks, *Move::FromLetter('K')), (std::vector<Cell>{{3, 4}, {3, 3}}));
}

TEST(Turns, EachArrowTurnsItsRowOneCellCarryingTheBlankAlong) {
  struct Case {
    char letter;
    int row;
    std::array<int, 4> after;
  };
  for (const Case& c : {Case{'Q', 1, {13, 1, 4, 7}}, Case{'R', 4, {12, 3, 6, 9}},
                        Case{'S', 1, {4, 7, 13, 1}}, Case{'T', 4, {6, 9, 12, 3}}}) {
    Position expected = Position::Goal();
    for (int column = 1; column <= kBoardSize; ++column) {
      expected.Set({column, c.row}, c.after[column - 1]);
    }
    EXPECT_EQ(After(Position::Goal(), c.letter), expected) << c.letter;
  }
}

TEST(Turns, AreTakenWhereverTheBlankIsAndFourOfOneArrowRestoreTheRow) {
  const Position start = StageSolvedByM();  // the blank in row 2
  for (int arrow = 0; arrow < kArrowCount; ++arrow) {
    const Move turn = Move::ArrowClick(arrow);
    Position position = start;
    for (int times = 1; times <= 4; ++times) {
      const std::optional<Position> after = Apply(position, turn);
      ASSERT_TRUE(after.has_value()) << turn.Letter();
      EXPECT_EQ(after->Blank(), (Cell{4, 2})) << turn.Letter();
      EXPECT_EQ(*after == start, times == 4) << turn.Letter() << " x" << times;
      position = *after;
    }
  }
}

}  // namespace
}  // namespace kelvora::testing
