// A board position packed into one 64-bit word: four bits per cell, cells in tile-index order.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "core/StageGrid.h"

namespace kelvora::solver {

constexpr int kCellCount = 16;
constexpr int kBlankCode = 13;
// The goal's blank sits at column 4, row 1.
constexpr int kGoalBlankCell = 12;

// Cell numbers are tile indices: cell = (column - 1) * 4 + (row - 1), so the two vertical
// neighbours of a cell are the cells numbered one below and one above it.
constexpr int ColumnOfCell(int cell) {
  return cell / 4;
}
constexpr int RowOfCell(int cell) {
  return cell % 4;
}

class Position {
 public:
  constexpr Position() = default;
  constexpr explicit Position(std::uint64_t packed) : packed_(packed) {}

  static Position Goal();
  // Codes in tile-index order (column 1 top to bottom, then columns 2, 3, 4).
  static Position FromCodes(const std::array<int, kCellCount>& codes);
  static Position FromGrid(const StageGrid& grid);

  // Why these 16 codes are not an arrangement of the goal's tiles; nullopt when they are.
  static std::optional<std::string> ProblemWithCodes(const std::array<int, kCellCount>& codes);

  constexpr int Code(int cell) const { return static_cast<int>((packed_ >> (4 * cell)) & 0xF); }
  constexpr void SetCode(int cell, int code) {
    packed_ &= ~(std::uint64_t{0xF} << (4 * cell));
    packed_ |= std::uint64_t(code) << (4 * cell);
  }
  // The cells holding code as a 16-bit mask, bit n for cell n.
  std::uint32_t CellsWith(int code) const;
  int BlankCell() const;

  std::array<int, kCellCount> Codes() const;
  StageGrid ToGrid() const;

  constexpr std::uint64_t Packed() const { return packed_; }
  constexpr bool operator==(const Position&) const = default;

 private:
  std::uint64_t packed_ = 0;
};

}  // namespace kelvora::solver
