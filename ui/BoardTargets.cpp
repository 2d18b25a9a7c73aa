// The targets' widgets, their clicks, and the walk of the cursor between them.
#include "ui/BoardTargets.h"

#include <optional>

#include "ui/ClickableLabel.h"
#include "ui/TileBox.h"

namespace kelvora::ui {

namespace {

// The targets on one grid as the window shows them: board columns 1..4, the arrows in column 0
// (left of the board) and column 5 (right of it), rows 1..4.
struct Spot {
  int column;
  int row;
};

Spot SpotOf(int target) {
  if (target < kCellCount) {
    const Cell cell = CellAt(target);
    return {cell.column, cell.row};
  }
  const Move move = Move::FromIndex(target);
  // An arrow turning its row right stands left of it, where the tiles come from.
  return {move.TurnsRight() ? 0 : kBoardSize + 1, move.TurnedRow()};
}

std::optional<int> TargetAt(Spot spot) {
  if (IsOnBoard({spot.column, spot.row})) return TileIndexOf({spot.column, spot.row});
  for (int arrow = 0; arrow < kArrowCount; ++arrow) {
    const Spot at = SpotOf(BoardTargets::ArrowTarget(arrow));
    if (at.column == spot.column && at.row == spot.row) return BoardTargets::ArrowTarget(arrow);
  }
  return std::nullopt;
}

}  // namespace

BoardTargets::BoardTargets(const std::array<TileBox*, kCellCount>& tiles,
                           const std::array<ClickableLabel*, kArrowCount>& arrows)
    : tiles_(tiles), arrows_(arrows) {}

QWidget* BoardTargets::Widget(int target) const {
  if (target < kCellCount) return tiles_.at(target);
  return arrows_.at(target - kCellCount);
}

QRect BoardTargets::Geometry(int target) const {
  return Widget(target)->geometry();
}

QWidget* BoardTargets::Board() const {
  return tiles_[0]->parentWidget();
}

void BoardTargets::Click(int target) const {
  if (target < kCellCount) {
    tiles_.at(target)->Click();
  } else {
    arrows_.at(target - kCellCount)->Click();
  }
}

int BoardTargets::Neighbour(int from, Direction direction) {
  const Spot start = SpotOf(from);
  int dx = 0;
  int dy = 0;
  switch (direction) {
    case Direction::kLeft:
      dx = -1;
      break;
    case Direction::kRight:
      dx = 1;
      break;
    case Direction::kUp:
      dy = -1;
      break;
    case Direction::kDown:
      dy = 1;
      break;
  }
  // Gaps (beside rows 2 and 3 there are no arrows) are stepped over.
  for (Spot spot{start.column + dx, start.row + dy};
       spot.column >= 0 && spot.column <= kBoardSize + 1 && spot.row >= 1 && spot.row <= kBoardSize;
       spot = {spot.column + dx, spot.row + dy}) {
    if (std::optional<int> target = TargetAt(spot)) return *target;
  }
  return from;
}

}  // namespace kelvora::ui
