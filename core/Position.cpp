// The goal pattern and what a position is measured by.
#include "core/Position.h"

#include <utility>

#include "core/Tiles.h"

namespace kelvora {

Position Position::Goal() {
  // Columns left to right, each top to bottom: arch, cross(es), U of one strand.
  return FromCodes({1, 2, 2, 3, 4, 5, 5, 6, 7, 8, 8, 9, kBlank, 10, 11, 12});
}

Position Position::FromCodes(const std::array<int, kCellCount>& codes) {
  Position position;
  position.codes_ = codes;
  return position;
}

void Position::Swap(Cell a, Cell b) {
  std::swap(codes_[TileIndexOf(a)], codes_[TileIndexOf(b)]);
}

int Position::MatchesWithGoal() const {
  static const Position goal = Goal();
  int matches = 0;
  for (int index = 0; index < kCellCount; ++index) {
    if (codes_[index] == goal.codes_[index]) ++matches;
  }
  return matches;
}

bool Position::HoldsTheGoalsTiles() const {
  std::array<int, kLastTileCode + 1> seen{};
  for (int code : codes_) {
    if (!IsTileCode(code)) return false;
    ++seen[code];
  }
  for (int code = kFirstTileCode; code <= kLastTileCode; ++code) {
    if (seen[code] != CopiesInGoal(code)) return false;
  }
  return true;
}

std::optional<Cell> Position::Blank() const {
  for (int index = 0; index < kCellCount; ++index) {
    if (codes_[index] == kBlank) return CellAt(index);
  }
  return std::nullopt;
}

}  // namespace kelvora
