// The player's twenty moves on a packed position, numbered as kelvora::Move numbers them.
#pragma once

#include <array>
#include <cstdint>

#include "core/Cells.h"
#include "core/Move.h"
#include "solver/PackedPosition.h"

namespace kelvora::solver {

// A move as the search carries it, one byte on its path: kelvora::Move::Index(), so
// Move::FromIndex turns it into the game's move and its letter. 0..15 slide the tile of that
// cell into the blank above or below it; 16..19 turn a row.
using MoveIndex = std::uint8_t;
constexpr MoveIndex kRow1Right = Move::ArrowClick(0).Index();
constexpr MoveIndex kRow4Right = Move::ArrowClick(1).Index();
constexpr MoveIndex kRow1Left = Move::ArrowClick(2).Index();
constexpr MoveIndex kRow4Left = Move::ArrowClick(3).Index();

// The row a turn moves, counted from 0 like RowIndexOf (so 0 or 3), and its direction: what
// Move::TurnedRow and Move::TurnsRight say, without the range check a Move makes, for the
// search's innermost loops.
constexpr int TurnedRowIndex(MoveIndex turn) {
  return turn == kRow1Right || turn == kRow1Left ? 0 : kBoardSize - 1;
}
constexpr bool TurnsRight(MoveIndex turn) {
  return turn == kRow1Right || turn == kRow4Right;
}

// The packed rules read the turns by index; they must be the turns the game makes.
static_assert([] {
  for (MoveIndex turn : {kRow1Right, kRow4Right, kRow1Left, kRow4Left}) {
    const Move move = Move::FromIndex(turn);
    if (move.IsSlide() || move.TurnedRow() - 1 != TurnedRowIndex(turn)) return false;
    if (move.TurnsRight() != TurnsRight(turn)) return false;
  }
  return true;
}());

struct MoveList {
  std::array<MoveIndex, 6> moves{};
  int count = 0;
};

namespace internal {

constexpr std::array<MoveList, kCellCount> MakeLegalMoves() {
  std::array<MoveList, kCellCount> table{};
  for (int blank = 0; blank < kCellCount; ++blank) {
    MoveList& list = table[blank];
    // The tiles above and below the blank, each a cell away in tile-index order.
    const int row = CellAt(blank).row;
    if (row > 1) list.moves[list.count++] = static_cast<MoveIndex>(blank - 1);
    if (row < kBoardSize) list.moves[list.count++] = static_cast<MoveIndex>(blank + 1);
    for (MoveIndex rotation = kRow1Right; rotation <= kRow4Left; ++rotation) {
      list.moves[list.count++] = rotation;
    }
  }
  return table;
}

// The table a search consults at every node, made once at compile time.
inline constexpr std::array<MoveList, kCellCount> kLegalMoves = MakeLegalMoves();

}  // namespace internal

// Every move that is legal while the blank is at blankCell: at most two slides (a rotation
// is always legal).
constexpr MoveList LegalMoves(int blankCell) {
  return internal::kLegalMoves[blankCell];
}

// move must be legal with the blank at blankCell.
PackedPosition Apply(PackedPosition position, MoveIndex move, int blankCell);
// Where the blank is after move; for a turn, where any cell's content goes.
constexpr int BlankAfter(MoveIndex move, int blankCell) {
  if (move < kCellCount) return move;
  if (RowIndexOf(blankCell) != TurnedRowIndex(move)) return blankCell;
  // One column along is kBoardSize cells along, wrapping round the board's 16 cells by a mask.
  return (blankCell + (TurnsRight(move) ? kBoardSize : kCellCount - kBoardSize)) & (kCellCount - 1);
}
// The move that undoes move, which was made with the blank at blankCell.
MoveIndex Inverse(MoveIndex move, int blankCell);

}  // namespace kelvora::solver
