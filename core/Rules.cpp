// Slides and turns on positions.
#include "core/Rules.h"

#include "core/Tiles.h"

namespace kelvora {

std::optional<Cell> BlankBesides(const Position& position, Cell cell) {
  // Off the board there is no cell, and so no blank: row 1 has none above, row 4 none below.
  for (Cell neighbour : {Cell{cell.column, cell.row + 1}, Cell{cell.column, cell.row - 1}}) {
    if (IsOnBoard(neighbour) && position.At(neighbour) == kBlank) return neighbour;
  }
  return std::nullopt;
}

std::optional<Position> Apply(const Position& position, Move move) {
  Position after = position;
  if (move.IsSlide()) {
    const std::optional<Cell> blank = BlankBesides(position, move.SlidingCell());
    if (!blank) return std::nullopt;
    after.Swap(move.SlidingCell(), *blank);
    return after;
  }
  const int row = move.TurnedRow();
  for (int column = 1; column <= kBoardSize; ++column) {
    const int from =
        move.TurnsRight() ? (column + kBoardSize - 2) % kBoardSize + 1 : column % kBoardSize + 1;
    after.Set({column, row}, position.At({from, row}));
  }
  return after;
}

std::vector<Cell> RepaintOrder(const Position& before, Move move) {
  if (move.IsSlide()) {
    const std::optional<Cell> blank = BlankBesides(before, move.SlidingCell());
    if (!blank) return {};
    return {*blank, move.SlidingCell()};
  }
  const int row = move.TurnedRow();
  if (move.TurnsRight()) return {{2, row}, {3, row}, {4, row}, {1, row}};
  return {{1, row}, {2, row}, {3, row}, {4, row}};
}

}  // namespace kelvora
