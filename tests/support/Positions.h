// Positions as a test writes them: row by row, top row first, as the board looks.
#pragma once

#include <array>
#include <ostream>

#include "core/Position.h"

namespace kelvora {

// A failed comparison prints the board as it looks, row by row, instead of raw bytes.
inline void PrintTo(const Position& position, std::ostream* out) {
  for (int row = 1; row <= kBoardSize; ++row) {
    *out << (row == 1 ? "{" : " /");
    for (int column = 1; column <= kBoardSize; ++column) *out << ' ' << position.At({column, row});
  }
  *out << " }";
}

}  // namespace kelvora

namespace kelvora::testing {

inline Position FromRows(const std::array<int, 16>& rows) {
  Position position;
  for (int row = 1; row <= 4; ++row) {
    for (int column = 1; column <= 4; ++column) {
      position.Set({column, row}, rows[(row - 1) * 4 + column - 1]);
    }
  }
  return position;
}

// One slide from the goal, solved by tile M (index 12): the 10 above the blank in column 4.
inline Position StageSolvedByM() {
  return FromRows({1, 4, 7, 10, 2, 5, 8, 13, 2, 5, 8, 11, 3, 6, 9, 12});
}
// One turn from the goal, solved by arrow S (row 1 left).
inline Position StageSolvedByS() {
  return FromRows({13, 1, 4, 7, 2, 5, 8, 10, 2, 5, 8, 11, 3, 6, 9, 12});
}
// One turn of the bottom row from the goal, solved by arrow T (row 4 left).
inline Position StageSolvedByT() {
  return FromRows({1, 4, 7, 13, 2, 5, 8, 10, 2, 5, 8, 11, 12, 3, 6, 9});
}
// Column 4 slid up three times from the goal: the blank in the bottom right cell.
inline Position BlankAtBottomRight() {
  return FromRows({1, 4, 7, 10, 2, 5, 8, 11, 2, 5, 8, 12, 3, 6, 9, 13});
}

}  // namespace kelvora::testing
