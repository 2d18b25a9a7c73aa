// Packing, unpacking and the check that a set of codes is the goal's tiles rearranged.
#include "solver/Position.h"

#include <bit>

#include "core/Goal.h"

namespace kelvora::solver {

Position Position::Goal() {
  return FromGrid(GoalPattern());
}

Position Position::FromCodes(const std::array<int, kCellCount>& codes) {
  Position position;
  for (int cell = 0; cell < kCellCount; ++cell) position.SetCode(cell, codes[cell]);
  return position;
}

Position Position::FromGrid(const StageGrid& grid) {
  Position position;
  for (int cell = 0; cell < kCellCount; ++cell) {
    position.SetCode(cell, grid[ColumnOfCell(cell) + 1][RowOfCell(cell) + 1]);
  }
  return position;
}

std::optional<std::string> Position::ProblemWithCodes(const std::array<int, kCellCount>& codes) {
  for (int cell = 0; cell < kCellCount; ++cell) {
    if (codes[cell] < 1 || codes[cell] > kBlankCode) {
      return "value " + std::to_string(cell + 1) + " is " + std::to_string(codes[cell]) +
             ", not a tile code 1 to 13";
    }
  }
  std::array<int, kBlankCode + 1> have{};
  std::array<int, kBlankCode + 1> want{};
  const Position goal = Goal();
  for (int cell = 0; cell < kCellCount; ++cell) {
    ++have[codes[cell]];
    ++want[goal.Code(cell)];
  }
  for (int code = 1; code <= kBlankCode; ++code) {
    if (have[code] != want[code]) {
      return "code " + std::to_string(code) + " appears " + std::to_string(have[code]) +
             " times, the goal has it " + std::to_string(want[code]) +
             (want[code] == 1 ? " time" : " times");
    }
  }
  return std::nullopt;
}

std::uint32_t Position::CellsWith(int code) const {
  // A nibble equal to code becomes zero; fold each nibble onto its low bit and invert.
  std::uint64_t x = packed_ ^ (0x1111111111111111ULL * static_cast<std::uint64_t>(code));
  x |= x >> 1;
  x |= x >> 2;
  std::uint64_t m = ~x & 0x1111111111111111ULL;
  // Gather the 16 flags (one every four bits) into the low 16 bits.
  m = (m | (m >> 3)) & 0x0303030303030303ULL;
  m = (m | (m >> 6)) & 0x000F000F000F000FULL;
  m = (m | (m >> 12)) & 0x000000FF000000FFULL;
  m = (m | (m >> 24)) & 0xFFFFULL;
  return static_cast<std::uint32_t>(m);
}

int Position::BlankCell() const {
  return std::countr_zero(CellsWith(kBlankCode));
}

std::array<int, kCellCount> Position::Codes() const {
  std::array<int, kCellCount> codes{};
  for (int cell = 0; cell < kCellCount; ++cell) codes[cell] = Code(cell);
  return codes;
}

StageGrid Position::ToGrid() const {
  StageGrid grid{};
  for (int cell = 0; cell < kCellCount; ++cell) {
    grid[ColumnOfCell(cell) + 1][RowOfCell(cell) + 1] = Code(cell);
  }
  return grid;
}

}  // namespace kelvora::solver
