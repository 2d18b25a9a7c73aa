// The checksum: four multiply-rotate lanes over 64-bit words.
#include "solver/Checksum.h"

#include <bit>
#include <cstring>

// Independent lanes keep the processor busy, so checking a table of a few hundred megabytes at
// start-up costs tens of milliseconds.

namespace kelvora::solver {

namespace {

constexpr std::uint64_t kPrime1 = 0x9E3779B185EBCA87ULL;
constexpr std::uint64_t kPrime2 = 0xC2B2AE3D27D4EB4FULL;

std::uint64_t Mix(std::uint64_t lane, std::uint64_t word) {
  return std::rotl(lane + word * kPrime2, 31) * kPrime1;
}

std::uint64_t Word(const std::uint8_t* bytes) {
  std::uint64_t word;
  std::memcpy(&word, bytes, sizeof word);
  return word;
}

}  // namespace

std::uint64_t Checksum(std::span<const std::uint8_t> bytes, std::uint64_t seed) {
  std::uint64_t lanes[4] = {seed + kPrime1, seed + kPrime2, seed, seed - kPrime1};
  std::size_t at = 0;
  for (; at + 32 <= bytes.size(); at += 32) {
    for (int lane = 0; lane < 4; ++lane)
      lanes[lane] = Mix(lanes[lane], Word(&bytes[at + 8 * lane]));
  }
  std::uint64_t hash = std::rotl(lanes[0], 1) + std::rotl(lanes[1], 7) + std::rotl(lanes[2], 12) +
                       std::rotl(lanes[3], 18);
  for (; at < bytes.size(); ++at) hash = Mix(hash, bytes[at]);
  // The length goes in last, so bytes cut off the end are noticed even when they were zero.
  hash = Mix(hash, bytes.size());
  hash ^= hash >> 33;
  hash *= kPrime2;
  hash ^= hash >> 29;
  return hash;
}

}  // namespace kelvora::solver
