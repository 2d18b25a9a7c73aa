// The checksum: XXH3 from the xxHash library, used from its header alone.
#include "solver/Checksum.h"

// Inlined whole, so no library is linked and the Windows build needs only the header. XXH3 reads
// a table at several gigabytes a second, so checking both at start-up costs a few hundredths of
// a second.
#define XXH_INLINE_ALL
#include <xxhash.h>

namespace kelvora::solver {

std::uint64_t Checksum(std::span<const std::uint8_t> bytes, std::uint64_t seed) {
  return XXH3_64bits_withSeed(bytes.data(), bytes.size(), seed);
}

}  // namespace kelvora::solver
