// A fast 64-bit checksum for cached tables: any changed, added or missing byte changes it.
#pragma once

#include <cstdint>
#include <span>

namespace kelvora::solver {

std::uint64_t Checksum(std::span<const std::uint8_t> bytes, std::uint64_t seed = 0);

}  // namespace kelvora::solver
