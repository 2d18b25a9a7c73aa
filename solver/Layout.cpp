// Moves on cell masks.
#include "solver/Layout.h"

// Slides move one bit to the neighbouring bit (a column's cells are consecutive); rotations move
// the row's bits one column (four bits) along, the end one wrapping round.

namespace kelvora::solver {

namespace {

// One bit in every 16-bit mask of a word.
constexpr std::uint64_t EveryMask(std::uint64_t bits) {
  return bits * 0x0001000100010001ULL;
}

std::uint64_t MoveBit(std::uint64_t bits, int from, int to) {
  return from < to ? bits << (to - from) : bits >> (from - to);
}

}  // namespace

Layout Layout::After(MoveIndex move, int blankCell) const {
  Layout next = *this;
  if (move < kCellCount) {
    const std::uint64_t tile = EveryMask(std::uint64_t{1} << move);
    const std::uint64_t blank = EveryMask(std::uint64_t{1} << blankCell);
    for (std::uint64_t& word : next.words_) {
      const std::uint64_t tileBits = word & tile;
      const std::uint64_t blankBits = word & blank;
      word ^= tileBits | blankBits;
      word |= MoveBit(tileBits, move, blankCell) | MoveBit(blankBits, blankCell, move);
    }
    return next;
  }
  const int row = TurnedRowIndex(move);
  const std::uint64_t rowBits = EveryMask(std::uint64_t{0x1111} << row);
  const std::uint64_t firstColumn = EveryMask(std::uint64_t{0x0001} << row);
  const std::uint64_t lastColumn = EveryMask(std::uint64_t{0x1000} << row);
  const bool right = TurnsRight(move);
  for (std::uint64_t& word : next.words_) {
    const std::uint64_t inRow = word & rowBits;
    const std::uint64_t turned =
        right ? ((inRow & ~lastColumn) << 4) | ((inRow & lastColumn) >> 12)
              : ((inRow & ~firstColumn) >> 4) | ((inRow & firstColumn) << 12);
    word = (word & ~rowBits) | turned;
  }
  return next;
}

}  // namespace kelvora::solver
