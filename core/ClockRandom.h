// The game's generator: a standard-library engine seeded from the clock.
#pragma once

#include <random>

#include "core/RandomSource.h"

namespace kelvora {

class ClockRandom final : public RandomSource {
 public:
  void SeedFromClock() override;
  double NextUnit() override;

 private:
  std::mt19937_64 engine_;
};

}  // namespace kelvora
