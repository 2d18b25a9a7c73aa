// The board's one mirror that keeps the goal: columns 1 and 3 swap places and strands.
#pragma once

#include <array>
#include <cstdint>

#include "solver/MoveRules.h"
#include "solver/PackedPosition.h"

namespace kelvora::solver {

// A turn goes round the row's four columns; reflecting that ring about columns 2 and 4 keeps every
// slide a slide and makes each turn the other way, and the goal's blank stays where it is.
// Columns 1 and 3 then hold each other's strand, which relabelling the codes puts right: the
// mirrored goal is the goal. So the mirrored position is exactly as far from the goal, and any
// table's distance of it is another bound, without another table.
constexpr int MirrorCell(int cell) {
  return (cell & kBoardSize) != 0 ? cell : cell ^ (2 * kBoardSize);
}

constexpr MoveIndex MirrorMove(MoveIndex move) {
  if (move < kCellCount) return static_cast<MoveIndex>(MirrorCell(move));
  switch (move) {
    case kRow1Right:
      return kRow1Left;
    case kRow1Left:
      return kRow1Right;
    case kRow4Right:
      return kRow4Left;
    default:
      return kRow4Right;
  }
}

// A 16-bit set of cells, mirrored.
constexpr std::uint32_t MirrorCells(std::uint32_t cells) {
  return (cells & 0xF0F0) | ((cells & 0x000F) << (2 * kBoardSize)) |
         ((cells >> (2 * kBoardSize)) & 0x000F);
}

PackedPosition Mirror(PackedPosition position);

}  // namespace kelvora::solver
