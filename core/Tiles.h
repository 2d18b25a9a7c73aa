// Tile codes: the numbers of the 13 tile pictures. Code 13 is the blank; codes 2, 5 and 8 stand
// twice in the goal, every other code once, so a board holds 16 tiles of 13 kinds.
#pragma once

namespace kelvora {

constexpr int kFirstTileCode = 1;
constexpr int kLastTileCode = 13;
constexpr int kBlank = 13;

constexpr bool IsTileCode(int code) {
  return code >= kFirstTileCode && code <= kLastTileCode;
}

// How often a code stands in the goal, and so in every position of the game.
constexpr int CopiesInGoal(int code) {
  if (!IsTileCode(code)) return 0;
  return code == 2 || code == 5 || code == 8 ? 2 : 1;
}

// What a tile's picture shows. The strands are numbered by the column they close in, red first;
// each is drawn in three kinds of piece, its top bend, a crossing and its bottom bend, and codes
// run through the pieces of one strand before the next.
enum class Strand { kRed, kGreen, kYellow, kWhite };
enum class Piece { kTopBend, kCrossing, kBottomBend };

// For codes 1..12: the blank shows no strand.
constexpr Strand StrandOf(int code) {
  return static_cast<Strand>((code - kFirstTileCode) / 3);
}
constexpr Piece PieceOf(int code) {
  return static_cast<Piece>((code - kFirstTileCode) % 3);
}

}  // namespace kelvora
