// Slides and rotations. Each one sets the pictures from the codes as they stand before the move,
// then shifts the data, so screen and data agree again when it returns.
#include "core/Moves.h"

#include "core/TileCodes.h"
#include "core/TileIndex.h"

namespace kelvora {

void Moves::Image1_Click(std::int16_t index) {
  if (state_.gameActive == 0) return;
  if (index < 0 || index >= kTileBoxCount) return;
  state_.clickIndex = index;
  state_.clickedColumn = ColumnOf(index);
  state_.clickedRow = RowOf(index);
  const int column = state_.clickedColumn;
  const int row = state_.clickedRow;
  // At the edges the neighbour is a border cell, which is empty and so never the blank.
  if (state_.board.At(column, row + 1) != kBlank && state_.board.At(column, row - 1) != kBlank) {
    screen_.Beep();
    return;
  }
  SlideTile();
  AfterMove(kTileSlide);
}

void Moves::SlideTile() {
  const int column = state_.clickedColumn;
  const int row = state_.clickedRow;
  // The cell below is tested first.
  if (state_.board.At(column, row + 1) == kBlank) {
    state_.moveArg = +1;
    SwapWithBlank();
  } else if (state_.board.At(column, row - 1) == kBlank) {
    state_.moveArg = -1;
    SwapWithBlank();
  }
}

void Moves::SwapWithBlank() {
  const int column = state_.clickedColumn;
  const int row = state_.clickedRow;
  const int blankRow = row + state_.moveArg;
  state_.heldTile = state_.board.At(column, row);
  screen_.SetTilePicture(state_.clickIndex + state_.moveArg, *state_.heldTile);
  screen_.SetTilePicture(state_.clickIndex, kBlank);
  state_.board.Set(column, row, state_.board.At(column, blankRow));
  state_.board.Set(column, blankRow, *state_.heldTile);
}

void Moves::Label2_Click(std::int16_t index) {
  if (state_.gameActive == 0) return;
  if (index < 0 || index >= kArrowCount) return;
  state_.clickIndex = index;
  switch (index) {
    case 0:
      state_.moveArg = 1;
      RotateRowRight();
      break;
    case 1:
      state_.moveArg = 4;
      RotateRowRight();
      break;
    case 2:
      state_.moveArg = 1;
      RotateRowLeft();
      break;
    default:
      state_.moveArg = 4;
      RotateRowLeft();
      break;
  }
  AfterMove(kRowRotation);
}

void Moves::RotateRowRight() {
  const int row = state_.moveArg;
  state_.heldTile = state_.board.At(4, row);
  for (int column = 1; column <= 3; ++column) {
    screen_.SetTilePicture(TileIndexOf(column + 1, row), state_.board.At(column, row));
  }
  screen_.SetTilePicture(TileIndexOf(1, row), *state_.heldTile);
  for (int column = 3; column >= 1; --column) {
    state_.board.Set(column + 1, row, state_.board.At(column, row));
  }
  state_.board.Set(1, row, *state_.heldTile);
}

void Moves::RotateRowLeft() {
  const int row = state_.moveArg;
  state_.heldTile = state_.board.At(1, row);
  for (int column = 1; column <= 3; ++column) {
    screen_.SetTilePicture(TileIndexOf(column, row), state_.board.At(column + 1, row));
  }
  screen_.SetTilePicture(TileIndexOf(4, row), *state_.heldTile);
  for (int column = 1; column <= 3; ++column) {
    state_.board.Set(column, row, state_.board.At(column + 1, row));
  }
  state_.board.Set(4, row, *state_.heldTile);
}

void Moves::AfterMove(std::int16_t kind) {
  state_.moveCount += 1;
  bookkeeping_.ShowMoveCount();
  state_.lastMoveKind = kind;
  bookkeeping_.RecordMoveLetter();
  bookkeeping_.CheckMatches();
}

}  // namespace kelvora
