// Slides swap two neighbouring cells of a column; rotations shift four nibbles of a row.
#include "solver/MoveRules.h"

namespace kelvora::solver {

namespace {

constexpr std::uint64_t kRowMask = 0x000F000F000F000FULL;

constexpr int RowOfRotation(Move move) {
  return (move == kRow1Right || move == kRow1Left) ? 0 : 3;
}

constexpr bool RotatesRight(Move move) {
  return move == kRow1Right || move == kRow4Right;
}

// The table a search consults at every node, made once at compile time.
constexpr std::array<MoveList, kCellCount> MakeLegalMoves() {
  std::array<MoveList, kCellCount> table{};
  for (int blank = 0; blank < kCellCount; ++blank) {
    MoveList& list = table[blank];
    if (RowOfCell(blank) > 0) list.moves[list.count++] = static_cast<Move>(blank - 1);
    if (RowOfCell(blank) < 3) list.moves[list.count++] = static_cast<Move>(blank + 1);
    for (Move rotation = kRow1Right; rotation <= kRow4Left; ++rotation) {
      list.moves[list.count++] = rotation;
    }
  }
  return table;
}

constexpr std::array<MoveList, kCellCount> kLegalMoves = MakeLegalMoves();

}  // namespace

std::optional<Move> MoveFromLetter(char letter) {
  if (letter < 'A' || letter > 'T') return std::nullopt;
  return static_cast<Move>(letter - 'A');
}

MoveList LegalMoves(int blankCell) {
  return kLegalMoves[blankCell];
}

Position Apply(Position position, Move move, int blankCell) {
  std::uint64_t packed = position.Packed();
  if (move < kCellCount) {
    const std::uint64_t tile = (packed >> (4 * move)) & 0xF;
    packed &= ~((std::uint64_t{0xF} << (4 * move)) | (std::uint64_t{0xF} << (4 * blankCell)));
    packed |= (tile << (4 * blankCell)) | (std::uint64_t{kBlankCode} << (4 * move));
    return Position(packed);
  }
  const std::uint64_t mask = kRowMask << (4 * RowOfRotation(move));
  const std::uint64_t row = packed & mask;
  // A column is sixteen bits wide, so one column to the right is sixteen bits up.
  const std::uint64_t turned =
      RotatesRight(move) ? (row << 16) | (row >> 48) : (row >> 16) | (row << 48);
  return Position((packed & ~mask) | (turned & mask));
}

int BlankAfter(Move move, int blankCell) {
  if (move < kCellCount) return move;
  if (RowOfCell(blankCell) != RowOfRotation(move)) return blankCell;
  return (blankCell + (RotatesRight(move) ? 4 : 12)) & 15;
}

Move Inverse(Move move, int blankCell) {
  if (move < kCellCount) return static_cast<Move>(blankCell);
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
