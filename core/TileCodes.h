// Tile codes: 1..13 name a picture of the picture store, 13 is the blank, 0 an empty cell.
#pragma once

namespace kelvora {

constexpr int kEmptyCell = 0;
constexpr int kFirstTileCode = 1;
constexpr int kBlank = 13;
constexpr int kLastTileCode = 13;

constexpr bool IsTileCode(int code) {
  return code >= kFirstTileCode && code <= kLastTileCode;
}

}  // namespace kelvora
