// A position of the 4 x 4 playing field as the stage tables and the goal hold it.
#pragma once

#include <array>
#include <cstdint>

namespace kelvora {

// Indexed [column][row], both 0..4; column 0 and row 0 are never used, so the
// indices match the board's own.
using StageGrid = std::array<std::array<std::int32_t, 5>, 5>;

}  // namespace kelvora
