// Ties a playing-field cell to the tile box that shows it; the index runs down column 1 first.
#pragma once

namespace kelvora {

constexpr int kTileBoxCount = 16;
constexpr int kArrowCount = 4;

constexpr int ColumnOf(int tileIndex) {
  return tileIndex / 4 + 1;
}
constexpr int RowOf(int tileIndex) {
  return tileIndex % 4 + 1;
}
constexpr int TileIndexOf(int column, int row) {
  return (column - 1) * 4 + (row - 1);
}

}  // namespace kelvora
