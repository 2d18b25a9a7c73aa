// Mirroring a packed position, codes and cells.
#include "solver/Mirror.h"

namespace kelvora::solver {

namespace {

// The code each code becomes: the goal's code in the mirrored cell.
const std::array<std::uint8_t, 16> kMirroredCode = [] {
  const PackedPosition goal = PackedPosition::Goal();
  std::array<std::uint8_t, 16> codes{};
  for (int code = 0; code < 16; ++code) codes[code] = static_cast<std::uint8_t>(code);
  for (int cell = 0; cell < kCellCount; ++cell) {
    codes[goal.Code(cell)] = static_cast<std::uint8_t>(goal.Code(MirrorCell(cell)));
  }
  return codes;
}();

}  // namespace

PackedPosition Mirror(PackedPosition position) {
  PackedPosition mirrored;
  for (int cell = 0; cell < kCellCount; ++cell) {
    mirrored.SetCode(MirrorCell(cell), kMirroredCode[position.Code(cell)]);
  }
  return mirrored;
}

}  // namespace kelvora::solver
