// The 6 x 6 board: a 4 x 4 playing field inside a border ring that always stays empty.
#pragma once

#include <array>

#include "core/StageGrid.h"

namespace kelvora {

class Board {
 public:
  static constexpr int kSize = 6;

  // Any cell may be read, the border ring included; ring cells read as kEmptyCell, so a
  // neighbour test at the edge of the field never mistakes the ring for the blank.
  int At(int column, int row) const;

  // Only the playing field (columns and rows 1..4) can be written; anything else throws
  // std::out_of_range, so no move or load can ever touch the ring.
  void Set(int column, int row, int code);

  // The playing field as a stage table holds it.
  StageGrid Field() const;
  void SetField(const StageGrid& field);

  bool operator==(const Board&) const = default;

 private:
  std::array<std::array<int, kSize>, kSize> cells_{};
};

}  // namespace kelvora
