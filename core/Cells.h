// The cells of the 4 x 4 board and their numbering. The tile index of a cell runs down column 1
// first, then columns 2 to 4: the order of the tile boxes, of the stage files and of the letters
// A to P.
#pragma once

namespace kelvora {

constexpr int kBoardSize = 4;
constexpr int kCellCount = kBoardSize * kBoardSize;

// Columns left to right and rows top to bottom, both 1..4.
struct Cell {
  int column = 1;
  int row = 1;
  constexpr bool operator==(const Cell&) const = default;
};

constexpr bool IsOnBoard(Cell cell) {
  return cell.column >= 1 && cell.column <= kBoardSize && cell.row >= 1 && cell.row <= kBoardSize;
}

constexpr int TileIndexOf(Cell cell) {
  return (cell.column - 1) * kBoardSize + (cell.row - 1);
}

constexpr Cell CellAt(int tileIndex) {
  return {tileIndex / kBoardSize + 1, tileIndex % kBoardSize + 1};
}

// Calls visit(cell) for every cell in tile-index order.
template <typename Visit>
constexpr void ForEachCell(Visit visit) {
  for (int index = 0; index < kCellCount; ++index) visit(CellAt(index));
}

}  // namespace kelvora
