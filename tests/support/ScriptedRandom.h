// A generator that hands out a fixed sequence of values, so shuffles can be predicted.
#pragma once

#include <cstddef>
#include <random>
#include <utility>
#include <vector>

#include "core/RandomSource.h"

namespace kelvora::testing {

class ScriptedRandom : public RandomSource {
 public:
  ScriptedRandom() = default;
  explicit ScriptedRandom(std::vector<double> values) : values_(std::move(values)) {}

  void SeedFromClock() override { ++seeds; }
  // Runs through the script and starts again at its end; 0 without a script.
  double NextUnit() override {
    if (values_.empty()) return 0.0;
    double value = values_[next_ % values_.size()];
    ++next_;
    return value;
  }

  int seeds = 0;

 private:
  std::vector<double> values_;
  std::size_t next_ = 0;
};

// The draws of one random-stage shuffle that make exactly these swaps of cell numbers (0..14),
// then swaps of cell 0 with itself.
inline std::vector<double> ShuffleDraws(const std::vector<std::pair<int, int>>& swaps) {
  std::vector<double> values;
  for (auto [first, second] : swaps) {
    values.push_back((first + 0.5) / 15.0);
    values.push_back((second + 0.5) / 15.0);
  }
  values.resize(200, 0.0);
  return values;
}

}  // namespace kelvora::testing
