// A move of the game, named by its letter as records, replays, the solver and the tools write
// it: 'A'..'P' click the tile of that tile index and slide it into the blank above or below it;
// 'Q'..'T' click an arrow and turn row 1 right, row 4 right, row 1 left or row 4 left.
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>

#include "core/Cells.h"

namespace kelvora {

constexpr int kArrowCount = 4;

class Move {
 public:
  static constexpr int kKinds = kCellCount + kArrowCount;

  static std::optional<Move> FromLetter(char letter) {
    if (letter < 'A' || letter >= 'A' + kKinds) return std::nullopt;
    return Move(letter - 'A');
  }
  // A click on tile box tileIndex (0..15): a slide of that cell's tile.
  static constexpr Move TileClick(int tileIndex) { return Move(tileIndex); }
  // A click on arrow 0..3: 0 and 1 stand left of rows 1 and 4, 2 and 3 right of them.
  static constexpr Move ArrowClick(int arrow) { return Move(kCellCount + arrow); }
  // Every move in letter order, for loops over all twenty.
  static constexpr Move FromIndex(int index) { return Move(index); }

  constexpr int Index() const { return index_; }
  constexpr char Letter() const { return static_cast<char>('A' + index_); }

  constexpr bool IsSlide() const { return index_ < kCellCount; }
  // The cell of the tile a slide moves.
  constexpr Cell SlidingCell() const { return CellAt(index_); }
  // The row a turn moves, 1 or 4, and whether to the right.
  constexpr int TurnedRow() const { return (index_ - kCellCount) % 2 == 0 ? 1 : kBoardSize; }
  constexpr bool TurnsRight() const { return index_ - kCellCount < 2; }

  constexpr bool operator==(const Move&) const = default;

 private:
  // Only the twenty moves exist: a tile index or arrow out of range is a caller's fault.
  constexpr explicit Move(int index) : index_(static_cast<std::uint8_t>(index)) {
    if (index < 0 || index >= kKinds) throw std::out_of_range("no such move");
  }
  std::uint8_t index_;
};

constexpr bool IsMoveLetter(char letter) {
  return letter >= 'A' && letter < 'A' + Move::kKinds;
}

}  // namespace kelvora
