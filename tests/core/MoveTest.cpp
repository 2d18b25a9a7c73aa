// Moves and their letters: the records, the solver and the tools name every click by one.
#include <gtest/gtest.h>

#include "core/Cells.h"
#include "core/Move.h"

namespace kelvora {
namespace {

TEST(TileIndex, RunsDownColumnOneFirstThenColumnsTwoToFour) {
  EXPECT_EQ(CellAt(3), (Cell{1, 4}));
  EXPECT_EQ(CellAt(4), (Cell{2, 1}));
  EXPECT_EQ(CellAt(12), (Cell{4, 1}));
  EXPECT_EQ(TileIndexOf({2, 3}), 6);
  for (int index = 0; index < kCellCount; ++index) {
    EXPECT_TRUE(IsOnBoard(CellAt(index))) << index;
    EXPECT_EQ(TileIndexOf(CellAt(index)), index);
  }
}

TEST(MoveLetters, TileClicksAreLetteredAToPByTileIndexAndArrowsQToT) {
  for (int index = 0; index < kCellCount; ++index) {
    const Move click = Move::TileClick(index);
    EXPECT_EQ(click.Letter(), 'A' + index);
    EXPECT_TRUE(click.IsSlide());
    EXPECT_EQ(click.SlidingCell(), CellAt(index));
  }
  const char arrowLetters[] = {'Q', 'R', 'S', 'T'};
  for (int arrow = 0; arrow < kArrowCount; ++arrow) {
    EXPECT_EQ(Move::ArrowClick(arrow).Letter(), arrowLetters[arrow]);
    EXPECT_FALSE(Move::ArrowClick(arrow).IsSlide());
  }
}

TEST(MoveLetters, EveryMoveIsReadBackFromItsLetterAndNoOtherCharacterIsAMove) {
  for (int index = 0; index < Move::kKinds; ++index) {
    const Move move = Move::FromIndex(index);
    EXPECT_TRUE(IsMoveLetter(move.Letter()));
    EXPECT_EQ(Move::FromLetter(move.Letter()), move) << move.Letter();
  }
  for (char letter : {'@', 'U', 'Z', 'a', 'q', 't', '0', ' ', '\0', '\x80'}) {
    EXPECT_FALSE(IsMoveLetter(letter)) << int{letter};
    EXPECT_FALSE(Move::FromLetter(letter).has_value()) << int{letter};
  }
}

}  // namespace
}  // namespace kelvora
