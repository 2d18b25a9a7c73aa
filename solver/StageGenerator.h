// Makes positions with a chosen shortest-solution length, reproducibly from a seed.
#pragma once

#include <cstdint>
#include <random>
#include <set>

#include "solver/PackedPosition.h"
#include "solver/Solver.h"

namespace kelvora::solver {

class StageGenerator {
 public:
  // Long walks can still reach positions this far out in reasonable time.
  static constexpr int kMaxPar = 60;

  StageGenerator(Solver& solver, std::uint64_t seed);

  // A position whose shortest solution has exactly par moves (1..kMaxPar), never one this
  // generator has made before.
  PackedPosition Make(int par);

 private:
  // From this par on, random arrangements reach a par sooner than walks do.
  static constexpr int kArrangementsFrom = 48;

  PackedPosition FromWalks(int par);
  PackedPosition FromArrangements(int par);

  Solver& solver_;
  std::mt19937_64 engine_;
  std::set<std::uint64_t> made_;
};

}  // namespace kelvora::solver
