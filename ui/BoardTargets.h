// The twenty places of the main window that a click plays, in one list numbered as the moves
// are: target 0..15 is the tile box of that tile index, 16..19 the arrows in the order of
// Move::ArrowClick(0..3). The keyboard cursor walks them and a hint points at one.
#pragma once

#include <QRect>
#include <array>

#include "core/Cells.h"
#include "core/Move.h"

class QWidget;

namespace kelvora::ui {

class ClickableLabel;
class TileBox;

class BoardTargets {
 public:
  static constexpr int kCount = Move::kKinds;
  enum class Direction { kLeft, kRight, kUp, kDown };

  static constexpr int TileTarget(int tileIndex) { return Move::TileClick(tileIndex).Index(); }
  static constexpr int ArrowTarget(int arrow) { return Move::ArrowClick(arrow).Index(); }
  // The move a click on the target asks for (refused or not).
  static constexpr Move MoveOf(int target) { return Move::FromIndex(target); }

  // The arrows by their index within Label2: 0 and 1 left of rows 1 and 4, 2 and 3 right of
  // them. Every target has the same parent, the window's client area.
  BoardTargets(const std::array<TileBox*, kCellCount>& tiles,
               const std::array<ClickableLabel*, kArrowCount>& arrows);

  QWidget* Widget(int target) const;
  // Where the target stands within Board().
  QRect Geometry(int target) const;
  // The parent of every target, where frames over them belong.
  QWidget* Board() const;
  // What a click with the mouse on the target does.
  void Click(int target) const;

  // The target the cursor goes to from `from`: the nearest one in that direction on the same
  // row (the arrows beside rows 1 and 4 lie beyond the outer columns) or in the same column
  // (from an arrow, the other arrow on its side); `from` itself at the edge.
  static int Neighbour(int from, Direction direction);

 private:
  std::array<TileBox*, kCellCount> tiles_;
  std::array<ClickableLabel*, kArrowCount> arrows_;
};

}  // namespace kelvora::ui
