// The player's twenty moves on a packed position, named by the letters the game records.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "solver/Position.h"

namespace kelvora::solver {

// 0..15: the tile at that cell slides into the blank above or below it ('A'..'P').
// 16..19: row 1 right, row 4 right, row 1 left, row 4 left ('Q'..'T').
using Move = std::uint8_t;
constexpr Move kRow1Right = 16;
constexpr Move kRow4Right = 17;
constexpr Move kRow1Left = 18;
constexpr Move kRow4Left = 19;
constexpr int kMoveKinds = 20;

constexpr char Letter(Move move) {
  return static_cast<char>('A' + move);
}
std::optional<Move> MoveFromLetter(char letter);

struct MoveList {
  std::array<Move, 6> moves{};
  int count = 0;
};

// Every move that is legal while the blank is at blankCell: at most two slides (a rotation
// is always legal).
MoveList LegalMoves(int blankCell);

// move must be legal with the blank at blankCell.
Position Apply(Position position, Move move, int blankCell);
int BlankAfter(Move move, int blankCell);
// The move that undoes move, which was made with the blank at blankCell.
Move Inverse(Move move, int blankCell);

}  // namespace kelvora::solver
