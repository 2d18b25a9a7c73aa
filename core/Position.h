// A position of the board: the tile code in each of the 16 cells.
#pragma once

#include <array>
#include <optional>

#include "core/Cells.h"

namespace kelvora {

class Position {
 public:
  // Every strand joined in its own column, the blank at the top of column 4.
  static Position Goal();
  // Codes in tile-index order, as the stage files list them.
  static Position FromCodes(const std::array<int, kCellCount>& codes);

  int At(Cell cell) const { return codes_[TileIndexOf(cell)]; }
  void Set(Cell cell, int code) { codes_[TileIndexOf(cell)] = code; }
  void Swap(Cell a, Cell b);
  const std::array<int, kCellCount>& Codes() const { return codes_; }

  // Cells holding the same code as the goal's; either copy of 2, 5 or 8 matches either of its
  // goal cells, since tiles are compared by code only.
  int MatchesWithGoal() const;
  bool IsGoal() const { return MatchesWithGoal() == kCellCount; }
  // Exactly the goal's 16 tiles, in any order: only such a position can ever be solved.
  bool HoldsTheGoalsTiles() const;
  std::optional<Cell> Blank() const;

  bool operator==(const Position&) const = default;

 private:
  std::array<int, kCellCount> codes_{};
};

}  // namespace kelvora
