// Packing, unpacking and the check that a set of codes is the goal's tiles rearranged.
#include "solver/PackedPosition.h"

#include <algorithm>
#include <bit>
#include <string>
#include <utility>

#include "core/Tiles.h"
#include "text/ToolText.h"

namespace kelvora::solver {

PackedPosition PackedPosition::Goal() {
  static const PackedPosition goal = From(Position::Goal());
  return goal;
}

PackedPosition PackedPosition::From(const Position& position) {
  PackedPosition packed;
  const std::array<int, kCellCount>& codes = position.Codes();
  for (int cell = 0; cell < kCellCount; ++cell) packed.SetCode(cell, codes[cell]);
  return packed;
}

Position PackedPosition::ToPosition() const {
  std::array<int, kCellCount> codes{};
  for (int cell = 0; cell < kCellCount; ++cell) codes[cell] = Code(cell);
  return Position::FromCodes(codes);
}

Status PackedPosition::CheckCodes(const std::array<int, kCellCount>& codes) {
  if (Position::FromCodes(codes).HoldsTheGoalsTiles()) return Status::Ok();
  const auto invalid = [](std::string why) {
    return Status::Failed(Status::Code::kInvalid, text::ToolReason(std::move(why)));
  };
  // Only the explanation is left to find: the first value that is no tile code at all, else the
  // first code that stands on the board more or less often than in the goal.
  for (int cell = 0; cell < kCellCount; ++cell) {
    if (!IsTileCode(codes[cell])) return invalid(text::stages::NotATileCode(cell + 1, codes[cell]));
  }
  int code = kFirstTileCode;
  while (std::count(codes.begin(), codes.end(), code) == CopiesInGoal(code)) ++code;
  return invalid(text::stages::WrongTileCount(
      code, static_cast<int>(std::count(codes.begin(), codes.end(), code)), CopiesInGoal(code)));
}

std::uint32_t PackedPosition::CellsWith(int code) const {
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

int PackedPosition::BlankCell() const {
  return std::countr_zero(CellsWith(kBlank));
}

}  // namespace kelvora::solver
