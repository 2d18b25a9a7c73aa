// The board's cells and the rule that keeps its border ring empty.
#include "core/Board.h"

#include <stdexcept>
#include <string>

#include "core/TileCodes.h"

namespace kelvora {

namespace {

bool InRing(int column, int row) {
  return column >= 0 && column < Board::kSize && row >= 0 && row < Board::kSize;
}

bool InField(int column, int row) {
  return column >= 1 && column <= 4 && row >= 1 && row <= 4;
}

}  // namespace

int Board::At(int column, int row) const {
  if (!InRing(column, row)) {
    throw std::out_of_range("board cell (" + std::to_string(column) + ", " + std::to_string(row) +
                            ") does not exist");
  }
  return cells_[column][row];
}

void Board::Set(int column, int row, int code) {
  if (!InField(column, row)) {
    throw std::out_of_range("board cell (" + std::to_string(column) + ", " + std::to_string(row) +
                            ") is not in the playing field");
  }
  cells_[column][row] = code;
}

StageGrid Board::Field() const {
  StageGrid field{};
  for (int column = 1; column <= 4; ++column) {
    for (int row = 1; row <= 4; ++row) field[column][row] = cells_[column][row];
  }
  return field;
}

void Board::SetField(const StageGrid& field) {
  for (int column = 1; column <= 4; ++column) {
    for (int row = 1; row <= 4; ++row) Set(column, row, field[column][row]);
  }
}

}  // namespace kelvora
