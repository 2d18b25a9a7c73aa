// Goal set-up and full redraw of the board.
#include "core/BoardDisplay.h"

#include "core/Goal.h"
#include "core/TileIndex.h"

namespace kelvora {

void BoardDisplay::InitGoal() {
  FillGoal(state_.goal);
  for (int column = 1; column <= 4; ++column) {
    for (int row = 1; row <= 4; ++row) state_.board.Set(column, row, state_.goal[column][row]);
  }
  state_.moveHistory.clear();
}

void BoardDisplay::DrawBoard() {
  for (int index = 0; index < kTileBoxCount; ++index) {
    screen_.SetTilePicture(index, state_.board.At(ColumnOf(index), RowOf(index)));
    screen_.ShowTile(index);
  }
}

}  // namespace kelvora
