// A small board that shows a position with the main board's tile pictures and spoken names: where
// the records window plays a replay, apart from the game.
#pragma once

#include <QWidget>
#include <array>

#include "core/Cells.h"
#include "core/Position.h"

namespace kelvora::ui {

class PictureStore;
class TileBox;

class ReplayBoard : public QWidget {
  Q_OBJECT

 public:
  ReplayBoard(PictureStore& pictures, QWidget* parent);

  void Show(const Position& position);
  const Position& Shown() const { return shown_; }
  TileBox* Tile(int tileIndex) const { return tiles_.at(tileIndex); }

 private:
  std::array<TileBox*, kCellCount> tiles_{};
  Position shown_;
};

}  // namespace kelvora::ui
