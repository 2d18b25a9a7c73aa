// A board position packed into one 64-bit word for the search: four bits per cell, cells in
// tile-index order (core/Cells.h), so a cell's vertical neighbours are the cells one below and
// one above it.
#pragma once

#include <array>
#include <cstdint>

#include "core/Cells.h"
#include "core/Position.h"
#include "core/Status.h"

namespace kelvora::solver {

// A cell's row counted from 0, as the search shifts rows of bits by it.
constexpr int RowIndexOf(int cell) {
  return CellAt(cell).row - 1;
}

class PackedPosition {
 public:
  constexpr PackedPosition() = default;
  constexpr explicit PackedPosition(std::uint64_t packed) : packed_(packed) {}

  static PackedPosition Goal();
  // position's codes must each fit four bits, as every tile code does.
  static PackedPosition From(const Position& position);
  Position ToPosition() const;

  // Ok when these 16 codes (in tile-index order) are an arrangement of the goal's tiles, and
  // only then can they be packed and solved; otherwise kInvalid, with why in the tool's words.
  static Status CheckCodes(const std::array<int, kCellCount>& codes);

  constexpr int Code(int cell) const { return static_cast<int>((packed_ >> (4 * cell)) & 0xF); }
  constexpr void SetCode(int cell, int code) {
    packed_ &= ~(std::uint64_t{0xF} << (4 * cell));
    packed_ |= std::uint64_t(code) << (4 * cell);
  }
  // The cells holding code as a 16-bit mask, bit n for cell n.
  std::uint32_t CellsWith(int code) const;
  int BlankCell() const;

  constexpr std::uint64_t Packed() const { return packed_; }
  constexpr bool operator==(const PackedPosition&) const = default;

 private:
  std::uint64_t packed_ = 0;
};

}  // namespace kelvora::solver
