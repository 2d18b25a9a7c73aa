// A pattern database: each abstract position's distance from the goal, modulo 3.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

#include "solver/PackedPosition.h"
#include "solver/PatternSpace.h"
#include "solver/TableMemory.h"

namespace kelvora::solver {

static_assert(std::endian::native == std::endian::little,
              "tables are stored as little-endian words and read as bytes");

// Entries a table holds per byte, and the value of an entry no search has reached yet.
constexpr int kEntriesPerByte = 4;
constexpr int kUnreached = 3;

// Two bits an entry are enough: a move changes a distance by at most one, so the residue of a
// neighbour tells its exact distance from the distance of the position it was reached from.
class PatternTable {
 public:
  PatternTable(PatternSpace space, std::unique_ptr<TableMemory> memory);

  const PatternSpace& Space() const { return space_; }
  std::span<const std::uint8_t> Bytes() const { return bytes_; }

  int Residue(std::uint64_t index) const {
    // The constructor saw the bytes cover the space, so the byte's place fits a size_t.
    return (bytes_[static_cast<std::size_t>(index / kEntriesPerByte)] >>
            (2 * (index % kEntriesPerByte))) &
           3;
  }
  // The table's byte for index, so a search can ask for it early.
  const std::uint8_t* Address(std::uint64_t index) const {
    return bytes_.data() + index / kEntriesPerByte;
  }

  // The exact distance, found by walking down the table to the goal: for the start of a search.
  int Distance(PackedPosition position) const;
  // The distance of the position at childIndex, one move away from one at parentDistance.
  int DistanceAfterMove(int parentDistance, std::uint64_t childIndex) const {
    const int residue = Residue(childIndex);
    // (residue - parentDistance) mod 3 is 2, 0 or 1 for one less, the same, one more.
    return parentDistance + kStep[(residue - parentDistance % 3 + 3) % 3];
  }

 private:
  static constexpr int kStep[3] = {0, 1, -1};

  PatternSpace space_;
  std::unique_ptr<TableMemory> memory_;
  std::span<const std::uint8_t> bytes_;
};

}  // namespace kelvora::solver
