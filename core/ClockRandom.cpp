// Seeding and drawing for the game's generator.
#include "core/ClockRandom.h"

#include <chrono>

namespace kelvora {

void ClockRandom::SeedFromClock() {
  const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
  engine_.seed(static_cast<std::mt19937_64::result_type>(ticks));
}

double ClockRandom::NextUnit() {
  // generate_canonical may round up to exactly 1.0 on some libraries; the shuffle relies on < 1.
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  double value = unit(engine_);
  return value < 1.0 ? value : 0.0;
}

}  // namespace kelvora
