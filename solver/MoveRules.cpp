// Slides swap two neighbouring cells of a column; rotations shift four nibbles of a row.
#include "solver/MoveRules.h"

#include "core/Tiles.h"

namespace kelvora::solver {

namespace {

// One cell of each column, in the nibbles of row 1.
constexpr std::uint64_t kRowMask = 0x000F000F000F000FULL;

}  // namespace

PackedPosition Apply(PackedPosition position, MoveIndex move, int blankCell) {
  std::uint64_t packed = position.Packed();
  if (move < kCellCount) {
    const std::uint64_t tile = (packed >> (4 * move)) & 0xF;
    packed &= ~((std::uint64_t{0xF} << (4 * move)) | (std::uint64_t{0xF} << (4 * blankCell)));
    packed |= (tile << (4 * blankCell)) | (std::uint64_t{kBlank} << (4 * move));
    return PackedPosition(packed);
  }
  const std::uint64_t mask = kRowMask << (4 * TurnedRowIndex(move));
  const std::uint64_t row = packed & mask;
  // A column is sixteen bits wide, so one column to the right is sixteen bits up.
  const std::uint64_t turned =
      TurnsRight(move) ? (row << 16) | (row >> 48) : (row >> 16) | (row << 48);
  return PackedPosition((packed & ~mask) | (turned & mask));
}

MoveIndex Inverse(MoveIndex move, int blankCell) {
  if (move < kCellCount) return static_cast<MoveIndex>(blankCell);
  switch (move) {
    case kRow1Right:
      return kRow1Left;
    case kRow4Right:
      return kRow4Left;
    case kRow1Left:
      return kRow1Right;
    default:
      return kRow4Right;
  }
}

}  // namespace kelvora::solver
